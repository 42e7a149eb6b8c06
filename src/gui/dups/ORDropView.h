// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dups/DupNotifications.h"
#include "gui/shell/FolderDropView.h"

// The drop area of the duplicate scan page: posts "dropdupfolderfile".
class ORDropView : public sw::FolderDropView
{
    Q_OBJECT
public:
    explicit ORDropView(QWidget *parent = nullptr) : FolderDropView(sw::dupnote::kDropFolders, parent) {}
};
