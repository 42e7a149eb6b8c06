// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <sys/types.h>

#include <ctime>
#include <functional>

namespace sw {

// Writes entries below one destination folder through descriptors only, so
// nothing an archive (or someone racing it) puts in the way can redirect a
// write: every folder of a path is opened component by component with
// O_NOFOLLOW|O_DIRECTORY, and symbolic links are made only at the end
// (finishLinks), when no file will be written any more, and only when they
// point inside.
//
// A file is written nameless (O_TMPFILE; where the file system cannot, under
// a hidden name) and gets its name only once it is complete, never over an
// existing item unless overwriting: a run that dies or is killed leaves no
// file cut short under an entry's name.
//
// A folder that already exists is merged into and left as it is: its mode
// and time are not the archive's to change, and it is no extracted item.
//
// Modes never carry setuid, setgid, sticky or others' write; owners are
// never set; the owner may always read and write what was made, so that
// the result can be opened and removed.
class EntryWriter
{
public:
    struct Options
    {
        bool renames = true;      // a clashing name gets "name 2", "name 3", ...
        bool overwrites = false;  // else a clashing file is replaced
        bool keepsMetadata = true;  // modes and modification times of the entries
    };

    // What happened to one entry: the path it went to (relative, '/'
    // separated; it differs from the entry's own when renamed), or why not.
    struct Outcome
    {
        bool ok = false;
        QString path;
        QString reason;
        int error = 0;  // errno of the failure, 0 for a refusal
        qint64 size = 0;        // bytes of the file written (or linked)
        bool existing = false;  // a folder that was there already: nothing made
    };

    // A file being written. Its bytes go to fd; finishFile() closes it and
    // gives it its name, discardFile() removes it again.
    struct OpenFile
    {
        int fd = -1;
        int parentFd = -1;
        QByteArray hiddenName;  // where it is written, empty while nameless (O_TMPFILE)
        QStringList entryPath;  // as the archive names it (made safe)
        QStringList path;       // where it went (finishFile)
        dev_t dev = 0;
        ino_t ino = 0;
        qint64 end = 0;  // the end of what was written so far
    };

    EntryWriter(int rootFd, Options options);
    ~EntryWriter();
    EntryWriter(const EntryWriter &) = delete;
    EntryWriter &operator=(const EntryWriter &) = delete;

    Outcome makeFolder(const QStringList &path, mode_t mode, time_t mtime);
    Outcome createFile(const QStringList &path, OpenFile &file);
    Outcome finishFile(OpenFile &file, qint64 size, mode_t mode, time_t mtime);
    void discardFile(OpenFile &file);
    // A hard link to a file this writer made earlier (target: the entry's
    // own safe path, before any renaming).
    Outcome hardLink(const QStringList &path, const QStringList &target);
    // Some archives (cpio's newc and crc) send a file's bytes with its last
    // link: the earlier links came as empty files. path (just written with
    // the bytes) joins target's links: each of them is given path's file in
    // place of the empty one. The paths given (as written) are returned.
    QStringList joinLinks(const QStringList &path, const QStringList &target);
    // Remembers a symbolic link; finishLinks() makes the ones that stay inside.
    void addLink(const QStringList &path, const QString &target);
    QList<Outcome> finishLinks();
    // Sets the remembered modification times of folders (writing into a
    // folder changes its time, so this comes last).
    void finishFolders();

    // Folders made implicitly for the paths of entries since the last call.
    QStringList takeNewFolders();

private:
    int openFolder(const QStringList &parts, bool create, QString *reason, int *error);
    // Makes path's last component with make (0 or an errno),
    // under a unique name when it exists and renaming is on.
    Outcome place(const QStringList &path, const std::function<int(const QByteArray &)> &make);
    static QByteArray uniqueName(const QByteArray &name, int n);
    // Gives the nameless or hidden file its name (entry's, renamed on a clash).
    Outcome name(OpenFile &file);
    // Replaces the name at path by a link to the file open as fd (same
    // folder tree), when the name is still the file identified by old.
    bool relink(int fd, const QStringList &path, const QPair<dev_t, ino_t> &old);
    mode_t safeMode(mode_t mode, bool folder) const;

    int m_root;
    Options m_options;
    // The last parent folder opened, kept for the next entry: archives
    // list the files of one folder together.
    QStringList m_cachedParts;
    int m_cachedFd = -1;
    struct Written
    {
        QStringList path;  // where it was written
        QPair<dev_t, ino_t> identity;  // the file written
    };
    QHash<QString, Written> m_files;  // entry path -> what was written for it
    QHash<QString, QString> m_linkedTo;   // entry path -> the first entry of its hard links
    QSet<QString> m_madeFolders;          // folders this writer made (paths as written)
    QList<QPair<QStringList, QString>> m_links;
    QList<QPair<QStringList, time_t>> m_folderTimes;
    QStringList m_newFolders;
};

}  // namespace sw
