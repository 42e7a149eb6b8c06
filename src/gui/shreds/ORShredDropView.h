// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/shreds/ShredNotifications.h"
#include "gui/shell/FolderDropView.h"

// The shredder's drop area: takes dragged files and folders alike and posts
// them as "dropshredfiles".
class ORShredDropView : public sw::FolderDropView
{
    Q_OBJECT
public:
    explicit ORShredDropView(QWidget *parent = nullptr) : FolderDropView(sw::shrednote::kDropped, parent) {}
};
