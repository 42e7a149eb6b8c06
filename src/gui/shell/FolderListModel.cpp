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
    m_references = referenceFolders();
    endResetModel();
}

QStringList FolderListModel::referenceFolders() const
{
    QStringList marked;
    for (const QString &folder : m_folders)
        if (m_references.contains(folder))
            marked.append(folder);
    return marked;
}

void FolderListModel::setReferenceFolders(const QStringList &folders)
{
    m_references = folders;
    m_references = referenceFolders();
    if (!m_folders.isEmpty())
        emit dataChanged(index(0), index(int(m_folders.size()) - 1));
}

void FolderListModel::toggleReference(int row)
{
    if (row < 0 || row >= m_folders.size())
        return;
    const QString &folder = m_folders.at(row);
    if (!m_references.removeOne(folder))
        m_references.append(folder);
    emit dataChanged(index(row), index(row));
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
    const bool reference = m_references.contains(path);
    switch (role) {
    case Qt::DisplayRole:
    case NameRole: {
        const QString name = path.section(QLatin1Char('/'), -1);
        return name.isEmpty() ? path : name;
    }
    case PathRole: return path;
    case Qt::ToolTipRole:
        return reference ? tr("%1\nReference folder: its copies are the originals and are never selected.").arg(path)
                         : path;
    case ExtraTextRole: return reference ? tr("Reference folder") : QString();
    case ReferenceRole: return m_referenceToggles ? QVariant(reference) : QVariant();
    case IconRole: {
        static const QFileIconProvider provider;
        return provider.icon(QFileInfo(path));
    }
    default: return QVariant();
    }
}

}  // namespace sw
