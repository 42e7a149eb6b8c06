#pragma once

#include "ORDupData.h"

#include <QAbstractListModel>
#include <QList>

namespace sw {

// The copy list: the visible copies of one group, in the group's order. The
// box of a copy that must stay (the one unselected copy) is disabled.
class DupItemModel : public QAbstractListModel
{
    Q_OBJECT
public:
    explicit DupItemModel(QObject *parent = nullptr);

    // nullptr: no group, an empty list.
    void setGroup(ORDupDataGroup *group);
    ORDupDataGroup *group() const { return m_group; }
    // Index into the group's copies of a listed row, -1 if none.
    qsizetype itemIndex(int row) const;
    void refresh();

    // The path with the home folder written as "~".
    static QString displayPath(const QString &path);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    ORDupDataGroup *m_group = nullptr;
    QList<qsizetype> m_listed;
};

}  // namespace sw
