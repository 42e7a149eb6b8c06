#pragma once

#include "CliRemoval.h"
#include "ORJunkData.h"
#include "RemovalReport.h"

#include <QByteArray>
#include <QString>

#include <optional>

// What `sweepwright-cli junk` prints: the scan result and, after --clean,
// what went and what did not, as one JSON object or as a table for people.
class JunkReport
{
public:
    // What --clean did: nothing when it was not asked for.
    struct Removal
    {
        std::optional<clirun::Consent> consent;
        std::optional<sw::RemovalReport> report;  // when it ran
    };

    // {"junkTotalSize", "junkGroups": [{"groupID", "groupName", "groupSize",
    // "groupSelectedSize", "isGroupDelFlag", "groupItems": [{"itemPath",
    // "itemSize", "isDel"[, "needsAdmin"]}]}]; after --dry-run "plan" (the
    // paths that would go) and "planSize"; after a removal "skipped" (items
    // left for an administrator) and the members of clirun::reportJson.
    // Keys in this order.
    static QByteArray json(const ORJunkData &data, const Removal &removal);
    static QString table(const ORJunkData &data, const Removal &removal);

    // text as a JSON string literal, quotes included.
    static QByteArray jsonString(const QString &text);
};
