#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace sw::junk {
// The categories' group numbers (4 and 5 are not used).
enum GroupID : qint64 {
    AppJunk = 0,
    Leftovers = 1,
    SysCache = 2,
    SysLog = 3,
    Trash = 6,
    Browser = 7,
    Downloads = 8,
    ITunes = 9,
    Mail = 10,
    IOSUpdates = 12,
    IOSBackups = 13,
    Xcode = 14,
};
}  // namespace sw::junk

// One junk category as the scanner and the pages know it: its group number,
// the switch key that enables it, and its texts (translated when shown).
struct ORJunkCategory
{
    qint64 groupID = 0;
    QString switchKey;
    const char *name = "";
    const char *info = "";
    bool initiallyMarked = true;

    QString groupName() const;
    QString groupInfo() const;

    // The categories of the current layout in scan order; a category without
    // an equivalent in the layout is not offered.
    static QList<ORJunkCategory> categories();
    static std::optional<ORJunkCategory> byID(qint64 groupID);
    // The user folders (XDG keys) a category looks in by design: Downloads
    // for the Downloads category, Music for the iTunes category's
    // applications. Its roots may lie there; no other category's may.
    static QStringList userFoldersOf(qint64 groupID);
    // Trash and Downloads items go whole; the other categories' folders are
    // emptied and kept.
    static bool removesWhole(qint64 groupID);
};
