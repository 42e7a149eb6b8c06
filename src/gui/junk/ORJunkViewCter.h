// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/shell/ScanPage.h"

class QPushButton;

// Page 1, the junk cleaner's scan page: an introduction with the start
// button, then the busy circle with the path being looked at and the size
// found so far. The scan runs on a worker; the page only shows its progress.
class ORJunkViewCter : public sw::ScanPage
{
    Q_OBJECT
public:
    explicit ORJunkViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent = nullptr);

    void scanButton();
    void slideToField(const QVariant &path);
    void foundJunkSize(const QVariant &size);

    QWidget *briefView() const { return idleView(); }
    QPushButton *startBut() const { return m_startBut; }

private:
    QWidget *buildBrief();

    QPushButton *m_startBut = nullptr;
};
