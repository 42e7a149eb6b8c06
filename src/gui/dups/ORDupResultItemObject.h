#pragma once

#include "ORDupData.h"

#include <QWidget>

class ORItemTableCellView;
class ORTableView;
class QLabel;

namespace sw {
class DupItemModel;
}

// Told when the user ticked or unticked a copy of the listed group.
class ORDupResultItemObjectDelegate
{
public:
    virtual ~ORDupResultItemObjectDelegate() = default;
    virtual void updateDupGroupCheckStatus(int groupRow, int itemRow) = 0;
};

// The copy list of the duplicate result page: the copies of one group, each
// with its check box, a reveal and a preview button. Filled through "dupget"
// and emptied through "nodup". One copy of every group always stays
// unselected: the box that would select the last one is disabled.
class ORDupResultItemObject : public QWidget
{
    Q_OBJECT
public:
    explicit ORDupResultItemObject(QWidget *parent = nullptr);

    // "dupget": [group row as text, ORDupDataGroup*, page].
    void obtainDups(const QVariant &object);
    // "nodup": forgets the group.
    void reflashView();
    void clickCheckBox(int row);
    void openDupItemPath(int row);
    // Opens the preview of the copy, or closes it when it shows that copy.
    void previewButton(int row);
    void reloadItems();

    ORDupDataGroup *dataGroup() const;
    QString groupRow() const { return m_groupRow; }
    QString or_itemPath() const { return m_itemPath; }
    ORTableView *itemTableView() const { return m_itemTableView; }
    sw::DupItemModel *model() const { return m_model; }

private:
    void showCaption();

    ORDupResultItemObjectDelegate *m_delegate = nullptr;
    QString m_groupRow;
    QString m_itemPath;
    QLabel *m_caption = nullptr;
    QLabel *m_info = nullptr;
    ORTableView *m_itemTableView = nullptr;
    ORItemTableCellView *m_cellView = nullptr;
    sw::DupItemModel *m_model = nullptr;
};

Q_DECLARE_METATYPE(ORDupDataGroup *)
