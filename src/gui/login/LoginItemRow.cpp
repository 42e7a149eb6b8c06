// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/login/LoginItemRow.h"

#include "gui/controls/ThemeFollower.h"
#include "gui/preview/FileIcon.h"
#include "gui/shell/PageStyle.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {
constexpr int kIconSize = 40;
}  // namespace

LoginItemRow::LoginItemRow(QWidget *parent) : QWidget(parent)
{
    auto *line = new QHBoxLayout(this);
    line->setContentsMargins(12, 6, 12, 6);
    line->setSpacing(14);
    m_icon = new QLabel(this);
    m_icon->setObjectName(QStringLiteral("loginIcon"));
    m_icon->setFixedSize(kIconSize, kIconSize);
    line->addWidget(m_icon);

    auto *texts = new QVBoxLayout;
    texts->setSpacing(2);
    auto *top = new QHBoxLayout;
    top->setSpacing(10);
    m_name = new QLabel(this);
    m_name->setObjectName(QStringLiteral("loginName"));
    m_name->setTextInteractionFlags(Qt::NoTextInteraction);
    top->addWidget(m_name);
    m_badge = new QLabel(tr("Part of the desktop"), this);
    m_badge->setObjectName(QStringLiteral("desktopBadge"));
    sw::ThemeFollower::style(m_badge,
                             QStringLiteral("QLabel { background:@badge; color:@text; border-radius:8px;"
                                            " padding:1px 8px; font-size:11px; }"));
    top->addWidget(m_badge);
    top->addStretch(1);
    texts->addLayout(top);
    m_description = sw::PageStyle::muted(QString(), this, 11);
    m_description->setObjectName(QStringLiteral("loginDescription"));
    m_description->setWordWrap(false);
    // A long Comment= must not widen the table: it is shortened instead.
    m_description->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    texts->addWidget(m_description);
    line->addLayout(texts, 1);
}

QIcon LoginItemRow::icon(const sw::LoginItems::Row &row)
{
    const QString name = row.content.value(QStringLiteral("Icon"));
    if (QFileInfo(name).isAbsolute()) {
        const QIcon icon(name);
        if (!icon.availableSizes().isEmpty())
            return icon;
    } else if (!name.isEmpty()) {
        const QIcon icon = QIcon::fromTheme(name);
        if (!icon.isNull())
            return icon;
    }
    return sw::FileIcon::forPath(row.path);
}

void LoginItemRow::setRow(const sw::LoginItems::Row &row)
{
    m_icon->setPixmap(icon(row).pixmap(kIconSize, kIconSize));
    m_name->setText(row.name);
    sw::ThemeFollower::style(m_name, row.on ? QStringLiteral("color:@text; font-size:14px;")
                                            : QStringLiteral("color:@muted; font-size:14px;"));
    m_badge->setVisible(row.partOfDesktop);
    m_fullDescription = row.description;
    m_description->setVisible(!row.description.isEmpty());
    setToolTip(row.description.isEmpty() ? row.path : row.description + QLatin1Char('\n') + row.path);
    elideDescription();
}

void LoginItemRow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    elideDescription();
}

void LoginItemRow::elideDescription()
{
    const int width = m_description->width() > 0 ? m_description->width() : this->width();
    m_description->setText(m_description->fontMetrics().elidedText(m_fullDescription, Qt::ElideRight, width));
}
