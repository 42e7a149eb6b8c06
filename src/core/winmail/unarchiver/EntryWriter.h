#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <sys/types.h>

#include <ctime>
#include <functional>

namespace sw {

// Writes entries below one destination folder through descriptors only, so
// nothing an archive (or someone racing it) puts in the way can redirect a
// write: every folder of a path is opened component by component with
// O_NOFOLLOW|O_DIRECTORY, every file is created with O_EXCL|O_NOFOLLOW, and
// symbolic links are made only at the end (finishLinks), when no file will
// be written any more, and only when they point inside.
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
    };

    // A file being written. Its bytes go to fd; finishFile() closes it and
    // gives it its name, discardFile() removes it again.
    struct OpenFile
    {
        int fd = -1;
        int parentFd = -1;
        QByteArray createdName;  // the name created in the parent folder
        QByteArray finalName;    // differs when the file replaces another
        QStringList entryPath;  // as the archive names it (made safe)
        QStringList path;       // where it is written
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
    mode_t safeMode(mode_t mode, bool folder) const;

    int m_root;
    Options m_options;
    // The last parent folder opened, kept for the next entry: archives
    // list the files of one folder together.
    QStringList m_cachedParts;
    int m_cachedFd = -1;
    QHash<QString, QStringList> m_files;  // entry path -> where it was written
    QList<QPair<QStringList, QString>> m_links;
    QList<QPair<QStringList, time_t>> m_folderTimes;
    QStringList m_newFolders;
};

}  // namespace sw
