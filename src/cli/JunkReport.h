#pragma once

#include "ORJunkData.h"

#include <QByteArray>
#include <QString>

#include <optional>

// What `sweepwright-cli junk` prints: the scan result (and, after a clean,
// the bytes removed) as one JSON object or as a table for people.
class JunkReport
{
public:
    // {"junkTotalSize", "junkGroups": [{"groupID", "groupName", "groupSize",
    // "groupSelectedSize", "isGroupDelFlag", "groupItems": [{"itemPath",
    // "itemSize", "isDel"}]}], "delSize"}; keys in this order, "delSize" only
    // when given.
    static QByteArray json(const ORJunkData &data, std::optional<qint64> delSize);
    static QString table(const ORJunkData &data, std::optional<qint64> delSize);

    // text as a JSON string literal, quotes included.
    static QByteArray jsonString(const QString &text);
};
