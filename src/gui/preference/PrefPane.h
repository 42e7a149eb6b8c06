// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QString>
#include <QWidget>

// One pane of the preferences window: its identifier (also its toolbar
// item's), the toolbar image and label, and the calls the window makes
// around showing it. The settings panes write each change at once, so they
// have no editing to end and always let the window change pane or close.
class PrefPane : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;

    virtual QString identifier() const = 0;
    virtual QIcon toolbarItemImage() const = 0;
    virtual QString toolbarItemLabel() const = 0;

    virtual bool commitEditing() { return true; }
    virtual void viewWillAppear() {}
    virtual void viewDidDisappear() {}
};
