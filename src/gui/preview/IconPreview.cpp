// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/preview/IconPreview.h"

#include "gui/controls/ThemeFollower.h"
#include "gui/preview/FileIcon.h"

#include <QFileInfo>
#include <QLabel>
#include <QVBoxLayout>

namespace sw {

IconPreview::IconPreview(QWidget *parent) : QWidget(parent)
{
    auto *column = new QVBoxLayout(this);
    column->addStretch(1);
    m_icon = new QLabel(this);
    m_icon->setObjectName(QStringLiteral("previewIcon"));
    m_icon->setFixedSize(kIconSide, kIconSide);
    m_icon->setAlignment(Qt::AlignCenter);
    column->addWidget(m_icon, 0, Qt::AlignHCenter);
    m_name = new QLabel(this);
    m_name->setAlignment(Qt::AlignCenter);
    m_name->setWordWrap(true);
    ThemeFollower::style(m_name, QStringLiteral("color:@text; font-weight:600;"));
    column->addWidget(m_name);
    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("previewMessage"));
    m_message->setAlignment(Qt::AlignCenter);
    m_message->setWordWrap(true);
    ThemeFollower::style(m_message, QStringLiteral("color:@muted;"));
    column->addWidget(m_message);
    column->addStretch(1);
}

void IconPreview::setPath(const QString &path, const QString &message)
{
    m_icon->setPixmap(FileIcon::forPath(path).pixmap(QSize(kIconSide, kIconSide), devicePixelRatioF()));
    m_name->setText(QFileInfo(path).fileName());
    m_message->setText(message);
    m_message->setVisible(!message.isEmpty());
}

QString IconPreview::message() const
{
    return m_message->text();
}

}  // namespace sw
