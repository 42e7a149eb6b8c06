// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/controls/centered_textfield.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>

namespace {
// Horizontal inset of the text inside the field, as a plain text cell has.
constexpr int kTextInset = 2;
} // namespace

centered_textfield::centered_textfield(QWidget *parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

centered_textfield::centered_textfield(const QString &text, QWidget *parent)
    : centered_textfield(parent)
{
    m_text = text;
}

void centered_textfield::setText(const QString &text)
{
    m_text = text;
    updateGeometry();
    update();
}

void centered_textfield::setAlignment(Qt::Alignment horizontal)
{
    m_alignment = horizontal & Qt::AlignHorizontal_Mask;
    update();
}

void centered_textfield::setSelectable(bool selectable)
{
    m_selectable = selectable;
    setFocusPolicy(selectable ? Qt::ClickFocus : Qt::NoFocus);
}

QRect centered_textfield::titleRectForBounds(const QRect &bounds) const
{
    const QRect plain = bounds.adjusted(kTextInset, 0, -kTextInset, 0);
    const int offset = qMax(0, (plain.height() - fontMetrics().height()) / 2);
    return QRect(plain.left(), plain.top() + offset, plain.width(), plain.height() - offset);
}

QSize centered_textfield::cellSize() const
{
    return QSize(fontMetrics().horizontalAdvance(m_text) + 2 * kTextInset, fontMetrics().height());
}

QSize centered_textfield::sizeHint() const
{
    return cellSize();
}

QSize centered_textfield::minimumSizeHint() const
{
    return QSize(0, cellSize().height());
}

void centered_textfield::drawInterior(QPainter &painter, const QRect &bounds) const
{
    const QRect title = titleRectForBounds(bounds);
    const QString shown = fontMetrics().elidedText(m_text, Qt::ElideRight, title.width());
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.setFont(font());
    painter.drawText(title, int(m_alignment | Qt::AlignTop | Qt::TextSingleLine), shown);
}

void centered_textfield::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawInterior(painter, rect());
}

void centered_textfield::keyPressEvent(QKeyEvent *event)
{
    if (m_selectable && event->matches(QKeySequence::Copy)) {
        QApplication::clipboard()->setText(m_text);
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void centered_textfield::contextMenuEvent(QContextMenuEvent *event)
{
    if (!m_selectable || m_text.isEmpty())
        return QWidget::contextMenuEvent(event);
    QMenu menu(this);
    menu.addAction(tr("Copy"), this, [this] { QApplication::clipboard()->setText(m_text); });
    menu.exec(event->globalPos());
}
