// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class ORProgressView;

namespace sw {

// The 180 x 180 place where a page shows its busy circle while it works. Each
// start() makes a fresh circle; stop() takes it away.
class BusyCircleSlot : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kSide = 180;

    explicit BusyCircleSlot(QWidget *parent = nullptr);

    void start(const QString &title);
    void stop();
    ORProgressView *circleView() const { return m_circleView; }

private:
    ORProgressView *m_circleView = nullptr;
};

}  // namespace sw
