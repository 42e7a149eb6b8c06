#pragma once

#include <QString>

// The shredder's notification names and its setting.
namespace sw::shrednote {
inline const QString kDropped = QStringLiteral("dropshredfiles");  // the drop area's paths, to the choosing page
inline const QString kStart = QStringLiteral("shredfiles");        // starts the shredding page's run
// Whether files are overwritten before they are unlinked (off unless set).
inline const QString kOverwriteKey = QStringLiteral("shredOverwrite");
}  // namespace sw::shrednote
