// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliRemoval.h"

#include "cli/InputPaths.h"
#include "cli/JsonWriter.h"
#include "core/foundation/ORUtility.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

#include <unistd.h>

namespace clirun {

QStringList consentFlags()
{
    return {QStringLiteral("--yes"), QStringLiteral("--dry-run")};
}

Consent askConsent(const char *command, const CliOptions &options, const QString &question)
{
    if (options.isSet(QStringLiteral("--dry-run")))
        return Consent::DryRun;
    if (options.isSet(QStringLiteral("--yes")))
        return Consent::Go;
    if (!willAsk(options)) {
        std::fprintf(stderr,
                     "%s: nothing removed: confirm with --yes (or answer on a terminal); --dry-run shows what "
                     "would go\n",
                     command);
        return Consent::Refused;
    }
    std::fprintf(stderr, "%s [y/N] ", question.toLocal8Bit().constData());
    std::fflush(stderr);
    char answer[64] = {};
    if (!std::fgets(answer, sizeof answer, stdin))
        return Consent::Declined;
    const QString text = QString::fromLocal8Bit(answer).trimmed().toLower();
    return text == QLatin1String("y") || text == QLatin1String("yes") ? Consent::Go : Consent::Declined;
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

QString reportText(const sw::RemovalReport &report, const QString &verb, bool listGone)
{
    QString out;
    QTextStream stream(&out);
    for (const sw::RemovalOutcome &outcome : report.outcomes())
        if (listGone && outcome.ok())
            stream << verb << ": " << outcome.path << '\n';
    for (const sw::RemovalFailure &failure : report.failures())
        stream << "Could not remove " << failure.path << ": " << failure.reason << '\n';
    stream << verb << ' ' << ORUtility::sizeFormatWithNumber(report.removedBytes()) << " in total";
    if (!report.isClean())
        stream << "; "
               << QCoreApplication::translate("clirun", "%n item(s) could not be removed (%1)", nullptr,
                                              int(report.failedCount()))
                      .arg(ORUtility::sizeFormatWithNumber(report.failedBytes()));
    stream << ".\n";
    return out;
}

}  // namespace clirun
