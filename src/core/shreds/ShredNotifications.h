// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The shredder's notification name and its setting.
namespace sw::shrednote {
inline const QString kDropped = QStringLiteral("dropshredfiles");  // the drop area's paths, to the choosing page
// Whether files are overwritten before they are unlinked (off unless set).
inline const QString kOverwriteKey = QStringLiteral("shredOverwrite");
}  // namespace sw::shrednote
