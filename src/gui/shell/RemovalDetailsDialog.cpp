// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/shell/RemovalDetailsDialog.h"

#include "gui/shell/PageStyle.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include <set>

namespace sw {

namespace {

// Opens a cell as a read-only field: the text can be selected, never changed.
class ReadOnlyCellDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override
    {
        auto *field = qobject_cast<QLineEdit *>(QStyledItemDelegate::createEditor(parent, option, index));
        if (field)
            field->setReadOnly(true);
        return field;
    }
    void setModelData(QWidget *, QAbstractItemModel *, const QModelIndex &) const override {}
};

}  // namespace

RemovalDetailsDialog::RemovalDetailsDialog(const QString &heading, const QList<Row> &rows, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("removalDetailsDialog"));
    setWindowTitle(tr("Details"));
    setWindowModality(Qt::WindowModal);
    resize(760, 400);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(20, 18, 20, 14);
    column->setSpacing(10);
    auto *title = PageStyle::heading(heading, this, 13);
    title->setWordWrap(true);
    column->addWidget(title);

    buildTable();
    fill(rows);
    column->addWidget(m_table, 1);

    // The pages' own button, whose focus ring shows where Tab has got to.
    m_closeBut = PageStyle::primaryButton(tr("Close"), this);
    m_closeBut->setMinimumWidth(110);
    m_closeBut->setDefault(true);
    connect(m_closeBut, &QPushButton::clicked, this, &QDialog::reject);
    column->addWidget(m_closeBut, 0, Qt::AlignRight);
    m_table->setFocus();
}

void RemovalDetailsDialog::buildTable()
{
    m_table = new QTableWidget(0, 2, this);
    m_table->setHorizontalHeaderLabels({tr("Item"), tr("Result")});
    m_table->verticalHeader()->hide();
    QHeaderView *header = m_table->horizontalHeader();
    header->setSectionResizeMode(0, QHeaderView::Interactive);
    header->setStretchLastSection(true);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Paths and reasons wrap rather than elide: the whole of both is the point.
    m_table->setWordWrap(true);
    m_table->setShowGrid(false);
    m_table->setAlternatingRowColors(true);
    connect(header, &QHeaderView::sectionResized, m_table, [this] { m_table->resizeRowsToContents(); });
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    m_table->setItemDelegate(new ReadOnlyCellDelegate(m_table));
    m_table->setTabKeyNavigation(false);  // Tab leaves the table for the button
    auto *copy = new QAction(tr("Copy"), m_table);
    connect(copy, &QAction::triggered, this, &RemovalDetailsDialog::copySelection);
    m_table->addAction(copy);
    m_table->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_table->installEventFilter(this);
}

void RemovalDetailsDialog::fill(const QList<Row> &rows)
{
    m_table->setRowCount(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row) {
        auto *path = new QTableWidgetItem(rows.at(row).path);
        path->setToolTip(rows.at(row).path);
        auto *result = new QTableWidgetItem(rows.at(row).result);
        result->setToolTip(rows.at(row).result);
        m_table->setItem(row, 0, path);
        m_table->setItem(row, 1, result);
    }
    // Short paths leave the room to the results; long ones wrap.
    m_table->resizeColumnToContents(0);
    m_table->setColumnWidth(0, qBound(240, m_table->columnWidth(0) + 16, 460));
    m_table->resizeRowsToContents();
}

// The view copies only its current cell on Ctrl+C; whole rows are wanted.
bool RemovalDetailsDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_table && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->matches(QKeySequence::Copy)) {
        copySelection();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

QString RemovalDetailsDialog::selectedText() const
{
    std::set<int> rows;
    for (const QModelIndex &index : m_table->selectionModel()->selectedIndexes())
        rows.insert(index.row());
    QStringList lines;
    for (int row : rows)
        lines.append(m_table->item(row, 0)->text() + QLatin1Char('\t') + m_table->item(row, 1)->text());
    return lines.join(QLatin1Char('\n'));
}

void RemovalDetailsDialog::copySelection() const
{
    if (const QString text = selectedText(); !text.isEmpty())
        QApplication::clipboard()->setText(text);
}

}  // namespace sw
