#pragma once

#include "LoginItems.h"
#include "ORBaseViewCter.h"

class QAbstractButton;
class QLabel;
class QTableWidget;

// The login-items page: the applications and the autostart entries of
// their own, each with a switch that starts it at login or not. A switch
// changes the autostart entries at once and then shows what it finds there;
// every appearance reloads the states, so changes made elsewhere show up.
class MLoginItemsPage : public ORBaseViewCter
{
    Q_OBJECT
public:
    explicit MLoginItemsPage(ORBasedViewCterDelegate *delegate = nullptr, QWidget *parent = nullptr);

    void viewWillAppear() override;

    // (Re)loads the rows and their switches, then the table and the header.
    void getAllApps();
    // The switch that was clicked: its "tag" is the row.
    void selectLoginItem(QAbstractButton *button);
    int countLoginItems() const { return m_items.countLoginItems(); }

    QTableWidget *loginTable() const { return m_tbLoginItems; }
    QLabel *header() const { return m_lblHeader; }
    QLabel *headerDesc() const { return m_lblHeaderDesc; }

private:
    void reloadTable();
    void makeRowWidgets(int row);
    void showRowState(int row);
    void showHeader();

    sw::LoginItems m_items;
    QLabel *m_lblHeader = nullptr;
    QLabel *m_lblHeaderDesc = nullptr;
    QTableWidget *m_tbLoginItems = nullptr;
};
