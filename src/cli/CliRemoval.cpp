// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliRemoval.h"

#include "cli/CliCommand.h"
#include "cli/InputPaths.h"
#include "cli/JsonWriter.h"
#include "core/foundation/ORUtility.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

#include <unistd.h>

namespace clirun {

namespace {

// One context for the texts of this file, the table's too.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(clirun)
};

struct DeedRow
{
    const char *planned;
    const char *done;
    const char *total;
    const char *totalWithFailures;  // with a count
    const char *failed = QT_TRANSLATE_NOOP("clirun", "Could not remove %1: %2");
};

// By Deed.
const DeedRow kDeeds[] = {
    {QT_TRANSLATE_NOOP("clirun", "Would remove: %1"), QT_TRANSLATE_NOOP("clirun", "Removed: %1"),
     QT_TRANSLATE_NOOP("clirun", "Removed %1 in total."),
     QT_TRANSLATE_N_NOOP("clirun", "Removed %1 in total; %n item(s) could not be removed (%2).")},
    {QT_TRANSLATE_NOOP("clirun", "Would move to the Trash: %1"),
     QT_TRANSLATE_NOOP("clirun", "Moved to the Trash: %1"),
     QT_TRANSLATE_NOOP("clirun", "Moved to the Trash %1 in total."),
     QT_TRANSLATE_N_NOOP("clirun", "Moved to the Trash %1 in total; %n item(s) could not be removed (%2).")},
    {QT_TRANSLATE_NOOP("clirun", "Would shred: %1"), QT_TRANSLATE_NOOP("clirun", "Shredded: %1"),
     QT_TRANSLATE_NOOP("clirun", "Shredded %1 in total."),
     QT_TRANSLATE_N_NOOP("clirun", "Shredded %1 in total; %n item(s) could not be removed (%2).")},
    {QT_TRANSLATE_NOOP("clirun", "Would replace with a link: %1"), QT_TRANSLATE_NOOP("clirun", "Replaced with a link: %1"),
     QT_TRANSLATE_NOOP("clirun", "Freed %1 in total."),
     QT_TRANSLATE_N_NOOP("clirun", "Freed %1 in total; %n copy(s) could not be replaced (%2)."),
     QT_TRANSLATE_NOOP("clirun", "Could not replace %1: %2")},
};

const DeedRow &rowOf(Deed deed)
{
    return kDeeds[int(deed)];
}

// The answers that say yes: the English ones always, and the user's language's.
bool isYes(const QString &answer)
{
    return answer == QLatin1String("y") || answer == QLatin1String("yes")
           || answer == Text::tr("y", "the short answer yes to a [y/N] question")
           || answer == Text::tr("yes", "the answer to a [y/N] question");
}

}  // namespace

QStringList consentFlags()
{
    return {QStringLiteral("--yes"), QStringLiteral("--dry-run")};
}

QString question(const sw::RemovalWording &wording, int count, qint64 bytes)
{
    return Text::tr("%1?", "a removal asked for: \"Delete 12 items (3.40 MB)\"").arg(wording.command(count, bytes));
}

Consent askConsent(const char *command, const CliOptions &options, const QString &question)
{
    if (options.isSet(QStringLiteral("--dry-run")))
        return Consent::DryRun;
    if (options.isSet(QStringLiteral("--yes")))
        return Consent::Go;
    if (!willAsk(options)) {
        CliCommand::tell(command, Text::tr("nothing removed: confirm with --yes (or answer on a terminal); --dry-run "
                                           "shows what would go"));
        return Consent::Refused;
    }
    std::fputs(Text::tr("%1 [y/N] ").arg(question).toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
    char answer[64] = {};
    if (!std::fgets(answer, sizeof answer, stdin))
        return Consent::Declined;
    return isYes(QString::fromLocal8Bit(answer).trimmed().toLower()) ? Consent::Go : Consent::Declined;
}

bool willAsk(const CliOptions &options)
{
    return !options.isSet(QStringLiteral("--dry-run")) && !options.isSet(QStringLiteral("--yes"))
           && ::isatty(STDIN_FILENO) && ::isatty(STDERR_FILENO) && !InputPaths::taken();
}

void writeReport(JsonWriter &json, const sw::RemovalReport &report, const char *failuresKey)
{
    QStringList removed;
    for (const sw::RemovalOutcome &outcome : report.outcomes())
        if (outcome.ok())
            removed.append(outcome.path);
    json.stringArray("removed", removed);
    json.key(failuresKey).beginArray();
    for (const sw::RemovalFailure &failure : report.failures()) {
        json.beginObject(JsonWriter::Layout::Inline);
        json.member("path", failure.path);
        json.member("reason", failure.reason);
        json.endObject();
    }
    json.endArray();
    json.member("failedItems", qint64(report.failedCount()));
    json.member("failedSize", report.failedBytes());
    json.member("delSize", report.removedBytes());
}

QString reportText(const sw::RemovalReport &report, Deed deed, bool listGone)
{
    const DeedRow &row = rowOf(deed);
    QString out;
    QTextStream stream(&out);
    for (const sw::RemovalOutcome &outcome : report.outcomes())
        if (listGone && outcome.ok())
            stream << Text::tr(row.done).arg(outcome.path) << '\n';
    for (const sw::RemovalFailure &failure : report.failures())
        stream << Text::tr(row.failed).arg(failure.path, failure.reason) << '\n';
    const QString removed = ORUtility::sizeFormatWithNumber(report.removedBytes());
    if (report.isClean())
        stream << Text::tr(row.total).arg(removed);
    else
        stream << Text::tr(row.totalWithFailures, nullptr, int(report.failedCount()))
                      .arg(removed, ORUtility::sizeFormatWithNumber(report.failedBytes()));
    stream << '\n';
    return out;
}

QString planText(const QStringList &paths, Deed deed, bool dryRun)
{
    QString text;
    for (const QString &path : paths)
        text += Text::tr(rowOf(deed).planned).arg(path) + QLatin1Char('\n');
    if (dryRun)
        text += Text::tr("Nothing was removed (--dry-run).") + QLatin1Char('\n');
    return text;
}

}  // namespace clirun
