// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/foundation/RemovalWording.h"

#include <QMessageBox>

#include <functional>

class QPushButton;

namespace sw {

// The sheet a tool shows before a removal. Its title asks the tool's
// question ("Delete junk files?"), its text says what becomes of the items,
// and its action button names the action and its size ("Delete 27 items
// (385 MB)"). Cancel is the default and the Escape button, so Enter never
// removes anything. Window-modal, so the rest of the window waits while it is
// open. The words come from RemovalWording, one table for every tool.
class ConfirmSheet : public QMessageBox
{
    Q_OBJECT
public:
    struct Removal
    {
        RemovalWording::Action action = RemovalWording::Action::DeleteJunk;
        int count = 0;  // items; applications for the uninstaller
        qint64 bytes = 0;
        bool toTrash = false;
    };

    // onConfirm runs after the action button; onCancel (if any) after Cancel,
    // Escape or Enter.
    ConfirmSheet(QWidget *window, const Removal &removal, std::function<void()> onConfirm,
                 std::function<void()> onCancel = {});

    // New figures for a sheet shown again (the selection changed meanwhile).
    void setRemoval(const Removal &removal);
    QPushButton *actionButton() const { return m_actionButton; }
    QPushButton *cancelButton() const { return m_cancelButton; }

private:
    QPushButton *m_actionButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
};

}  // namespace sw
