// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/foundation/ORJunkData.h"

#include <QStringList>

#include <cstdio>

class JsonWriter;

// What `sweepwright-cli junk` prints of a scan result: the members
// "junkTotalSize" and "junkGroups": [{"groupID", "groupName", "groupSize",
// "groupSelectedSize", "isGroupDelFlag", "groupItems": [{"itemPath",
// "itemSize", "isDel"[, "needsAdmin"]}]}] in this order, or a table for people.
class JunkReport
{
public:
    static void writeJson(JsonWriter &json, const ORJunkData &data);
    static void writeTable(FILE *out, const ORJunkData &data);

    // The items a removal takes, and those it leaves to an administrator.
    static QStringList planned(const ORJunkData &data);
    static QStringList leftToAdmin(const ORJunkData &data);
};
