// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/login/MLoginItemsPage.h"

#include "gui/controls/ORImage.h"
#include "gui/controls/ThemeFollower.h"
#include "gui/login/AddLoginItemDialog.h"
#include "gui/login/LoginItemRow.h"
#include "gui/shell/PageStyle.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kRowHeight = 60;
const QSize kSwitchSize(52, 32);

QPushButton *switchIn(QTableWidget *table, int tableRow)
{
    QWidget *holder = table->cellWidget(tableRow, 1);
    return holder ? holder->findChild<QPushButton *>(QStringLiteral("loginSwitch")) : nullptr;
}

}  // namespace

MLoginItemsPage::MLoginItemsPage(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : ORBaseViewCter(delegate, parent)
{
    m_lblHeader = sw::PageStyle::heading(QString(), this);
    m_lblHeader->setObjectName(QStringLiteral("m_lblHeader"));
    m_lblHeaderDesc = sw::PageStyle::muted(QString(), this, 13);
    m_lblHeaderDesc->setObjectName(QStringLiteral("m_lblHeaderDesc"));
    m_lblHeaderDesc->setWordWrap(true);

    m_tbLoginItems = new QTableWidget(0, 2, this);
    m_tbLoginItems->setObjectName(QStringLiteral("m_tbLoginItems"));
    m_tbLoginItems->setAccessibleName(tr("Login items"));
    m_tbLoginItems->horizontalHeader()->hide();
    m_tbLoginItems->verticalHeader()->hide();
    m_tbLoginItems->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_tbLoginItems->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Fixed);
    m_tbLoginItems->setColumnWidth(1, kSwitchSize.width() + 40);
    m_tbLoginItems->verticalHeader()->setDefaultSectionSize(kRowHeight);
    m_tbLoginItems->setShowGrid(false);
    m_tbLoginItems->setFrameShape(QFrame::NoFrame);
    m_tbLoginItems->setSelectionMode(QAbstractItemView::NoSelection);
    m_tbLoginItems->setFocusPolicy(Qt::NoFocus);
    m_tbLoginItems->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tbLoginItems->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_tbLoginItems->setAlternatingRowColors(true);
    sw::ThemeFollower::style(m_tbLoginItems, QStringLiteral("QTableWidget { background: @surface;"
                                                            " alternate-background-color: @rowHover; }"));

    m_addBut = sw::PageStyle::secondaryButton(tr("Add an application…"), this);
    m_addBut->setObjectName(QStringLiteral("addBut"));
    connect(m_addBut, &QPushButton::clicked, this, &MLoginItemsPage::addApplicationButton);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(40, 30, 40, 20);
    column->setSpacing(6);
    column->addWidget(m_lblHeader);
    column->addWidget(m_lblHeaderDesc);
    column->addSpacing(14);
    column->addWidget(m_tbLoginItems, 1);
    column->addSpacing(10);
    column->addWidget(m_addBut, 0, Qt::AlignLeft);
}

void MLoginItemsPage::viewWillAppear()
{
    getAllApps();
}

void MLoginItemsPage::getAllApps()
{
    m_items.getAllApps();
    reloadTable();
    showHeader();
}

// The rows in the order of this load; the switches change states, never
// the order, so a row does not move away under the pointer.
void MLoginItemsPage::reloadTable()
{
    const QList<int> shown = m_items.loginOrder(m_kept);
    m_tbLoginItems->clearContents();
    m_tbLoginItems->setRowCount(int(shown.size()));
    for (int tableRow = 0; tableRow < shown.size(); ++tableRow) {
        m_kept.insert(m_items.rows().at(shown.at(tableRow)).id);
        makeRowWidgets(tableRow, shown.at(tableRow));
        showRowState(shown.at(tableRow));
    }
    m_addBut->setEnabled(!m_items.otherApplications(m_kept).isEmpty());
}

void MLoginItemsPage::makeRowWidgets(int tableRow, int itemRow)
{
    auto *cell = new LoginItemRow;
    cell->setProperty("tag", itemRow);
    m_tbLoginItems->setCellWidget(tableRow, 0, cell);

    auto *holder = new QWidget;
    auto *centre = new QHBoxLayout(holder);
    centre->setContentsMargins(0, 0, 0, 0);
    auto *toggle = new QPushButton(holder);
    toggle->setObjectName(QStringLiteral("loginSwitch"));
    toggle->setProperty("tag", itemRow);
    toggle->setCheckable(true);
    toggle->setFlat(true);
    toggle->setFixedSize(kSwitchSize);
    // The switch image is square with the switch across its middle.
    toggle->setIconSize(QSize(kSwitchSize.width(), kSwitchSize.width()));
    toggle->setCursor(Qt::PointingHandCursor);
    toggle->setStyleSheet(QStringLiteral("QPushButton { border: none; background: transparent; }"));
    connect(toggle, &QPushButton::clicked, this, [this, toggle] { selectLoginItem(toggle); });
    centre->addWidget(toggle, 0, Qt::AlignCenter);
    m_tbLoginItems->setCellWidget(tableRow, 1, holder);
}

void MLoginItemsPage::showRowState(int itemRow)
{
    const sw::LoginItems::Row &row = m_items.rows().at(itemRow);
    for (int tableRow = 0; tableRow < m_tbLoginItems->rowCount(); ++tableRow) {
        auto *cell = qobject_cast<LoginItemRow *>(m_tbLoginItems->cellWidget(tableRow, 0));
        if (!cell || cell->property("tag").toInt() != itemRow)
            continue;
        cell->setRow(row);
        if (QPushButton *toggle = switchIn(m_tbLoginItems, tableRow)) {
            toggle->setChecked(row.on);
            toggle->setIcon(ORImage::icon(row.on ? QStringLiteral("toggle_on") : QStringLiteral("toggle_oFF")));
            toggle->setAccessibleName(row.on ? tr("%1: starts at login").arg(row.name)
                                             : tr("%1: does not start at login").arg(row.name));
        }
    }
}

void MLoginItemsPage::selectLoginItem(QAbstractButton *button)
{
    const int itemRow = button->property("tag").toInt();
    if (itemRow < 0 || itemRow >= m_items.rows().size())
        return;
    const sw::LoginItems::Row &row = m_items.rows().at(itemRow);
    if (!button->isChecked() && row.on && row.partOfDesktop) {
        button->setChecked(true);  // until the user says so
        confirmSwitchOff(button, itemRow);
        return;
    }
    switchRow(itemRow, button->isChecked());
}

void MLoginItemsPage::switchRow(int itemRow, bool on)
{
    m_items.selectLoginItem(itemRow, on);
    showRowState(itemRow);
    showHeader();
}

// The desktop starts these for itself (a settings daemon's plugin, the
// screen keyboard): without them something the user relies on may stop.
void MLoginItemsPage::confirmSwitchOff(QAbstractButton *button, int itemRow)
{
    delete m_confirmation;
    const sw::LoginItems::Row &row = m_items.rows().at(itemRow);
    m_confirmation = new QMessageBox(QMessageBox::Question, tr("Switch off “%1”?").arg(row.name),
                                     tr("Switch off “%1”?").arg(row.name), QMessageBox::NoButton, window());
    m_confirmation->setInformativeText(
        tr("It is part of the desktop: the desktop starts it for itself when you log in. Switched off, what it "
           "does stops from the next login until you switch it on again."));
    QPushButton *off = m_confirmation->addButton(tr("Switch Off"), QMessageBox::DestructiveRole);
    QPushButton *cancel = m_confirmation->addButton(QMessageBox::Cancel);
    m_confirmation->setDefaultButton(cancel);
    m_confirmation->setEscapeButton(cancel);
    m_confirmation->setWindowModality(Qt::WindowModal);
    m_confirmation->setAttribute(Qt::WA_DeleteOnClose);
    QPointer<QAbstractButton> toggle(button);
    connect(m_confirmation, &QMessageBox::buttonClicked, this, [this, off, toggle, itemRow](QAbstractButton *clicked) {
        if (clicked != off || !toggle)
            return;
        toggle->setChecked(false);
        switchRow(itemRow, false);
    });
    m_confirmation->open();
}

void MLoginItemsPage::addApplicationButton()
{
    QList<sw::LoginItems::Row> others;
    for (const int row : m_items.otherApplications(m_kept))
        others.append(m_items.rows().at(row));
    delete m_chooser;
    m_chooser = new AddLoginItemDialog(others, window());
    m_chooser->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_chooser, &QDialog::accepted, this, [this, chooser = m_chooser] {
        if (chooser)
            addApplications(chooser->chosenIds());
    });
    m_chooser->open();
}

void MLoginItemsPage::addApplications(const QStringList &ids)
{
    for (const QString &id : ids) {
        const int row = m_items.rowOf(id);
        if (row < 0)
            continue;
        m_items.selectLoginItem(row, true);
        m_kept.insert(id);
    }
    reloadTable();
    showHeader();
}

// Neutral words: starting at login is what the user chose, not a fault.
void MLoginItemsPage::showHeader()
{
    int applications = 0;
    int desktopParts = 0;
    for (const sw::LoginItems::Row &row : m_items.rows())
        if (row.on)
            ++(row.partOfDesktop ? desktopParts : applications);
    m_lblHeader->setText(applications == 0 ? tr("No applications start at login")
                                           : tr("%n application(s) start at login", nullptr, applications));
    if (applications == 0 && desktopParts == 0) {
        m_lblHeaderDesc->setText(tr("Add an application to start it each time you log in."));
        return;
    }
    m_lblHeaderDesc->setText(desktopParts == 0
                                 ? tr("Switching one off keeps it from starting the next time you log in.")
                                 : tr("Switching one off keeps it from starting the next time you log in. "
                                      "%n part(s) of the desktop start too; they are listed last.",
                                      nullptr, desktopParts));
}
