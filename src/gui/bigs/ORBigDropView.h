// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/bigs/BigNotifications.h"
#include "gui/shell/FolderDropView.h"

// The drop area of the large-file scan page: posts "dropbigfolderfile".
class ORBigDropView : public sw::FolderDropView
{
    Q_OBJECT
public:
    explicit ORBigDropView(QWidget *parent = nullptr)
        : FolderDropView(sw::bignote::kDropFolders, parent)
    {
    }
};
