// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/shell/BusyCircleSlot.h"

#include "gui/controls/ORProgressView.h"

namespace sw {

BusyCircleSlot::BusyCircleSlot(QWidget *parent) : QWidget(parent)
{
    setFixedSize(kSide, kSide);
}

void BusyCircleSlot::start(const QString &title)
{
    delete m_circleView;
    m_circleView = new ORProgressView(this, true);
    m_circleView->setGeometry(0, 0, kSide, kSide);
    m_circleView->setupWithTitle(title);
    m_circleView->show();
    m_circleView->start();
}

void BusyCircleSlot::stop()
{
    if (!m_circleView)
        return;
    m_circleView->stop();
    m_circleView->deleteLater();
    m_circleView = nullptr;
}

}  // namespace sw
