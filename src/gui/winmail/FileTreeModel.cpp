// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/winmail/FileTreeModel.h"

#include "core/foundation/ORUtility.h"
#include "gui/preview/FileIcon.h"
#include "gui/winmail/FileItemRoles.h"

#include <QFileInfo>

FileTreeModel::FileTreeModel(QObject *parent) : QAbstractItemModel(parent) {}

void FileTreeModel::setTreeNode(std::shared_ptr<const ORFileTreeNode> root)
{
    beginResetModel();
    m_root = std::move(root);
    m_places.clear();
    if (m_root)
        indexPlaces(*m_root);
    endResetModel();
}

void FileTreeModel::indexPlaces(const ORFileTreeNode &node)
{
    for (int row = 0; row < node.childNodes.size(); ++row) {
        const ORFileTreeNode &child = node.childNodes.at(row);
        m_places.insert(&child, Place{&node, row});
        indexPlaces(child);
    }
}

const ORFileTreeNode *FileTreeModel::nodeOf(const QModelIndex &index)
{
    return static_cast<const ORFileTreeNode *>(index.internalPointer());
}

QModelIndex FileTreeModel::index(int row, int column, const QModelIndex &parent) const
{
    if (!m_root || row < 0 || column < 0 || column >= ColumnCount)
        return {};
    if (!parent.isValid())
        return row == 0 ? createIndex(row, column, m_root.get()) : QModelIndex();
    const ORFileTreeNode *node = nodeOf(parent);
    if (row >= node->childNodes.size())
        return {};
    return createIndex(row, column, &node->childNodes.at(row));
}

QModelIndex FileTreeModel::parent(const QModelIndex &child) const
{
    if (!child.isValid())
        return {};
    const auto place = m_places.constFind(nodeOf(child));
    if (place == m_places.cend())
        return {};  // the root
    const ORFileTreeNode *parent = place->parent;
    const auto above = m_places.constFind(parent);
    return createIndex(above == m_places.cend() ? 0 : above->row, 0, parent);
}

int FileTreeModel::rowCount(const QModelIndex &parent) const
{
    if (!m_root)
        return 0;
    if (!parent.isValid())
        return 1;
    return parent.column() == 0 ? int(nodeOf(parent)->childNodes.size()) : 0;
}

int FileTreeModel::columnCount(const QModelIndex &) const
{
    return ColumnCount;
}

bool FileTreeModel::hasChildren(const QModelIndex &parent) const
{
    if (!parent.isValid())
        return bool(m_root);
    return parent.column() == 0 && nodeOf(parent)->representedObject.isDirectory
           && !nodeOf(parent)->childNodes.isEmpty();
}

QVariant FileTreeModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const ORFileItem &item = nodeOf(index)->representedObject;
    switch (role) {
    case Qt::DisplayRole:
        return display(item, index.column());
    case Qt::DecorationRole:
        return index.column() == NameColumn ? QVariant(sw::FileIcon::forPath(item.filePath)) : QVariant();
    case Qt::TextAlignmentRole:
        return index.column() == SizeColumn ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    case Qt::ToolTipRole:
        return index.column() == NameColumn ? QVariant(item.filePath) : QVariant();
    case sw::FileItemRole::Path:
        return item.filePath;
    case sw::FileItemRole::IsDirectory:
        return item.isDirectory;
    default:
        return {};
    }
}

QVariant FileTreeModel::display(const ORFileItem &item, int column) const
{
    switch (column) {
    case NameColumn:
        return QFileInfo(item.filePath).fileName();
    case StyleColumn:
        return item.isDirectory ? tr("Directory") : QFileInfo(item.filePath).suffix();
    case UpdateColumn:
        return ORUtility::stringShortFromDate(item.fileCreateAt);
    case SizeColumn:
        return ORUtility::sizeFormatWithNumber(item.fileSize);
    default:
        return {};
    }
}

QVariant FileTreeModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const char *const ids[ColumnCount] = {"Name", "style", "Update", "Size"};
    static const char *const titles[ColumnCount] = {QT_TR_NOOP("Name"), QT_TR_NOOP("Kind"), QT_TR_NOOP("Created"),
                                                     QT_TR_NOOP("Size")};
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return {};
    if (role == ColumnIdRole)
        return QString::fromLatin1(ids[section]);
    if (role == Qt::DisplayRole)
        return tr(titles[section]);
    if (role == Qt::TextAlignmentRole && section == SizeColumn)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}
