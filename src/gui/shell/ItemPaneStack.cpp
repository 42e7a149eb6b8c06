// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/shell/ItemPaneStack.h"

#include "gui/controls/ORImage.h"
#include "gui/shell/PageStyle.h"

#include <QLabel>
#include <QVBoxLayout>

namespace sw {

ItemPaneStack::ItemPaneStack(QVBoxLayout *layout, QWidget *list, const QString &emptyText, QWidget *parent)
    : QStackedWidget(parent), m_list(list), m_itemNoView(new QWidget(this))
{
    // The list leaves the layout before it moves here, or the layout would
    // lose track of it.
    delete layout->replaceWidget(list, this);
    m_itemNoView->setObjectName(QStringLiteral("itemNoView"));
    auto *column = new QVBoxLayout(m_itemNoView);
    column->addStretch(1);
    auto *picture = new QLabel(m_itemNoView);
    picture->setPixmap(ORImage::pixmap(QStringLiteral("or_empty"), QSize(96, 96), devicePixelRatioF()));
    picture->setAlignment(Qt::AlignCenter);
    column->addWidget(picture);
    auto *text = PageStyle::muted(emptyText, m_itemNoView, 12);
    text->setAlignment(Qt::AlignCenter);
    column->addWidget(text);
    column->addStretch(2);
    addWidget(list);
    addWidget(m_itemNoView);
}

}  // namespace sw
