// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace sw {

// True when a program of this file name runs other programs rather than
// being an application of its own: a shell, an interpreter, a virtual
// machine or a launcher. Its name says nothing about whose settings a folder
// named after it holds (~/.java, ~/.config/python3), so it is never used to
// find an application's leftovers.
bool isLauncherProgram(const QString &fileName);

}  // namespace sw
