// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/shell/ScanPage.h"

class QLabel;
class QPushButton;

// Page 22, the uninstaller's scan page: an introduction with the start
// button, then the busy circle with the application being looked at, its
// icon and path. With fewer than two applications found there is nothing to
// compare or choose among: the page stays and says so.
class ORUninstViewCter : public sw::ScanPage
{
    Q_OBJECT
public:
    explicit ORUninstViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent = nullptr);

    void or_Status(sw::PageStatus status) override;
    void scanButton();
    void slideToField(const QVariant &path);

    QWidget *briefView() const { return idleView(); }
    QPushButton *startBut() const { return m_startBut; }
    QLabel *appIconView() const { return m_appIconView; }
    QLabel *noteField() const { return m_noteField; }

private:
    QWidget *buildBrief();
    void scanEnded(bool completed);

    QPushButton *m_startBut = nullptr;
    QLabel *m_appIconView = nullptr;
    QLabel *m_noteField = nullptr;
};
