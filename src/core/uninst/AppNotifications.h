// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The uninstaller's notification names.
namespace sw::appnote {
inline const QString kTitle = QStringLiteral("apptitle");   // the application looked at (its bundle path)
inline const QString kShowGroup = QStringLiteral("appget");  // the item list's group
}  // namespace sw::appnote
