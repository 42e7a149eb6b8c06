// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/pdf/GhostscriptProgram.h"

#include <QStandardPaths>

namespace sw {

QString GhostscriptProgram::path()
{
    const QString chosen = qEnvironmentVariable("SWEEPWRIGHT_GS");
    return chosen.isEmpty() ? QStandardPaths::findExecutable(QStringLiteral("gs")) : chosen;
}

} // namespace sw
