// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/shell/RemovalPage.h"

class QPushButton;

// Page 24, the uninstaller's removal page: removes what the result page left
// ticked once the result page starts it, then reports as every removal page does;
// Details lists each item that went (once, however many applications it was
// found for) and what stayed. What went to the Trash can be put back from
// there: "Open Trash" shows it whenever anything went there.
class ORUninstDelViewCter : public sw::RemovalPage
{
    Q_OBJECT
public:
    // Whether the files the user owns go to the Trash rather than for good:
    // the confirmation and the report say so.
    static constexpr bool kOwnItemsToTrash = true;

    explicit ORUninstDelViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent = nullptr);

    QPushButton *openTrashBut() const { return m_openTrashBut; }
    // Opens trash:/// in the desktop's file manager.
    void openTrash();

private:
    QPushButton *m_openTrashBut = nullptr;
};
