// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/shell/FolderListModel.h"

#include "gui/controls/ORCellRoles.h"

#include <QFileIconProvider>
#include <QFileInfo>

namespace sw {

void FolderListModel::setFolders(const QStringList &folders)
{
    beginResetModel();
    m_folders = folders;
    endResetModel();
}

int FolderListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_folders.size());
}

QVariant FolderListModel::data(const QModelIndex &index, int role) const
{
    if (index.row() < 0 || index.row() >= m_folders.size())
        return QVariant();
    const QString &path = m_folders.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case NameRole: {
        const QString name = path.section(QLatin1Char('/'), -1);
        return name.isEmpty() ? path : name;
    }
    case PathRole:
    case Qt::ToolTipRole: return path;
    case IconRole: {
        static const QFileIconProvider provider;
        return provider.icon(QFileInfo(path));
    }
    default: return QVariant();
    }
}

}  // namespace sw
