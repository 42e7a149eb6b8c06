// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/winmail/FileItemListModel.h"

#include "gui/preview/FileIcon.h"
#include "gui/preview/Thumbnails.h"
#include "gui/winmail/FileItemRoles.h"

#include <QFileInfo>

FileItemListModel::FileItemListModel(QObject *parent) : QAbstractListModel(parent)
{
    connect(&sw::Thumbnails::instance(), &sw::Thumbnails::ready, this, &FileItemListModel::thumbnailReady);
}

void FileItemListModel::setFileData(std::shared_ptr<const ORFileData> data)
{
    beginResetModel();
    m_data = std::move(data);
    endResetModel();
}

int FileItemListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || !m_data ? 0 : int(m_data->fileGroups.size());
}

QVariant FileItemListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || !m_data)
        return {};
    const ORFileItem &item = m_data->fileGroups.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return item.fileName;
    case Qt::ToolTipRole:
        return QFileInfo(item.filePath).fileName();
    case Qt::DecorationRole:
        return item.isDirectory ? sw::FileIcon::forPath(item.filePath)
                                : sw::Thumbnails::instance().icon(item.filePath);
    case sw::FileItemRole::Path:
        return item.filePath;
    case sw::FileItemRole::IsDirectory:
        return item.isDirectory;
    default:
        return {};
    }
}

void FileItemListModel::thumbnailReady(const QString &path)
{
    if (!m_data)
        return;
    for (int row = 0; row < m_data->fileGroups.size(); ++row)
        if (m_data->fileGroups.at(row).filePath == path) {
            const QModelIndex changed = index(row);
            emit dataChanged(changed, changed, {Qt::DecorationRole});
        }
}
