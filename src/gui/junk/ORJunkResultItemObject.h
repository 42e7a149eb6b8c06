#pragma once

#include "ORJunkData.h"

#include <QWidget>

class ORItemTableCellView;
class ORTableView;
class QComboBox;
class QLineEdit;

namespace sw {
class JunkItemModel;
}

// Told when the user ticked or unticked an item of the listed category.
class ORJunkResultItemObjectDelegate
{
public:
    virtual ~ORJunkResultItemObjectDelegate() = default;
    virtual void updateJunkGroupCheckStatus(int groupRow, int itemRow) = 0;
};

// The item list of the junk result page: the items of one category with a
// search field and a sort pop-up. Filled through the "getjunks" notification.
class ORJunkResultItemObject : public QWidget
{
    Q_OBJECT
public:
    explicit ORJunkResultItemObject(QWidget *parent = nullptr);

    // "getjunks": [row as text, ORJunkDataGroup*, page].
    void obtainJunks(const QVariant &object);
    void clickCheckBox(int row);
    void openJunkItemPath(int row);
    void startSearch(const QString &text);
    void sortChanged(int tag);
    void reloadItems();

    ORJunkDataGroup *dataGroup() const;
    QString groupRow() const { return m_groupRow; }
    ORTableView *itemTableView() const { return m_itemTableView; }
    QLineEdit *searchField() const { return m_searchField; }
    QComboBox *sortPopButton() const { return m_sortPopButton; }
    sw::JunkItemModel *model() const { return m_model; }

private:
    ORJunkResultItemObjectDelegate *m_delegate = nullptr;
    QString m_groupRow;
    ORTableView *m_itemTableView = nullptr;
    ORItemTableCellView *m_cellView = nullptr;
    QLineEdit *m_searchField = nullptr;
    QComboBox *m_sortPopButton = nullptr;
    sw::JunkItemModel *m_model = nullptr;
};

Q_DECLARE_METATYPE(ORJunkDataGroup *)
