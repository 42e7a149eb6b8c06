#include "ORExtData.h"

#include "ORUtility.h"

#include <QFileInfo>

ORExtItem ORExtItem::initFromPath(const QString &path, bool isDelete)
{
    ORExtItem item;
    item.itemPath = path;
    item.itemName = QFileInfo(path).completeBaseName();
    item.itemSize = ORUtility::isDirOfPath(path) ? ORUtility::folderSizeAtPath2(path) : ORUtility::fileSizeByPath(path);
    item.isDel = isDelete;
    return item;
}
