// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/login/LoginItems.h"

#include <QDialog>
#include <QList>

class QLineEdit;
class QListWidget;
class QPushButton;

// "Add an application…": the menu's applications that do not start at
// login, with their icons and descriptions, narrowed by what is typed in
// the search field. Add (or a double click) accepts the chosen ones.
class AddLoginItemDialog : public QDialog
{
    Q_OBJECT
public:
    AddLoginItemDialog(const QList<sw::LoginItems::Row> &applications, QWidget *parent = nullptr);

    // The ids of the chosen applications, in list order.
    QStringList chosenIds() const;

    QLineEdit *searchField() const { return m_search; }
    QListWidget *list() const { return m_list; }
    QPushButton *addButton() const { return m_add; }

private:
    void filter(const QString &text);

    QLineEdit *m_search = nullptr;
    QListWidget *m_list = nullptr;
    QPushButton *m_add = nullptr;
};
