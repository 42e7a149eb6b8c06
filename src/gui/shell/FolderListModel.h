// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractListModel>
#include <QStringList>

namespace sw {

// The rows of a scan page's folder list: each folder's name, path and icon,
// and, where the list offers it, whether it is a reference folder (one that
// holds the originals). A folder taken off the list loses its mark.
class FolderListModel : public QAbstractListModel
{
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    const QStringList &folders() const { return m_folders; }
    void setFolders(const QStringList &folders);

    // Rows answer ReferenceRole only once this is on.
    void setReferenceToggles(bool on) { m_referenceToggles = on; }
    // The reference folders, in the list's order.
    QStringList referenceFolders() const;
    // Marks those of folders that are listed.
    void setReferenceFolders(const QStringList &folders);
    void toggleReference(int row);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    QStringList m_folders;
    QStringList m_references;
    bool m_referenceToggles = false;
};

}  // namespace sw
