#include "ORExtData.h"

#include "ORUtility.h"

#include <QAbstractFileIconProvider>
#include <QFileInfo>

ORExtItem ORExtItem::initFromPath(const QString &path, bool isDelete)
{
    ORExtItem item;
    item.itemPath = path;
    item.itemName = QFileInfo(path).completeBaseName();
    item.itemSize = ORUtility::isDirOfPath(path) ? ORUtility::folderSizeAtPath2(path) : ORUtility::fileSizeByPath(path);
    static const QAbstractFileIconProvider provider;
    item.itemImage = provider.icon(QFileInfo(path));
    item.isDel = isDelete;
    return item;
}
