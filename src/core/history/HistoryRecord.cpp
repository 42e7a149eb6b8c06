// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/history/HistoryRecord.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>

#include <algorithm>
#include <array>

namespace sw {

namespace {

struct FateName
{
    HistoryItem::Fate fate;
    QLatin1StringView name;
};

constexpr std::array kFates{
    FateName{HistoryItem::Fate::Trashed, QLatin1StringView("trash")},
    FateName{HistoryItem::Fate::Deleted, QLatin1StringView("deleted")},
    FateName{HistoryItem::Fate::Linked, QLatin1StringView("linked")},
    FateName{HistoryItem::Fate::Failed, QLatin1StringView("failed")},
    FateName{HistoryItem::Fate::Refused, QLatin1StringView("refused")},
    FateName{HistoryItem::Fate::Restored, QLatin1StringView("restored")},
};

std::optional<HistoryItem::Fate> fateNamed(const QString &name)
{
    const auto it = std::find_if(kFates.begin(), kFates.end(), [&](const FateName &f) { return f.name == name; });
    return it == kFates.end() ? std::nullopt : std::optional(it->fate);
}

HistoryItem itemOf(const RemovalOutcome &outcome, bool linked)
{
    HistoryItem item{outcome.path, outcome.removed, HistoryItem::Fate::Deleted, outcome.trashedPath, {}};
    if (!outcome.ok()) {
        item.fate = outcome.refused ? HistoryItem::Fate::Refused : HistoryItem::Fate::Failed;
        item.size = outcome.size;
        item.reason = outcome.failures.constFirst().reason;
    } else if (!outcome.trashedPath.isEmpty()) {
        item.fate = HistoryItem::Fate::Trashed;
    } else if (linked) {
        item.fate = HistoryItem::Fate::Linked;
    }
    return item;
}

std::optional<HistoryItem> itemFromJson(const QJsonObject &object)
{
    const std::optional<HistoryItem::Fate> fate = fateNamed(object.value(QLatin1String("fate")).toString());
    const QString path = object.value(QLatin1String("path")).toString();
    if (!fate || !path.startsWith(QLatin1Char('/')))
        return std::nullopt;
    return HistoryItem{path, qint64(object.value(QLatin1String("size")).toDouble()), *fate,
                       object.value(QLatin1String("trash")).toString(),
                       object.value(QLatin1String("reason")).toString()};
}

}  // namespace

HistoryRecord HistoryRecord::start(const QString &tool)
{
    HistoryRecord record;
    record.time = QDateTime::currentDateTimeUtc();
    record.id = record.time.toString(QStringLiteral("yyyyMMdd-HHmmss-"))
                + QStringLiteral("%1").arg(QRandomGenerator::global()->bounded(0x10000), 4, 16, QLatin1Char('0'));
    record.tool = tool;
    return record;
}

QLatin1StringView HistoryRecord::fateName(HistoryItem::Fate fate)
{
    return std::find_if(kFates.begin(), kFates.end(), [fate](const FateName &f) { return f.fate == fate; })->name;
}

QString HistoryRecord::toolOf(RemovalWording::Action action)
{
    switch (action) {
    case RemovalWording::Action::DeleteJunk: return QStringLiteral("junk");
    case RemovalWording::Action::DeleteLargeFiles: return QStringLiteral("large");
    case RemovalWording::Action::DeleteDuplicates:
    case RemovalWording::Action::LinkDuplicates:
    case RemovalWording::Action::DeleteEmptyFinds: return QStringLiteral("dups");
    case RemovalWording::Action::Uninstall: return QStringLiteral("apps");
    case RemovalWording::Action::RemoveExtensions: return QStringLiteral("extensions");
    case RemovalWording::Action::Shred: return QStringLiteral("shred");
    }
    return QString();
}

HistoryRecord HistoryRecord::ofRemoval(const RemovalWording &wording, const RemovalReport &report)
{
    HistoryRecord record = start(toolOf(wording.action()));
    const bool linked = wording.action() == RemovalWording::Action::LinkDuplicates;
    // An item that went inside a folder listed before it is that folder's
    // entry, which is what goes back.
    for (const RemovalOutcome &outcome : report.outcomes())
        if (!outcome.withFolder)
            record.items.append(itemOf(outcome, linked));
    return record;
}

QByteArray HistoryRecord::toJson() const
{
    QJsonArray list;
    for (const HistoryItem &item : items) {
        QJsonObject object{{QLatin1String("path"), item.path},
                           {QLatin1String("size"), double(item.size)},
                           {QLatin1String("fate"), QString(fateName(item.fate))}};
        if (!item.trashedPath.isEmpty())
            object.insert(QLatin1String("trash"), item.trashedPath);
        if (!item.reason.isEmpty())
            object.insert(QLatin1String("reason"), item.reason);
        list.append(object);
    }
    QJsonObject object{{QLatin1String("id"), id},
                       {QLatin1String("time"), time.toUTC().toString(Qt::ISODate)},
                       {QLatin1String("tool"), tool},
                       {QLatin1String("items"), list}};
    if (!putBackOf.isEmpty())
        object.insert(QLatin1String("putBackOf"), putBackOf);
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

std::optional<HistoryRecord> HistoryRecord::fromJson(const QByteArray &line)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(line, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject object = document.object();
    HistoryRecord record;
    record.id = object.value(QLatin1String("id")).toString();
    record.time = QDateTime::fromString(object.value(QLatin1String("time")).toString(), Qt::ISODate);
    record.tool = object.value(QLatin1String("tool")).toString();
    record.putBackOf = object.value(QLatin1String("putBackOf")).toString();
    if (record.id.isEmpty() || !record.time.isValid() || record.tool.isEmpty())
        return std::nullopt;
    for (const QJsonValue &value : object.value(QLatin1String("items")).toArray())
        if (const std::optional<HistoryItem> item = itemFromJson(value.toObject()))
            record.items.append(*item);
    return record;
}

qsizetype HistoryRecord::count(HistoryItem::Fate fate) const
{
    return std::count_if(items.cbegin(), items.cend(), [fate](const HistoryItem &i) { return i.fate == fate; });
}

qint64 HistoryRecord::bytes(HistoryItem::Fate fate) const
{
    qint64 sum = 0;
    for (const HistoryItem &item : items)
        if (item.fate == fate)
            sum += item.size;
    return sum;
}

}  // namespace sw
