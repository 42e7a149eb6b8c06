// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The archive tool's notification names.
namespace sw::filenote {
inline const QString kDrop = QStringLiteral("filedrop");          // paths dropped or chosen on the intro page
inline const QString kProgress = QStringLiteral("fileprogress");  // extraction progress, 0 to 1
inline const QString kGet = QStringLiteral("fileget");            // a result is ready for the result page
}  // namespace sw::filenote
