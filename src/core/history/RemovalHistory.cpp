// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/history/RemovalHistory.h"

#include "core/history/HistoryFile.h"
#include "core/history/HistoryRecord.h"
#include "core/platform/LogCategory.h"

Q_LOGGING_CATEGORY(lcHistory, "sweepwright.history", sw::logThreshold(QtInfoMsg))

namespace sw {

void RemovalHistory::record(const RemovalWording &wording, const RemovalReport &report)
{
    if (report.outcomes().isEmpty())
        return;
    if (const QString error = HistoryFile::standard().append(HistoryRecord::ofRemoval(wording, report));
        !error.isEmpty())
        qCWarning(lcHistory).noquote() << QStringLiteral("Fail to record the removal, error=%1").arg(error);
}

}  // namespace sw
