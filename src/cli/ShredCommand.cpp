// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ShredCommand.h"

#include "cli/CliJob.h"
#include "cli/InputPaths.h"
#include "cli/JsonWriter.h"
#include "cli/KeepPathOption.h"
#include "core/foundation/RemovalWording.h"
#include "core/history/RemovalHistory.h"
#include "core/platform/ORLayout.h"
#include "core/shreds/ORShredOperation.h"

#include <QCoreApplication>
#include <QDir>

namespace {

// One context for the texts of this file, whichever function shows them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(ShredCommand)
};

}  // namespace

ShredCommand::ShredCommand()
    : CliCommand("shred", true)
{
}

QString ShredCommand::help() const
{
    return Text::tr(
               "Usage: sweepwright-cli shred PATH... [--overwrite] [--yes | --dry-run] [--json]\n"
               "                             [--layout L] [--root R] [--home H]\n"
               "Removes the files and folders named, each whole, with your own rights. A PATH of\n"
               "\"-\" reads the paths from standard input, one a line or separated by NUL bytes\n"
               "(find -print0); nothing can then be asked, so they go only with --yes. A link is\n"
               "removed as a link; nothing is removed on another file system mounted inside a\n"
               "folder. The root folder, the home, a folder that holds it and the system's own\n"
               "folders (and what lies in them) are never removed, by whatever name they are\n"
               "given: they are reported on stderr as refused, with the reason. Asks on a terminal\n"
               "first; without --yes and without a terminal nothing is removed (exit status 2).\n"
               "Ctrl-C stops after the current entry (exit status 130); exit status 1 when a path\n"
               "stays.\n"
               "\n"
               "  --overwrite    overwrite each file once with random bytes before removing it\n"
               "                 (files with one name that you may write, and only once they are\n"
               "                 certain to go; on SSDs and copy-on-write file systems the old\n"
               "                 data may survive anyway)\n"
               "  --yes          remove without asking\n"
               "  --dry-run      show what would be removed, and remove nothing\n"
               "  --json         print {\"shredSize\", \"removed\", \"failed\"} as one JSON object\n"
               "  --help         show this text\n"
               "  -V, --version  show the version\n")
           + KeepPathOption::help() + ORLayout::optionsHelp();
}

void ShredCommand::declareOptions(CliOptions &options) const
{
    options.addFlags(QStringList{QStringLiteral("--json"), QStringLiteral("--overwrite")} + clirun::consentFlags());
    KeepPathOption::declare(options);
}

std::optional<QString> ShredCommand::configure(const CliOptions &options)
{
    QStringList named = options.positional();
    if (const auto problem = InputPaths::expand(named))
        return problem;
    if (named.isEmpty())
        return Text::tr("no path given");
    for (const QString &path : std::as_const(named)) {
        const QString absolute = QDir::cleanPath(QDir::current().absoluteFilePath(path));
        if (!m_paths.contains(absolute))
            m_paths.append(absolute);
    }
    KeepPathOption::apply(options);
    ORShredOperation::shareInstance().startOver();
    return std::nullopt;
}

int ShredCommand::execute(const CliOptions &options)
{
    ORShredOperation &shred = ORShredOperation::shareInstance();
    // The sizes are only for the question; the removal counts what it removes.
    const bool asks = clirun::willAsk(options);
    if (CliJob::run(Text::tr("Measuring"),
                    [this, &shred, asks](sw::JobControl &) { shred.setFolders(m_paths, asks); })) {
        tellCancelled();
        return kCancelled;
    }
    Outcome outcome;
    qint64 bytes = 0;
    for (const ORShredItem &item : shred.folders().value_or(QList<ORShredItem>())) {
        if (item.refusal.isEmpty()) {
            outcome.plan.append(item.shredPath);
            bytes += item.shredSize;
        } else {
            outcome.refused.append({item.shredPath, item.refusal});
        }
    }
    bool interrupted = false;
    if (!outcome.plan.isEmpty()) {
        const sw::RemovalWording wording(sw::RemovalWording::Action::Shred, false);
        outcome.consent =
            clirun::askConsent(name(), options, clirun::question(wording, int(outcome.plan.size()), bytes));
        if (outcome.consent == clirun::Consent::Go) {
            const bool overwrite = options.isSet(QStringLiteral("--overwrite"));
            interrupted = CliJob::run(Text::tr("Shredding"), [&](sw::JobControl &job) {
                outcome.report = shred.remove(job, overwrite);
            });
            if (outcome.report)
                sw::RemovalHistory::record(wording, *outcome.report);
        }
    }
    if (outcome.report) {
        // Judged again by the removal: what it refused is what stays refused.
        outcome.refused.clear();
        for (const sw::RemovalOutcome &item : outcome.report->outcomes())
            if (item.refused)
                outcome.refused += item.failures;
    }
    for (const sw::RemovalFailure &refusal : std::as_const(outcome.refused))
        tell("sweepwright-cli", Text::tr("refused %1: %2").arg(refusal.path, refusal.reason));
    if (options.isSet(QStringLiteral("--json")))
        writeJson(outcome);
    else
        writeText(outcome);
    if (std::ferror(stdout))
        return tellWriteError();
    if (interrupted) {
        tellCancelled();
        return kCancelled;
    }
    if (outcome.consent == clirun::Consent::Refused)
        return kUsageError;
    return !outcome.refused.isEmpty() || (outcome.report && !outcome.report->isClean()) ? 1 : 0;
}

// The report of a run holds the refused paths already (the removal refuses
// them again); without a run they are listed from the listing.
void ShredCommand::writeJson(const Outcome &outcome) const
{
    JsonWriter json(stdout);
    json.beginObject();
    json.member("shredSize", outcome.report ? outcome.report->removedBytes() : qint64(0));
    QStringList removed;
    QList<sw::RemovalFailure> failed = outcome.refused;
    if (outcome.report) {
        failed = outcome.report->failures();
        for (const sw::RemovalOutcome &item : outcome.report->outcomes())
            if (item.ok())
                removed.append(item.path);
    }
    json.stringArray("removed", removed);
    json.key("failed").beginArray();
    for (const sw::RemovalFailure &failure : std::as_const(failed)) {
        json.beginObject(JsonWriter::Layout::Inline);
        json.member("path", failure.path);
        json.member("reason", failure.reason);
        json.endObject();
    }
    json.endArray();
    if (outcome.showsPlan())
        json.stringArray("plan", outcome.plan);
    json.endObject();
}

// Refused paths are on stderr already; the rest of the report goes to stdout.
void ShredCommand::writeText(const Outcome &outcome) const
{
    QString text;
    if (outcome.report) {
        sw::RemovalReport tried;
        for (const sw::RemovalOutcome &item : outcome.report->outcomes())
            if (!item.refused)
                tried.add(item);
        text = clirun::reportText(tried, clirun::Deed::Shred, true);
    } else {
        text = clirun::planText(outcome.showsPlan() ? outcome.plan : QStringList(), clirun::Deed::Shred,
                                outcome.consent == clirun::Consent::DryRun);
    }
    if (const qsizetype refused = outcome.refused.size())
        text += Text::tr("Refused %n path(s) (named on stderr).", nullptr, int(refused)) + QLatin1Char('\n');
    std::fputs(text.toLocal8Bit().constData(), stdout);
    std::fflush(stdout);
}
