// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractListModel>
#include <QStringList>

namespace sw {

// The rows of a scan page's folder list: each folder's name, path and icon.
class FolderListModel : public QAbstractListModel
{
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    const QStringList &folders() const { return m_folders; }
    void setFolders(const QStringList &folders);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    QStringList m_folders;
};

}  // namespace sw
