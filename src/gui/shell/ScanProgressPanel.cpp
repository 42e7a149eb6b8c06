// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/shell/ScanProgressPanel.h"

#include "core/foundation/ORNotificationCenter.h"
#include "core/foundation/ORUtility.h"
#include "gui/controls/ThemeFollower.h"
#include "gui/shell/BusyCircleSlot.h"
#include "gui/shell/PageStyle.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace sw {

ScanProgressPanel::ScanProgressPanel(QWidget *parent) : QWidget(parent)
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(48, 0, 48, 40);
    column->setSpacing(6);
    column->addStretch(2);
    m_circle = new BusyCircleSlot(this);
    column->addWidget(m_circle, 0, Qt::AlignHCenter);
    column->addSpacing(18);
    m_scanTextField = PageStyle::heading(QString(), this, 18);
    m_scanTextField->setObjectName(QStringLiteral("scanTextField"));
    m_scanTextField->setAlignment(Qt::AlignCenter);
    column->addWidget(m_scanTextField);
    m_infoTextField = PageStyle::muted(QString(), this, 11);
    m_infoTextField->setObjectName(QStringLiteral("infoTextField"));
    m_infoTextField->setAlignment(Qt::AlignCenter);
    column->addWidget(m_infoTextField);
    column->addSpacing(10);
    m_foundTextField = PageStyle::heading(QString(), this, 14);
    m_foundTextField->setObjectName(QStringLiteral("foundTextField"));
    ThemeFollower::style(m_foundTextField, QStringLiteral("color:@accentText;"));
    m_foundTextField->setAlignment(Qt::AlignCenter);
    column->addWidget(m_foundTextField);
    m_scanTitleTextField = PageStyle::muted(QString(), this, 10);
    m_scanTitleTextField->setObjectName(QStringLiteral("scanTitleTextField"));
    m_scanTitleTextField->setAlignment(Qt::AlignCenter);
    m_scanTitleTextField->setWordWrap(false);
    m_scanTitleTextField->setMinimumWidth(1);
    m_scanTitleTextField->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    column->addWidget(m_scanTitleTextField);
    m_countTextField = PageStyle::muted(QString(), this, 10);
    m_countTextField->setObjectName(QStringLiteral("countTextField"));
    m_countTextField->setAlignment(Qt::AlignCenter);
    column->addWidget(m_countTextField);
    column->addSpacing(18);
    m_cancelButton = PageStyle::secondaryButton(tr("Cancel"), this);
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    m_cancelButton->setMinimumWidth(120);
    column->addWidget(m_cancelButton, 0, Qt::AlignHCenter);
    column->addStretch(3);
}

void ScanProgressPanel::resetTexts()
{
    m_scanTextField->setText(tr("Scanning…"));
    m_infoTextField->setText(tr("Nothing is removed until you confirm."));
    m_foundTextField->setText(QString());
    m_scanTitleTextField->setText(QString());
    m_countTextField->setText(QString());
    m_cancelButton->setText(tr("Cancel"));
    m_cancelButton->setEnabled(true);
}

void ScanProgressPanel::startCircle()
{
    m_circle->start(tr("Scanning"));
}

void ScanProgressPanel::stopCircle()
{
    m_circle->stop();
}

ORProgressView *ScanProgressPanel::circleView() const
{
    return m_circle->circleView();
}

void ScanProgressPanel::showPath(const QVariant &path)
{
    if (ORNotificationCenter::isNull(path))
        return;
    const QString shortened = ORUtility::shortenFilePath(path.toString());
    m_scanTitleTextField->setText(
        m_scanTitleTextField->fontMetrics().elidedText(shortened, Qt::ElideMiddle, qMax(200, width() - 120)));
}

void ScanProgressPanel::showItemCount(qint64 items)
{
    m_countTextField->setText(tr("%Ln item(s) looked at", nullptr, int(items)));
}

void ScanProgressPanel::showCancelling()
{
    m_cancelButton->setText(tr("Cancelling…"));
    m_cancelButton->setEnabled(false);
}

void ScanProgressPanel::showFound(const QString &text)
{
    m_foundTextField->setText(text);
}

void ScanProgressPanel::showFoundSize(const QVariant &size)
{
    if (!ORNotificationCenter::isNull(size))
        showFound(tr("Found %1").arg(ORUtility::sizeFormatWithNumber(size.toLongLong())));
}

}  // namespace sw
