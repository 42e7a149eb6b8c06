// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/fs/RemovalReport.h"

#include <QString>

// The desktop notification that ends a scheduled cleaning: what went, what
// could not, and what was left because it needs administrator rights (a
// scheduled run never asks for a password). Without a session bus or a
// notification service nothing is shown and nothing waits long.
namespace scheduledrun {

// The notification's body.
QString body(const sw::RemovalReport &report, int skipped);

// Sends it and waits (a few seconds at most) for the service's answer, so
// the program may end right after.
void notify(const sw::RemovalReport &report, int skipped);

}  // namespace scheduledrun
