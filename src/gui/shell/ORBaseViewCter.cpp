// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/shell/ORBaseViewCter.h"

#include "gui/shell/ORBasedViewCterDelegate.h"

ORBaseViewCter::ORBaseViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : QWidget(parent), m_delegate(delegate)
{
}

void ORBaseViewCter::or_Status(sw::PageStatus)
{
}

void ORBaseViewCter::next(qint64 page)
{
    if (m_delegate)
        m_delegate->next(page);
}

void ORBaseViewCter::butEnable(bool enable)
{
    if (m_delegate)
        m_delegate->butEnable(enable);
}
