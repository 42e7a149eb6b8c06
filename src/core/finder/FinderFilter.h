// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/foundation/KeepList.h"
#include "core/fs/FolderWalker.h"
#include "core/platform/LogCategory.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include <sys/stat.h>

class QLoggingCategory;

namespace sw {

class JobControl;
class TitlePoster;

// A stat's modification time in ms since the epoch (UTC), as the finders'
// items carry it.
inline qint64 modTimeMs(const struct stat &st)
{
    return qint64(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000;
}

// One entry that the finders' walk hands to its visitor: a regular file or a
// package that passed the filters. Valid only during the visitor's call.
struct FinderEntry
{
    const QByteArray &folder;  // native path of the folder holding it, no trailing '/'
    const char *name;          // native name
    quint32 folderSerial;      // a new number for every folder read
    const struct stat &st;     // the entry itself (lstat)
    bool isPackage;
    bool deletable;            // the user may remove it from its folder

    QByteArray nativePath() const;
    QString path() const;
    // A regular file's size as the finders count it: 0 when the user may not
    // delete it, which is logged in category ("<path> without delete permission.").
    qint64 sizeOfFile(LogCategory category) const;
};

// The large-file and duplicate finders' view of the walk (FolderWalker): a
// folder that matches an exclusion pattern is not entered, a root that does
// is not walked, packages are handed over whole and not entered, and
// ".DS_Store" directly in the root is skipped. What the keep list keeps is
// neither handed over nor entered, nor a package that holds some of it, nor
// a root that lies in a kept folder. Files whose lower-cased
// extension is excluded are not handed over (a folder with such a name is
// still entered).
//
// Entries come in the order the file system lists them, not sorted: where
// the order shows (a group's members, a listed item), the finder sorts what
// it keeps with FolderWalker::walksBefore().
//
// The job is asked before every entry, so a cancel stops the walk at once;
// its item count grows by every entry handed over.
//
// With more than one worker the walk runs on several threads (see
// FolderWalker) and the visitor is called from all of them at once; the item
// count then grows in steps and the title gets a sample of the paths.
class FinderFilter
{
public:
    using Visitor = std::function<void(const FinderEntry &)>;

    // title: receives every entry handed over, before the visitor (coalesced).
    FinderFilter(const QStringList &excludeFolders, const QStringList &excludeFiles, JobControl &job,
                 TitlePoster *title = nullptr, int workers = 1);

    // Walks one root; false when the job was cancelled meanwhile.
    bool walk(const QString &root, const Visitor &visit);

    // The extension of a file name as a finder sees it: after the last dot,
    // none for a name that starts with its only dot ("`.profile`").
    static QString extensionOf(const QString &name);

private:
    bool isExcludedExtension(const char *name) const;
    FolderWalker::Step filter(const FolderWalker::Entry &entry, const Visitor &visit);
    void count(const FolderWalker::Entry &entry);

    QStringList m_excludeFolders;
    KeepList m_keep;
    std::vector<std::string> m_asciiExtensions;  // sorted, lower case
    QStringList m_otherExtensions;               // non-ASCII ones, lower case
    JobControl &m_job;
    TitlePoster *m_title;
    FolderWalker m_walker;
    // Each thread's entries not yet added to the job.
    struct alignas(64) Tally
    {
        qint64 items = 0;
    };
    std::vector<Tally> m_tallies;
    std::atomic_flag m_titleBusy = ATOMIC_FLAG_INIT;
};

}  // namespace sw
