// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/login/LoginItems.h"

#include <QIcon>
#include <QWidget>

class QLabel;

// One login item as the page shows it: the application's icon, its name
// (dark when it starts at login, grey when not), "Part of the desktop" for
// the desktop's own, and its description on a second line, shortened to
// the width there is (the whole of it in the tooltip).
class LoginItemRow : public QWidget
{
    Q_OBJECT
public:
    explicit LoginItemRow(QWidget *parent = nullptr);

    void setRow(const sw::LoginItems::Row &row);

    // The icon a row's desktop entry names (a theme name or a file), else
    // the icon of the file the row stands for.
    static QIcon icon(const sw::LoginItems::Row &row);

    QLabel *nameField() const { return m_name; }
    QLabel *descriptionField() const { return m_description; }
    QLabel *desktopBadge() const { return m_badge; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void elideDescription();

    QLabel *m_icon = nullptr;
    QLabel *m_name = nullptr;
    QLabel *m_badge = nullptr;
    QLabel *m_description = nullptr;
    QString m_fullDescription;
};
