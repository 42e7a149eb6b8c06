// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/shell/ResultBottomBar.h"

#include "core/foundation/ORUtility.h"
#include "gui/controls/ThemeFollower.h"
#include "gui/shell/PageStyle.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

namespace sw {

ResultBottomBar::ResultBottomBar(QWidget *page) : QWidget(page)
{
    setObjectName(QStringLiteral("bottomBar"));
    setAttribute(Qt::WA_StyledBackground);
    ThemeFollower::style(this,
                         QStringLiteral("#bottomBar { background:@card; border-top:1px solid @separator; }"));
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(16, 10, 20, 12);
    m_autoSelectButton = PageStyle::secondaryButton(tr("Deselect"), this);
    m_autoSelectButton->setObjectName(QStringLiteral("autoSelectButton"));
    row->addWidget(m_autoSelectButton);
    row->addSpacing(20);
    auto addSize = [&](const QString &caption, QLabel *&number, QLabel *&unit, int points) {
        row->addWidget(PageStyle::muted(caption, this, 11), 0, Qt::AlignBottom);
        number = new QLabel(this);
        unit = new QLabel(this);
        PageStyle::styleSizeLabels(number, unit, points);
        row->addWidget(number, 0, Qt::AlignBottom);
        row->addWidget(unit, 0, Qt::AlignBottom);
        row->addSpacing(16);
    };
    addSize(tr("Selected:"), m_selectedSizeField, m_selectedUnitField, 22);
    addSize(tr("Total:"), m_totalSizeField, m_totalUnitField, 14);
    m_selectedSizeField->setObjectName(QStringLiteral("selectedSizeField"));
    m_selectedUnitField->setObjectName(QStringLiteral("selectedUnitField"));
    row->addStretch(1);
    m_startOverBut = PageStyle::secondaryButton(tr("Start &Over"), this);
    m_startOverBut->setObjectName(QStringLiteral("startOverBut"));
    row->addWidget(m_startOverBut);
    m_delBut = PageStyle::primaryButton(tr("Delete"), this);
    m_delBut->setObjectName(QStringLiteral("delBut"));
    m_delBut->setMinimumWidth(120);
    row->addWidget(m_delBut);

    // Window-wide, so the key works wherever the focus is on the page; the
    // search field keeps Delete for its text, and hidden pages never match.
    auto *deleteKey = new QShortcut(QKeySequence::Delete, page);
    connect(deleteKey, &QShortcut::activated, this, [this] {
        if (m_delBut->isEnabled() && m_delBut->isVisible())
            m_delBut->click();
    });
}

void ResultBottomBar::addBesideAutoSelect(QWidget *widget)
{
    auto *row = static_cast<QHBoxLayout *>(layout());
    row->insertWidget(row->indexOf(m_autoSelectButton) + 1, widget);
}

void ResultBottomBar::showSelectedSize(qint64 size, bool anySelected)
{
    ORUtility::sizeFileFormat(m_selectedSizeField, m_selectedUnitField, ORUtility::sizeFormatWithNumber(size));
    m_delBut->setEnabled(size > 0 || anySelected);
}

void ResultBottomBar::showTotalSize(qint64 size)
{
    ORUtility::sizeFileFormat(m_totalSizeField, m_totalUnitField, ORUtility::sizeFormatWithNumber(size));
}

void ResultBottomBar::setAutoSelectTitle(bool nextClickSelects)
{
    m_autoSelectButton->setText(nextClickSelects ? tr("Select") : tr("Deselect"));
}

bool ResultBottomBar::autoSelectClicked()
{
    const bool select = m_autoSelectButton->text() == tr("Select");
    setAutoSelectTitle(!select);
    m_autoSelectButton->setProperty("tag", select ? 1 : 0);
    return select;
}

}  // namespace sw
