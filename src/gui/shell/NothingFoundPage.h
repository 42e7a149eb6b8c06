// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/shell/ORBaseViewCter.h"
#include "gui/shell/PageNumber.h"

#include <functional>

class QLabel;
class QPushButton;

namespace sw {

// The base of the nothing-found pages. The sidebar stays usable while it is
// shown; its button forgets the engine's result and returns to the tool's
// scan page.
class NothingFoundPage : public ORBaseViewCter
{
    Q_OBJECT
public:
    struct Tool
    {
        QString title;            // the heading
        QString info;             // the line below it, set each time the page appears
        PageNumber scanPage;
        std::function<void()> startOver;
    };

    NothingFoundPage(ORBasedViewCterDelegate *delegate, QWidget *parent, Tool tool);

    void viewWillAppear() override;
    void viewDidAppear() override;
    void completeButton();

    QLabel *titleTextField() const { return m_titleTextField; }
    QLabel *infoTextField() const { return m_infoTextField; }
    QPushButton *button() const { return m_button; }

private:
    const Tool m_tool;
    QLabel *m_titleTextField = nullptr;
    QLabel *m_infoTextField = nullptr;
    QPushButton *m_button = nullptr;
};

}  // namespace sw
