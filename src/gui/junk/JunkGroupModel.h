#pragma once

#include "ORJunkData.h"

#include <QAbstractListModel>

#include <memory>

namespace sw {

// The category table of the junk result page: one row per group.
class JunkGroupModel : public QAbstractListModel
{
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    void setJunkData(std::shared_ptr<ORJunkData> data);
    std::shared_ptr<ORJunkData> junkData() const { return m_data; }
    ORJunkDataGroup *group(int row) const;
    // Repaints every row after the selection changed.
    void refresh();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;

    static QString iconNameForGroupID(qint64 groupID);

private:
    std::shared_ptr<ORJunkData> m_data;
};

}  // namespace sw
