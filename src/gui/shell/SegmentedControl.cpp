// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/shell/SegmentedControl.h"

#include "gui/controls/ThemeFollower.h"

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
        ThemeFollower::style(
            button,
            QStringLiteral(
                "QPushButton { background:@card; color:@text; border:1px solid @controlBorder; padding:0 "
                "14px;"
                " border-left-width:%1px; border-top-left-radius:%2px; border-bottom-left-radius:%2px;"
                " border-top-right-radius:%3px; border-bottom-right-radius:%3px; }"
                "QPushButton:hover { color:@accent; }"
                "QPushButton:checked { background:@accent; border-color:@accent; color:@onAccent; }"
                "QPushButton:disabled { color:@disabledText; background:@field; }")
                .arg(first ? 1 : 0)
                .arg(first ? 14 : 0)
                .arg(last ? 14 : 0));
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
