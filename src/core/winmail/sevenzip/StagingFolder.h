// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>

namespace sw {

// A private folder an extractor we do not control (7zz) writes into, made
// inside the destination so that handing over is a rename on one file
// system. Nothing in it is shown or moved before check() has made it safe:
//
//   - symbolic links whose target leads outside the folder (read as text
//     from where the link sits, and followed through the links inside it,
//     so that a chain of harmless-looking links cannot climb out) go, and
//     absolute links into the folder become relative (they would break,
//     or worse lead elsewhere, once the folder is gone);
//   - device nodes, FIFOs and sockets go;
//   - a file also linked from outside the folder (a hard link) goes, so that
//     writing to it cannot change a file elsewhere;
//   - setuid, setgid and sticky bits and others' write permission are cleared;
//   - names that are not valid UTF-8 are renamed (their bytes as %XX) so
//     every item can be named, listed and removed;
//   - folders too deep to walk (past FolderWalker::kMaxDepth) go whole.
//
// The walk never follows a link: every folder is opened with O_NOFOLLOW
// from its parent's descriptor. What goes, goes through the removal core
// with the staging folder as its root.
class StagingFolder
{
public:
    enum class Type { File, Directory, Link };
    struct Item
    {
        QString path; // relative to the staging folder
        Type type = Type::File;
        qint64 size = 0; // bytes of a file, 0 for the others
    };
    struct Removed
    {
        QString path; // relative
        QString reason;
    };

    // Makes the folder (mode 0700) inside parent; see isValid().
    explicit StagingFolder(const QString &parent);
    StagingFolder(const StagingFolder &) = delete;
    StagingFolder &operator=(const StagingFolder &) = delete;

    bool isValid() const { return !m_path.isEmpty(); }
    QString errorString() const { return m_error; }
    const QString &path() const { return m_path; }

    // Makes what is inside safe (see above). False when the folder could not
    // be walked whole; nothing should be handed over then.
    bool check();
    // What remains after check(), folders before their contents.
    const QList<Item> &items() const { return m_items; }
    // What check() and drop() took away, and why.
    const QList<Removed> &removed() const { return m_removed; }
    // Takes one item of items() (a folder with its contents) away before
    // the hand-over, for a reason of the caller's (a file cut short).
    bool drop(const QString &relative, const QString &reason);

    // Moves each top-level entry into destination, never over an existing
    // one ("name 2", "name 3"... when the name is taken), then removes the
    // empty staging folder. The entries' new paths, in the staging folder's
    // order; nullopt when one could not be moved (those moved stay moved,
    // the rest stays in the staging folder). From then on items() are the
    // ones moved, relative to destination, under the names they got there.
    std::optional<QStringList> handOver(const QString &destination);
    // Removes the staging folder and everything in it (an abandoned run).
    bool discard();

private:
    struct Walk;
    struct Link
    {
        QByteArray relative;
        QByteArray target;    // relative to the link's folder
        bool rewrite = false; // was absolute: written anew as target
    };
    // Picks out what must go (into walk.doomed) and the links that may stay.
    static QList<Link> sortOut(Walk &walk, const QByteArray &root);
    void listRemaining(const Walk &walk, const QSet<QByteArray> &gone);
    // Items at relative or below it; with to, renamed to it, else taken out.
    void retarget(const QString &relative, const std::optional<QString> &to);
    static QString numberedName(const QString &name, int n);

    QString m_path;
    QString m_error;
    QList<Item> m_items;
    QList<Removed> m_removed;
};

} // namespace sw
