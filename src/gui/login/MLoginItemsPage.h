// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/login/LoginItems.h"
#include "gui/login/AddLoginItemDialog.h"
#include "gui/shell/ORBaseViewCter.h"

#include <QMessageBox>
#include <QPointer>
#include <QSet>

class QAbstractButton;
class QLabel;
class QPushButton;
class QTableWidget;

// The login-items page: what starts when the user logs in, each with its
// description and a switch, the desktop's own parts last and marked so
// (switching one of those off asks first); then "Add an application…",
// which offers the menu's other applications. A switch changes the
// autostart entries at once and then shows what it finds there; every
// appearance reloads the states, so changes made elsewhere show up. A row
// stays on the page while the page lives, so a switch turned off can be
// turned on again.
class MLoginItemsPage : public ORBaseViewCter
{
    Q_OBJECT
public:
    explicit MLoginItemsPage(ORBasedViewCterDelegate *delegate = nullptr, QWidget *parent = nullptr);

    void viewWillAppear() override;

    // (Re)loads the rows and their switches, then the table and the header.
    void getAllApps();
    // The switch that was clicked: its "tag" is the engine's row.
    void selectLoginItem(QAbstractButton *button);
    int countLoginItems() const { return m_items.countLoginItems(); }
    // Opens the chooser of the applications that do not start at login.
    void addApplicationButton();

    QTableWidget *loginTable() const { return m_tbLoginItems; }
    QLabel *header() const { return m_lblHeader; }
    QLabel *headerDesc() const { return m_lblHeaderDesc; }
    QPushButton *addButton() const { return m_addBut; }
    AddLoginItemDialog *chooser() const { return m_chooser; }
    // The question before a part of the desktop is switched off, while open.
    QMessageBox *confirmation() const { return m_confirmation; }

private:
    void reloadTable();
    void makeRowWidgets(int tableRow, int itemRow);
    void showRowState(int itemRow);
    void showHeader();
    void switchRow(int itemRow, bool on);
    void confirmSwitchOff(QAbstractButton *button, int itemRow);
    void addApplications(const QStringList &ids);

    sw::LoginItems m_items;
    QSet<QString> m_kept;  // ids shown once, kept on the page
    QLabel *m_lblHeader = nullptr;
    QLabel *m_lblHeaderDesc = nullptr;
    QTableWidget *m_tbLoginItems = nullptr;
    QPushButton *m_addBut = nullptr;
    QPointer<AddLoginItemDialog> m_chooser;
    QPointer<QMessageBox> m_confirmation;
};
