// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/JunkReport.h"

#include "cli/JsonWriter.h"
#include "cli/WordColumn.h"
#include "core/foundation/ORSelection.h"
#include "core/foundation/ORUtility.h"
#include "core/junk/JunkOverlap.h"

#include <QCoreApplication>

namespace {

// One context for the texts of this file, whichever function shows them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(JunkReport)
};

QString markText(const ORJunkDataGroup &group)
{
    if (group.groupItems.isEmpty())
        return Text::tr("nothing found");
    switch (group.isGroupDelFlag) {
    case 2: return Text::tr("all marked");
    case 1: return Text::tr("some marked");
    default: return Text::tr("none marked");
    }
}

QStringList itemsWhere(const ORJunkData &data, bool wanted(const ORJunkDataGroup &, const ORjunkDataItem &))
{
    QStringList paths;
    for (const ORJunkDataGroup &group : data.junkGroups)
        for (const ORjunkDataItem &item : group.groupItems)
            if (wanted(group, item))
                paths.append(item.itemPath);
    return paths;
}

void writeGroup(JsonWriter &json, const ORJunkDataGroup &group)
{
    json.beginObject(JsonWriter::Layout::Inline);
    json.member("groupID", group.groupID);
    json.member("groupName", group.groupName);
    json.member("groupSize", group.groupSize);
    json.member("groupSelectedSize", group.groupSelectedSize);
    json.member("isGroupDelFlag", group.isGroupDelFlag);
    if (group.olderThanDays > 0)
        json.member("olderThanDays", group.olderThanDays);
    json.key("groupItems").beginArray();
    for (const ORjunkDataItem &item : group.groupItems) {
        json.beginObject(JsonWriter::Layout::Inline);
        json.member("itemPath", item.itemPath);
        if (!item.itemOwner.isEmpty())
            json.member("itemOwner", item.itemOwner);
        json.member("itemSize", item.itemSize);
        json.member("isDel", item.isDel);
        if (item.needsAdmin)
            json.member("needsAdmin", true);
        json.endObject();
    }
    json.endArray();
    json.endObject();
}

}  // namespace

QStringList JunkReport::planned(const ORJunkData &data)
{
    return itemsWhere(data, [](const ORJunkDataGroup &group, const ORjunkDataItem &item) {
        return group.isGroupDelFlag != 0 && item.isDel && item.isVisible;
    });
}

QStringList JunkReport::leftToAdmin(const ORJunkData &data)
{
    return itemsWhere(data, [](const ORJunkDataGroup &, const ORjunkDataItem &item) {
        return item.needsAdmin && !item.isDel;
    });
}

void JunkReport::writeJson(JsonWriter &json, const ORJunkData &data)
{
    json.member("junkTotalSize", data.junkTotalSize);
    json.key("junkGroups").beginArray();
    for (const ORJunkDataGroup &group : data.junkGroups)
        writeGroup(json, group);
    json.endArray();
}

// Each item by whose it is and its name, then its full path.
void JunkReport::writeTable(FILE *out, const ORJunkData &data)
{
    int items = 0;
    for (const ORJunkDataGroup &group : data.junkGroups) {
        QString text = QStringLiteral("%1 %2  %3\n")
                           .arg(WordColumn::padded(group.groupName, 32))
                           .arg(ORUtility::sizeFormatWithNumber(group.groupSize), 8)
                           .arg(markText(group));
        if (group.olderThanDays > 0)
            text.insert(text.size() - 1, QStringLiteral("; ")
                                             + Text::tr("only items older than %n day(s)", nullptr,
                                                        int(group.olderThanDays)));
        for (const ORjunkDataItem &item : group.groupItems)
            text += QStringLiteral("  [%1] %2  %3  %4%5\n")
                        .arg(item.isDel ? QLatin1Char('x') : QLatin1Char(' '))
                        .arg(ORUtility::sizeFormatWithNumber(item.itemSize), 8)
                        .arg(sw::selection::shownName(item), -30)
                        .arg(item.itemPath, item.needsAdmin
                                                ? QStringLiteral("  ") + Text::tr("(needs administrator rights)")
                                                : QString());
        std::fputs(text.toLocal8Bit().constData(), out);
        items += int(group.groupItems.size());
    }
    if (data.junkGroups.isEmpty())
        std::fprintf(out, "%s\n", Text::tr("No junk category is enabled.").toLocal8Bit().constData());
    std::fputs(Text::tr("Found %1 in %n item(s); %2 marked for removal.\n", nullptr, items)
                   .arg(ORUtility::sizeFormatWithNumber(data.junkTotalSize),
                        ORUtility::sizeFormatWithNumber(sw::JunkOverlap::selectedSize(data)))
                   .toLocal8Bit()
                   .constData(),
               out);
}
