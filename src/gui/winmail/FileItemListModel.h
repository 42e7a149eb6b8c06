// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/winmail/ORFileData.h"

#include <QAbstractListModel>

#include <memory>

// The top-level items of an extraction for the icon view: the name without
// its extension under a thumbnail (image files) or the file's icon.
class FileItemListModel : public QAbstractListModel
{
    Q_OBJECT
public:
    explicit FileItemListModel(QObject *parent = nullptr);

    void setFileData(std::shared_ptr<const ORFileData> data);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    void thumbnailReady(const QString &path);

    std::shared_ptr<const ORFileData> m_data;
};
