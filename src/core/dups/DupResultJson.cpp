// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dups/DupResultJson.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimeZone>

namespace sw {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(DupResultJson)
};

// An absolute path with no ".", ".." or empty component: the only paths a
// saved result may name, so no entry reaches outside what it spells out.
bool isCleanAbsolute(const QString &path)
{
    return path.startsWith(QLatin1Char('/')) && QDir::cleanPath(path) == path && !path.contains(QChar(0))
           && path.size() > 1;
}

std::optional<ORDupDataItem> readItem(const QJsonValue &value, QString *why)
{
    const QJsonObject object = value.toObject();
    const QString path = object.value(QLatin1String("itemPath")).toString();
    const QJsonValue size = object.value(QLatin1String("itemSize"));
    if (!isCleanAbsolute(path)) {
        *why = Text::tr("%1: not an absolute path without \".\" or \"..\"").arg(path);
        return std::nullopt;
    }
    if (!size.isDouble() || size.toDouble() < 0 || size.toDouble() != double(size.toInteger())) {
        *why = Text::tr("%1: no size").arg(path);
        return std::nullopt;
    }
    ORDupDataItem item;
    item.itemPath = path;
    item.itemName = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    item.itemSize = size.toInteger();
    const QDateTime time = QDateTime::fromString(object.value(QLatin1String("itemModTime")).toString(), Qt::ISODate);
    if (!time.isValid()) {
        *why = Text::tr("%1: no modification time").arg(path);
        return std::nullopt;
    }
    item.itemModTime = time.toMSecsSinceEpoch();
    return item;
}

}  // namespace

QString DupResultJson::isoTime(qint64 msSinceEpoch)
{
    return QDateTime::fromMSecsSinceEpoch(msSinceEpoch, QTimeZone::utc())
        .toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss'Z'"));
}

QByteArray DupResultJson::write(const ORDupData &data)
{
    QJsonArray groups;
    for (const ORDupDataGroup &group : data.dupGroups) {
        QJsonArray items;
        for (const ORDupDataItem &item : group.groupItems)
            items.append(QJsonObject{{QStringLiteral("itemPath"), item.itemPath},
                                     {QStringLiteral("itemSize"), item.itemSize},
                                     {QStringLiteral("itemModTime"), isoTime(item.itemModTime)}});
        groups.append(QJsonObject{{QStringLiteral("groupName"), group.groupName},
                                  {QStringLiteral("groupType"), group.groupType},
                                  {QStringLiteral("groupSize"), group.groupSize},
                                  {QStringLiteral("groupItems"), items}});
    }
    const QJsonObject top{{QStringLiteral("dupGroups"), groups}, {QStringLiteral("dupTotalSize"), data.dupTotalSize}};
    return QJsonDocument(top).toJson(QJsonDocument::Indented);
}

QString DupResultJson::tooLarge()
{
    return Text::tr("The file is too large to be a saved result.");
}

std::optional<DupResultJson::Read> DupResultJson::read(const QByteArray &json, QString *error)
{
    if (json.size() > kMaxBytes) {
        *error = tooLarge();
        return std::nullopt;
    }
    QJsonParseError parse;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parse);
    if (parse.error != QJsonParseError::NoError) {
        *error = Text::tr("The file is not valid JSON (%1 at byte %2).").arg(parse.errorString()).arg(parse.offset);
        return std::nullopt;
    }
    const QJsonValue groups = document.object().value(QLatin1String("dupGroups"));
    if (!document.isObject() || !groups.isArray()) {
        *error = Text::tr("The file holds no list of duplicates.");
        return std::nullopt;
    }
    Read read;
    for (const QJsonValue &groupValue : groups.toArray()) {
        ORDupDataGroup group;
        for (const QJsonValue &itemValue : groupValue.toObject().value(QLatin1String("groupItems")).toArray()) {
            QString why;
            if (const auto item = readItem(itemValue, &why))
                group.groupItems.append(*item);
            else
                read.skipped.append(why);
        }
        read.data.dupGroups.append(std::move(group));
    }
    return read;
}

}  // namespace sw
