// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// The images compiled into the program, reached as ":/images/<name>.svg".
namespace sw::resources {

// The application icon: the same name in ":/images" and in the icon theme.
inline constexpr char applicationIconName[] = "org.sweepwright.Sweepwright";

// The names (without ".svg") of every compiled-in image, sorted.
QStringList imageNames();

} // namespace sw::resources
