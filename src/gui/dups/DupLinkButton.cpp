// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dups/DupLinkButton.h"

#include "gui/controls/ORImage.h"
#include "gui/controls/ThemeColors.h"
#include "gui/controls/ThemeFollower.h"

#include <QEvent>
#include <QIcon>
#include <QMenu>
#include <QPixmap>
#include <QPoint>
#include <QPushButton>

namespace sw {

DupLinkButton::DupLinkButton(QPushButton *follows, std::function<LinkKind()> defaultKind, QWidget *parent)
    : QObject(parent)
    , m_follows(follows)
    , m_button(new QPushButton(parent))
    , m_defaultKind(std::move(defaultKind))
    , m_menu(new QMenu(m_button))
{
    // A glyph only: the bar beside it has no room for another word in every language.
    m_button->setObjectName(QStringLiteral("linkBut"));
    m_button->setAccessibleName(tr("Replace with Links"));
    m_button->setAccessibleDescription(tr("Each selected copy becomes a link to the copy its group keeps"));
    m_button->setToolTip(tr("Replace with Links: each selected copy becomes a link to the copy its group keeps"));
    QPushButton *button = m_button;
    button->setCursor(Qt::PointingHandCursor);
    button->setFixedSize(44, 34);
    // The outlined look of the pages' buttons, round, without the menu's arrow.
    ThemeFollower::style(button, QStringLiteral("QPushButton { background:@card; border:1px solid @controlBorder;"
                                                " border-radius:17px; padding:0; }"
                                                "QPushButton:hover { border-color:@accent; }"
                                                "QPushButton:focus { border:2px solid @accentFocus; outline:none; }"
                                                "QPushButton::menu-indicator { image:none; width:0; }"));
    ThemeFollower::follow(button, [button] {
        const QImage glyph = ORImage::tinted(QStringLiteral("or_link"), QSize(18, 18),
                                             ThemeColors::of(ThemeColors::Glyph), button->devicePixelRatioF());
        button->setIcon(QIcon(QPixmap::fromImage(glyph)));
        button->setIconSize(QSize(18, 18));
    });
    m_menu->setAccessibleName(tr("Kind of link"));
    m_button->setMenu(m_menu);
    connect(m_menu, &QMenu::aboutToShow, this, &DupLinkButton::fillMenu);
    m_button->setEnabled(m_follows->isEnabled());
    m_follows->installEventFilter(this);
    m_menu->installEventFilter(this);
}

QString DupLinkButton::kindTitle(LinkKind kind)
{
    switch (kind) {
    case LinkKind::Hard: return tr("Hard Links");
    case LinkKind::Reflink: return tr("Reflinks");
    case LinkKind::Symbolic: return tr("Symbolic Links");
    }
    return QString();
}

QString DupLinkButton::kindLine(LinkKind kind)
{
    switch (kind) {
    case LinkKind::Hard:
        return tr("Hard links: each copy's name leads to the kept file; copies on another file system stay.");
    case LinkKind::Reflink:
        return tr("Reflinks: each copy stays a file of its own that shares the kept file's data, where the file "
                  "system can.");
    case LinkKind::Symbolic:
        return tr("Symbolic links: each copy becomes a link to the kept file's path.");
    }
    return QString();
}

bool DupLinkButton::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_follows && event->type() == QEvent::EnabledChange)
        m_button->setEnabled(m_follows->isEnabled());
    // The button ends the bar: its menu opens leftwards, inside the window.
    if (watched == m_menu && event->type() == QEvent::Show)
        m_menu->move(m_button->mapToGlobal(QPoint(m_button->width() - m_menu->width(), m_button->height())));
    return QObject::eventFilter(watched, event);
}

void DupLinkButton::fillMenu()
{
    m_menu->clear();
    const LinkKind first = m_defaultKind();
    QList<LinkKind> kinds{first};
    for (LinkKind kind : {LinkKind::Hard, LinkKind::Reflink, LinkKind::Symbolic})
        if (kind != first)
            kinds.append(kind);
    for (LinkKind kind : kinds) {
        QAction *action = m_menu->addAction(kindTitle(kind), this, [this, kind] { emit kindChosen(kind); });
        if (kind == first)
            m_menu->setDefaultAction(action);
    }
}

}  // namespace sw
