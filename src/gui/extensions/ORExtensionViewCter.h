// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/shell/ScanPage.h"

class QLabel;
class QPushButton;

// Page 29, the extensions scan page: an introduction with the start button,
// then the busy circle with the add-on being looked at and its icon. The
// result page always follows, even when every category came back empty.
class ORExtensionViewCter : public sw::ScanPage
{
    Q_OBJECT
public:
    explicit ORExtensionViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent = nullptr);

    void start();
    void slideToField(const QVariant &path);

    QWidget *briefView() const { return idleView(); }
    QPushButton *startBut() const { return m_startBut; }
    QLabel *itemIconView() const { return m_itemIconView; }

private:
    QWidget *buildBrief();

    QPushButton *m_startBut = nullptr;
    QLabel *m_itemIconView = nullptr;
};
