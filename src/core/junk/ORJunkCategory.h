#pragma once

#include <QList>
#include <QString>

#include <optional>

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
};
