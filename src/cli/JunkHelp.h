// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The text of `sweepwright-cli junk --help`: the options, and for every
// category of the current layout what --clean removes there.
QString junkHelp();
