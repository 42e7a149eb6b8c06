#include "ORJunkResultItemObject.h"

#include "JunkItemModel.h"
#include "ORImage.h"
#include "ORItemTableCellView.h"
#include "ORNotificationCenter.h"
#include "ORSelection.h"
#include "ORTableView.h"
#include "RevealInFileManager.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

using namespace sw;

ORJunkResultItemObject::ORJunkResultItemObject(QWidget *parent) : QWidget(parent)
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(8);
    auto *tools = new QHBoxLayout;
    m_searchField = new QLineEdit(this);
    m_searchField->setObjectName(QStringLiteral("searchField"));
    m_searchField->setPlaceholderText(tr("Search"));
    m_searchField->setClearButtonEnabled(true);
    m_searchField->addAction(ORImage::icon(QStringLiteral("or_search")), QLineEdit::LeadingPosition);
    m_searchField->setStyleSheet(QStringLiteral("QLineEdit { border:1px solid #d6dce2; border-radius:14px;"
                                                " padding:4px 8px; background:#f7f9fa; }"));
    connect(m_searchField, &QLineEdit::textChanged, this, &ORJunkResultItemObject::startSearch);
    m_sortPopButton = new QComboBox(this);
    m_sortPopButton->setObjectName(QStringLiteral("sortPopButton"));
    m_sortPopButton->addItem(tr("Sort by Size"), 0);
    m_sortPopButton->addItem(tr("Sort by Name"), 1);
    connect(m_sortPopButton, &QComboBox::activated, this,
            [this](int index) { sortChanged(m_sortPopButton->itemData(index).toInt()); });
    tools->addWidget(m_searchField, 1);
    tools->addWidget(m_sortPopButton);
    column->addLayout(tools);

    m_model = new JunkItemModel(this);
    m_itemTableView = new ORTableView(this);
    m_itemTableView->setObjectName(QStringLiteral("itemTableView"));
    m_itemTableView->setSelectionMode(QAbstractItemView::NoSelection);
    m_itemTableView->setModel(m_model);
    m_cellView = new ORItemTableCellView(m_itemTableView);
    m_itemTableView->setItemDelegate(m_cellView);
    m_itemTableView->setUniformRowHeight(ORItemTableCellView::rowHeight);
    connect(m_cellView, &ORItemTableCellView::checkClicked, this,
            [this](const QModelIndex &index) { clickCheckBox(index.row()); });
    connect(m_cellView, &ORItemTableCellView::openClicked, this,
            [this](const QModelIndex &index) { openJunkItemPath(index.row()); });
    column->addWidget(m_itemTableView, 1);

    ORNotificationCenter::defaultCenter().addObserver(this, QStringLiteral("getjunks"),
                                                      [this](const QVariant &v) { obtainJunks(v); });
}

ORJunkDataGroup *ORJunkResultItemObject::dataGroup() const
{
    return m_model->group();
}

void ORJunkResultItemObject::obtainJunks(const QVariant &object)
{
    const QVariantList list = object.toList();
    if (list.size() <= 2)
        return;
    m_groupRow = list.at(0).toString();
    m_delegate = dynamic_cast<ORJunkResultItemObjectDelegate *>(list.at(2).value<QObject *>());
    auto *group = list.at(1).value<ORJunkDataGroup *>();
    {
        const QSignalBlocker block(m_searchField);
        m_searchField->clear();
    }
    m_model->setGroup(group, QString());
    sortChanged(m_sortPopButton->currentData().toInt());
}

void ORJunkResultItemObject::startSearch(const QString &text)
{
    m_model->setGroup(m_model->group(), text);
}

void ORJunkResultItemObject::sortChanged(int tag)
{
    ORJunkDataGroup *group = m_model->group();
    if (!group)
        return;
    if (m_searchField->text().isEmpty()) {
        selection::sortItems(*group, tag);
        m_model->setGroup(group, QString());
        return;
    }
    // With a search active only the listed items are reordered among themselves.
    ORJunkDataGroup listed;
    for (qsizetype i : m_model->listed())
        listed.groupItems.append(group->groupItems.at(i));
    selection::sortItems(listed, tag);
    const QList<qsizetype> positions = m_model->listed();
    for (qsizetype k = 0; k < positions.size(); ++k)
        group->groupItems[positions.at(k)] = listed.groupItems.at(k);
    m_model->setGroup(group, m_searchField->text());
}

void ORJunkResultItemObject::reloadItems()
{
    m_model->refresh();
}

void ORJunkResultItemObject::clickCheckBox(int row)
{
    ORJunkDataGroup *group = m_model->group();
    const qsizetype i = m_model->itemIndex(row);
    if (!group || i < 0 || !selection::isGroupCheckable(*group))
        return;
    selection::setItemMarked(*group, i, !group->groupItems.at(i).isDel);
    m_model->refresh();
    if (m_delegate)
        m_delegate->updateJunkGroupCheckStatus(m_groupRow.toInt(), row);
}

void ORJunkResultItemObject::openJunkItemPath(int row)
{
    const qsizetype i = m_model->itemIndex(row);
    if (m_model->group() && i >= 0)
        RevealInFileManager::reveal(m_model->group()->groupItems.at(i).itemPath);
}
