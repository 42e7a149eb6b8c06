// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/junk/JunkOverlap.h"

#include <QDir>
#include <QSet>

#include <utility>

namespace sw {

namespace {

// Whether a folder holding path is among the listed paths.
bool insideListed(const QString &path, const QSet<QString> &listed)
{
    for (qsizetype slash = path.lastIndexOf(QLatin1Char('/')); slash > 0;
         slash = path.lastIndexOf(QLatin1Char('/'), slash - 1))
        if (listed.contains(path.left(slash)))
            return true;
    return false;
}

template <class Take>
qint64 distinctSize(const ORJunkData &data, Take take)
{
    QList<std::pair<QString, qint64>> items;  // clean path, size
    QSet<QString> listed;
    for (const ORJunkDataGroup &group : data.junkGroups)
        for (const ORjunkDataItem &item : group.groupItems)
            if (take(group, item)) {
                QString path = QDir::cleanPath(item.itemPath);
                listed.insert(path);
                items.append({std::move(path), item.itemSize});
            }
    qint64 sum = 0;
    QSet<QString> counted;
    for (const auto &[path, size] : std::as_const(items)) {
        if (counted.contains(path))
            continue;
        counted.insert(path);
        if (!insideListed(path, listed))
            sum += size;
    }
    return sum;
}

}  // namespace

qint64 JunkOverlap::totalSize(const ORJunkData &data)
{
    return distinctSize(data, [](const ORJunkDataGroup &, const ORjunkDataItem &) { return true; });
}

qint64 JunkOverlap::selectedSize(const ORJunkData &data)
{
    return distinctSize(data, [](const ORJunkDataGroup &group, const ORjunkDataItem &item) {
        return group.isGroupDelFlag != 0 && item.isDel && item.isVisible;
    });
}

}  // namespace sw
