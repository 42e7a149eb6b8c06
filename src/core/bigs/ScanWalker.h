#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

#include <sys/stat.h>

class QLoggingCategory;

namespace sw {

class TitlePoster;

// One entry that the walk hands to its visitor: a regular file or a package
// that passed the filters. Valid only during the visitor's call.
struct ScanEntry
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
    qint64 sizeOfFile(const QLoggingCategory &category) const;
};

// The walk both finders share: every folder below a root, each folder's
// entries in name order, sub-folders entered where they are met (a folder,
// then its contents). Symbolic links are never followed (the root itself
// may be one), a folder that matches an exclusion pattern is not entered,
// packages are handed over whole and not entered, and ".DS_Store" directly
// in the root is skipped. Entries whose lower-cased extension is excluded
// are not handed over (an excluded folder name is still entered). An entry
// whose name is not valid in the file-name encoding (UTF-8) is passed over,
// folder and all: no path string could name it.
//
// Built on openat/fdopendir/fstatat: one fstatat per file, nothing allocated
// per entry but its name. A folder on the current branch (a bind-mount loop)
// is not entered again, and folders deeper than kMaxDepth are left out, which
// bounds the open descriptors.
class ScanWalker
{
public:
    static constexpr int kMaxDepth = 256;
    // Answers false to stop the walk (a cancelled scan).
    using Visitor = std::function<bool(const ScanEntry &)>;

    // title: receives every entry handed over, before the visitor (coalesced).
    ScanWalker(const QStringList &excludeFolders, const QStringList &excludeFiles, TitlePoster *title = nullptr);
    ~ScanWalker();

    // Walks one root; a root that is missing, excluded or no folder gives
    // nothing. false when the visitor stopped the walk.
    bool walk(const QString &root, const Visitor &visit);

    // The extension of a file name as a finder sees it: after the last dot,
    // none for a name that starts with its only dot ("`.profile`").
    static QString extensionOf(const QString &name);

private:
    struct Child;
    struct Level;
    bool isExcludedExtension(const char *name) const;
    void readLevel(Level &level) const;
    bool enter(std::vector<Level> &stack, const std::string &name, const QByteArray &path);
    bool visitChild(std::vector<Level> &stack, const std::string &name, unsigned char type, const Visitor &visit);
    bool deletableIn(Level &level, const struct stat &st) const;

    QStringList m_excludeFolders;
    std::vector<std::string> m_asciiExtensions;  // sorted, lower case
    QStringList m_otherExtensions;               // non-ASCII ones, lower case
    TitlePoster *m_title;
    quint32 m_serial = 0;
};

}  // namespace sw
