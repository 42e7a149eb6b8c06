// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/DesktopEntry.h"

#include <QList>
#include <QString>

namespace sw {

// The application entries in XDG_DATA_HOME/applications, in name order, with
// the absolute program each one runs.
struct UserDesktopEntry
{
    QString id;       // the file name without .desktop
    QString program;  // absolute and clean; empty when it cannot be told
    DesktopEntry entry;
};

QList<UserDesktopEntry> userDesktopEntries();

}  // namespace sw
