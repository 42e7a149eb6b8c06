#include "JunkOverlap.h"

#include <QDir>
#include <QSet>

namespace sw {

namespace {

template <class Take>
qint64 distinctSize(const ORJunkData &data, Take take)
{
    QList<const ORjunkDataItem *> items;
    QSet<QString> listed;
    for (const ORJunkDataGroup &group : data.junkGroups)
        for (const ORjunkDataItem &item : group.groupItems)
            if (take(group, item)) {
                items.append(&item);
                listed.insert(QDir::cleanPath(item.itemPath));
            }
    qint64 sum = 0;
    QSet<QString> counted;
    for (const ORjunkDataItem *item : std::as_const(items)) {
        const QString path = QDir::cleanPath(item->itemPath);
        if (counted.contains(path))
            continue;
        counted.insert(path);
        bool inside = false;
        for (qsizetype slash = path.lastIndexOf(QLatin1Char('/')); slash > 0 && !inside;
             slash = path.lastIndexOf(QLatin1Char('/'), slash - 1))
            inside = listed.contains(path.left(slash));
        if (!inside)
            sum += item->itemSize;
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
