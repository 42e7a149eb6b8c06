#pragma once

#include "ORJunkData.h"

#include <QAbstractListModel>
#include <QList>

namespace sw {

// The item list of the chosen category: the group's items that the search
// text lets through, in the group's order.
class JunkItemModel : public QAbstractListModel
{
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    // Lists the group's items (nullptr: none) through the given search text.
    void setGroup(ORJunkDataGroup *group, const QString &searchText);
    ORJunkDataGroup *group() const { return m_group; }
    // Index into the group's item list of a listed row, -1 if none.
    qsizetype itemIndex(int row) const;
    const QList<qsizetype> &listed() const { return m_listed; }
    void refresh();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;

    static QString iconNameForPath(const QString &path);

private:
    ORJunkDataGroup *m_group = nullptr;
    QList<qsizetype> m_listed;
};

}  // namespace sw
