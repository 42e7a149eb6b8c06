#pragma once

#include "ORDupData.h"

#include <QAbstractListModel>
#include <QList>

namespace sw {

// The group table of the duplicate result page: one row per listed group,
// showing its picture, name without extension, the size of one copy, how
// many of its copies are selected, and its check image.
class DupGroupModel : public QAbstractListModel
{
    Q_OBJECT
public:
    explicit DupGroupModel(QObject *parent = nullptr);

    void setGroups(const QList<ORDupDataGroup *> &groups);
    const QList<ORDupDataGroup *> &groups() const { return m_groups; }
    ORDupDataGroup *group(int row) const;
    int rowOf(const ORDupDataGroup *group) const;
    // Repaints every row after the selection changed.
    void refresh();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;

    static QString displayName(const ORDupDataGroup &group);
    static qint64 copySize(const ORDupDataGroup &group);
    // "selected/copies", e.g. "2/3".
    static QString copiesText(const ORDupDataGroup &group);
    static bool isCheckable(const ORDupDataGroup &group);
    // By the sort pop-up's tag: 0 the size of one copy, largest first; 1 the
    // lower-cased name; 2 the number of copies, most first; others keep the
    // order. Stable.
    static void sortGroups(QList<ORDupDataGroup *> &groups, int tag);

private:
    QList<ORDupDataGroup *> m_groups;
};

}  // namespace sw
