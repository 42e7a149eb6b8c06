// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/shell/NothingFoundPage.h"

#include "gui/controls/ORImage.h"
#include "gui/shell/PageStyle.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace sw {

NothingFoundPage::NothingFoundPage(ORBasedViewCterDelegate *delegate, QWidget *parent, Tool tool)
    : ORBaseViewCter(delegate, parent), m_tool(std::move(tool))
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(48, 40, 48, 48);
    column->addStretch(2);
    auto *picture = new QLabel(this);
    picture->setPixmap(ORImage::pixmap(QStringLiteral("or_empty"), QSize(110, 110), devicePixelRatioF()));
    picture->setAlignment(Qt::AlignCenter);
    column->addWidget(picture);
    m_titleTextField = PageStyle::heading(m_tool.title, this, 18);
    m_titleTextField->setObjectName(QStringLiteral("titleTextField"));
    m_titleTextField->setAlignment(Qt::AlignCenter);
    column->addWidget(m_titleTextField);
    m_infoTextField = PageStyle::muted(QString(), this, 12);
    m_infoTextField->setObjectName(QStringLiteral("infoTextField"));
    m_infoTextField->setAlignment(Qt::AlignCenter);
    column->addWidget(m_infoTextField);
    column->addSpacing(24);
    m_button = PageStyle::primaryButton(tr("&Back"), this);
    m_button->setObjectName(QStringLiteral("completeButton"));
    m_button->setMinimumWidth(140);
    connect(m_button, &QPushButton::clicked, this, &NothingFoundPage::completeButton);
    column->addWidget(m_button, 0, Qt::AlignHCenter);
    column->addStretch(3);
}

void NothingFoundPage::viewWillAppear()
{
    m_infoTextField->setText(m_tool.info);
}

void NothingFoundPage::viewDidAppear()
{
    m_button->setFocus();
}

void NothingFoundPage::completeButton()
{
    m_tool.startOver();
    next(m_tool.scanPage);
}

}  // namespace sw
