// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/fs/FileLink.h"

#include <QObject>

#include <functional>

class QMenu;
class QPushButton;

namespace sw {

// "Replace with Links", a round glyph button for the result page: its menu
// offers the three kinds of link, the one that suits the marked copies
// (defaultKind, asked as the menu opens) first and in bold. It is enabled
// while the button it follows is. The button belongs to parent.
class DupLinkButton : public QObject
{
    Q_OBJECT
public:
    DupLinkButton(QPushButton *follows, std::function<LinkKind()> defaultKind, QWidget *parent);

    QPushButton *button() const { return m_button; }
    QMenu *kindMenu() const { return m_menu; }
    static QString kindTitle(LinkKind kind);
    // One line on what the kind does, for the confirmation.
    static QString kindLine(LinkKind kind);

signals:
    void kindChosen(sw::LinkKind kind);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fillMenu();

    QPushButton *m_follows;
    QPushButton *m_button;
    std::function<LinkKind()> m_defaultKind;
    QMenu *m_menu;
};

}  // namespace sw
