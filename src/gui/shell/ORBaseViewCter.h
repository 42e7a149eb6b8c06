// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/shell/PageNumber.h"

#include <QWidget>

class ORBasedViewCterDelegate;
class QLineEdit;

// Base of every feature page. The main window creates each page once, when
// it is first needed, and keeps it for its whole life, so a page keeps its
// state between visits; viewWillAppear()/viewDidAppear() refresh it each time
// it is shown.
class ORBaseViewCter : public QWidget
{
    Q_OBJECT
public:
    explicit ORBaseViewCter(ORBasedViewCterDelegate *delegate = nullptr, QWidget *parent = nullptr);

    ORBasedViewCterDelegate *delegate() const { return m_delegate; }
    void setDelegate(ORBasedViewCterDelegate *delegate) { m_delegate = delegate; }

    // Shows the page idle or busy.
    virtual void or_Status(sw::PageStatus status);
    virtual void viewWillAppear() {}
    virtual void viewDidAppear() {}
    // The search field Find (Ctrl+F) goes to, when the page shows one.
    virtual QLineEdit *findField() const { return nullptr; }

protected:
    void next(qint64 page);
    void butEnable(bool enable);

private:
    ORBasedViewCterDelegate *m_delegate = nullptr;
};
