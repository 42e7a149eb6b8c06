#include "JunkReport.h"

#include "JunkOverlap.h"
#include "ORUtility.h"

namespace {

QByteArray number(qint64 n)
{
    return QByteArray::number(n);
}

QByteArray itemJson(const ORjunkDataItem &item)
{
    return "{\"itemPath\": " + JunkReport::jsonString(item.itemPath) + ", \"itemSize\": " + number(item.itemSize)
           + ", \"isDel\": " + (item.isDel ? "true" : "false") + (item.needsAdmin ? ", \"needsAdmin\": true" : "")
           + '}';
}

QByteArray groupJson(const ORJunkDataGroup &group)
{
    QByteArray out = "    {\"groupID\": " + number(group.groupID) + ", \"groupName\": "
                     + JunkReport::jsonString(group.groupName) + ", \"groupSize\": " + number(group.groupSize)
                     + ", \"groupSelectedSize\": " + number(group.groupSelectedSize)
                     + ", \"isGroupDelFlag\": " + number(group.isGroupDelFlag) + ", \"groupItems\": [";
    for (qsizetype i = 0; i < group.groupItems.size(); ++i)
        out += (i ? ",\n      " : "\n      ") + itemJson(group.groupItems.at(i));
    out += group.groupItems.isEmpty() ? "]}" : "\n    ]}";
    return out;
}

QString markText(const ORJunkDataGroup &group)
{
    if (group.groupItems.isEmpty())
        return QStringLiteral("nothing found");
    switch (group.isGroupDelFlag) {
    case 2: return QStringLiteral("all marked");
    case 1: return QStringLiteral("some marked");
    default: return QStringLiteral("none marked");
    }
}

// The items a removal takes (the plan) or leaves to an administrator.
QStringList itemsWhere(const ORJunkData &data, bool wanted(const ORJunkDataGroup &, const ORjunkDataItem &))
{
    QStringList paths;
    for (const ORJunkDataGroup &group : data.junkGroups)
        for (const ORjunkDataItem &item : group.groupItems)
            if (wanted(group, item))
                paths.append(item.itemPath);
    return paths;
}

bool planned(const ORJunkDataGroup &group, const ORjunkDataItem &item)
{
    return group.isGroupDelFlag != 0 && item.isDel && item.isVisible;
}

bool leftToAdmin(const ORJunkDataGroup &, const ORjunkDataItem &item)
{
    return item.needsAdmin && !item.isDel;
}

}  // namespace

QByteArray JunkReport::jsonString(const QString &text)
{
    QByteArray out = "\"";
    for (const char c : text.toUtf8()) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20)
                out += QByteArray("\\u00") + QByteArray::number(static_cast<unsigned char>(c), 16).rightJustified(2, '0');
            else
                out += c;
        }
    }
    return out + '"';
}

QByteArray JunkReport::json(const ORJunkData &data, const Removal &removal)
{
    QByteArray out = "{\n  \"junkTotalSize\": " + number(data.junkTotalSize) + ",\n  \"junkGroups\": [";
    for (qsizetype i = 0; i < data.junkGroups.size(); ++i)
        out += (i ? ",\n" : "\n") + groupJson(data.junkGroups.at(i));
    out += data.junkGroups.isEmpty() ? "]" : "\n  ]";
    if (removal.consent == clirun::Consent::DryRun)
        out += ",\n  \"plan\": " + clirun::jsonStrings(itemsWhere(data, planned)) + ",\n  \"planSize\": "
               + number(sw::JunkOverlap::selectedSize(data));
    if (removal.report) {
        out += ",\n  \"skipped\": " + clirun::jsonStrings(itemsWhere(data, leftToAdmin));
        out += clirun::reportJson(*removal.report);
    }
    return out + "\n}\n";
}

QString JunkReport::table(const ORJunkData &data, const Removal &removal)
{
    QString out;
    qsizetype items = 0;
    for (const ORJunkDataGroup &group : data.junkGroups) {
        out += QStringLiteral("%1 %2  %3\n")
                   .arg(group.groupName, -32)
                   .arg(ORUtility::sizeFormatWithNumber(group.groupSize), 11)
                   .arg(markText(group));
        for (const ORjunkDataItem &item : group.groupItems) {
            out += QStringLiteral("  [%1] %2  %3%4\n")
                       .arg(item.isDel ? QLatin1Char('x') : QLatin1Char(' '))
                       .arg(ORUtility::sizeFormatWithNumber(item.itemSize), 11)
                       .arg(item.itemPath, item.needsAdmin ? QStringLiteral("  (needs administrator rights)")
                                                           : QString());
        }
        items += group.groupItems.size();
    }
    if (data.junkGroups.isEmpty())
        out += QStringLiteral("No junk category is enabled.\n");
    out += QStringLiteral("Found %1 in %2 items; %3 marked for removal.\n")
               .arg(ORUtility::sizeFormatWithNumber(data.junkTotalSize))
               .arg(items)
               .arg(ORUtility::sizeFormatWithNumber(sw::JunkOverlap::selectedSize(data)));
    if (removal.consent == clirun::Consent::DryRun) {
        for (const QString &path : itemsWhere(data, planned))
            out += QStringLiteral("Would remove: %1\n").arg(path);
        out += QStringLiteral("Nothing was removed (--dry-run).\n");
    }
    if (removal.report) {
        for (const QString &path : itemsWhere(data, leftToAdmin))
            out += QStringLiteral("Skipped, needs administrator rights (use --admin): %1\n").arg(path);
        out += clirun::reportText(*removal.report, QStringLiteral("Removed"), false);
    }
    return out;
}
