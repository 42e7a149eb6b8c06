// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/winmail/ORFileData.h"

#include <QAbstractItemModel>
#include <QHash>

#include <memory>

// The extraction folder as an outline: one root row (the folder) whose
// folders open onto their content. Columns "Name" (with the item's icon),
// "style" ("Directory" or the extension), "Update" (the creation date) and
// "Size"; the identifiers are the headers' ColumnIdRole.
class FileTreeModel : public QAbstractItemModel
{
    Q_OBJECT
public:
    enum Column { NameColumn, StyleColumn, UpdateColumn, SizeColumn, ColumnCount };
    static constexpr int ColumnIdRole = Qt::UserRole + 10;  // a header's identifier

    explicit FileTreeModel(QObject *parent = nullptr);

    void setTreeNode(std::shared_ptr<const ORFileTreeNode> root);

    QModelIndex index(int row, int column, const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    bool hasChildren(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    struct Place
    {
        const ORFileTreeNode *parent = nullptr;
        int row = 0;
    };
    static const ORFileTreeNode *nodeOf(const QModelIndex &index);
    QVariant display(const ORFileItem &item, int column) const;
    void indexPlaces(const ORFileTreeNode &node);

    std::shared_ptr<const ORFileTreeNode> m_root;
    QHash<const ORFileTreeNode *, Place> m_places;  // where each node sits under its parent
};
