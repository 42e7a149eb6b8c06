// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ScheduledRunNotice.h"

#include "core/foundation/ORUtility.h"
#include "core/platform/DesktopNotifier.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(ScheduledRunNotice)
};

constexpr int kAnswerMsecs = 5000;

}  // namespace

namespace scheduledrun {

QString body(const sw::RemovalReport &report, int skipped)
{
    const int removed = int(report.outcomes().size() - report.failedCount());
    QStringList lines;
    if (removed > 0)
        lines.append(Text::tr("Removed %n item(s), %1.", nullptr, removed)
                         .arg(ORUtility::sizeFormatWithNumber(report.removedBytes())));
    else
        lines.append(Text::tr("Nothing needed removing."));
    if (const int failed = int(report.failedCount()); failed > 0)
        lines.append(Text::tr("%n item(s) could not be removed.", nullptr, failed));
    if (skipped > 0)
        lines.append(Text::tr("%n item(s) left: they need administrator rights.", nullptr, skipped));
    return lines.join(QLatin1Char('\n'));
}

void notify(const sw::RemovalReport &report, int skipped)
{
    sw::DesktopNotifier notifier;
    notifier.notify(Text::tr("Junk files cleaned"), body(report, skipped), QVariant());
    notifier.waitForAnswers(kAnswerMsecs);
}

}  // namespace scheduledrun
