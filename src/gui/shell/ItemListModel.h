// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractListModel>
#include <QIcon>
#include <QList>

namespace sw {

// The item list of a result page: the items of one group that the search
// text lets through, in the group's order. GroupItemModel fills in the
// group's type; ResultItemList drives it through this interface.
class ItemListModel : public QAbstractListModel
{
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    // Index into the group's item list of a listed row, -1 if none.
    qsizetype itemIndex(int row) const;
    const QList<qsizetype> &listed() const { return m_listed; }
    // Repaints every row after the selection changed.
    void refresh();
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;

    virtual bool hasGroup() const = 0;
    // Lists the group's items again through a new search text.
    virtual void setSearchText(const QString &text) = 0;
    // The sort pop-up's choice applied to the group's own list; with a search
    // active only the listed items change places among themselves.
    virtual void sortItems(int tag, const QString &searchText) = 0;
    // Flips the mark of a listed item; false when the row or its group cannot be ticked.
    virtual bool toggleItem(int row) = 0;
    virtual QString itemPath(int row) const = 0;
    // Takes a listed item out of its group; false when there is none at row.
    // The caller lists the group again.
    virtual bool dropItem(int row) = 0;

    // The browser images for paths of a browser's own files, else empty.
    static QString iconNameForPath(const QString &path);
    // That image, else the icon of the file's type.
    static QIcon iconForPath(const QString &path);
    // The path with the home folder written as "~".
    static QString displayPath(const QString &path);

protected:
    void setListed(QList<qsizetype> listed);

private:
    QList<qsizetype> m_listed;
};

}  // namespace sw
