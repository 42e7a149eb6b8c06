// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/shell/SegmentedControl.h"

#include "gui/shell/PageStyle.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPushButton>

namespace sw {

SegmentedControl::SegmentedControl(const QStringList &labels, QWidget *parent) : QWidget(parent)
{
    m_group = new QButtonGroup(this);
    m_group->setExclusive(true);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    for (qsizetype i = 0; i < labels.size(); ++i) {
        auto *button = new QPushButton(labels.at(i), this);
        button->setCheckable(true);
        button->setCursor(Qt::PointingHandCursor);
        button->setMinimumHeight(28);
        button->setFocusPolicy(Qt::TabFocus);
        const bool first = i == 0;
        const bool last = i == labels.size() - 1;
        button->setStyleSheet(
            QStringLiteral("QPushButton { background:white; color:%1; border:1px solid #cfd6dd; padding:0 14px;"
                           " border-left-width:%2px; border-top-left-radius:%3px; border-bottom-left-radius:%3px;"
                           " border-top-right-radius:%4px; border-bottom-right-radius:%4px; }"
                           "QPushButton:hover { color:%5; }"
                           "QPushButton:checked { background:%5; border-color:%5; color:white; }"
                           "QPushButton:disabled { color:#c3c9cf; background:#f7f8f9; }")
                .arg(QLatin1String(PageStyle::kText))
                .arg(first ? 1 : 0)
                .arg(first ? 14 : 0)
                .arg(last ? 14 : 0)
                .arg(QLatin1String(PageStyle::kGreen)));
        m_group->addButton(button, int(i));
        row->addWidget(button);
    }
    if (QAbstractButton *first = m_group->button(0))
        first->setChecked(true);
    connect(m_group, &QButtonGroup::idClicked, this, &SegmentedControl::segmentChanged);
}

int SegmentedControl::selectedSegment() const
{
    return m_group->checkedId();
}

void SegmentedControl::setSelectedSegment(int segment)
{
    if (QAbstractButton *button = m_group->button(segment))
        button->setChecked(true);
}

void SegmentedControl::setSegmentEnabled(int segment, bool enabled)
{
    if (QAbstractButton *button = m_group->button(segment))
        button->setEnabled(enabled);
}

bool SegmentedControl::isSegmentEnabled(int segment) const
{
    const QAbstractButton *button = m_group->button(segment);
    return button && button->isEnabled();
}

QAbstractButton *SegmentedControl::button(int segment) const
{
    return m_group->button(segment);
}

int SegmentedControl::count() const
{
    return int(m_group->buttons().size());
}

}  // namespace sw
