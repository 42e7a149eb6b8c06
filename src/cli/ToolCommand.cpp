// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ToolCommand.h"

#include "cli/CliJob.h"
#include "cli/JsonWriter.h"
#include "core/foundation/ORUtility.h"
#include "core/history/RemovalHistory.h"

#include <QCoreApplication>

#include <optional>

#include <unistd.h>

namespace {

// One context for the texts of this file, whichever function shows them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(ToolCommand)
};

}  // namespace

ToolCommand::ToolCommand(const char *name, Removal removal)
    : CliCommand(name, true)
    , m_removal(std::move(removal))
{
}

bool ToolCommand::runScan(const std::function<void(sw::JobControl &)> &work)
{
    return CliJob::run(Text::tr("Scanning"), work);
}

void ToolCommand::declareOptions(CliOptions &options) const
{
    options.addFlags(QStringList{QStringLiteral("--json"), m_removal.flag} + clirun::consentFlags());
}

bool ToolCommand::asksRemoval(const CliOptions &options) const
{
    return options.isSet(m_removal.flag) || options.isSet(QStringLiteral("--dry-run"));
}

void ToolCommand::beginListing(JsonWriter *)
{
}

void ToolCommand::endListing(JsonWriter *) const
{
}

void ToolCommand::writeExtras(JsonWriter &, const Outcome &) const
{
}

void ToolCommand::writeExtras(FILE *, const Outcome &) const
{
}

int ToolCommand::execute(const CliOptions &options)
{
    const bool removing = asksRemoval(options);
    const bool json = options.isSet(QStringLiteral("--json"));
    const bool listed = !removing && listsAsFound() && !::isatty(STDOUT_FILENO);
    std::optional<JsonWriter> listing;
    if (listed) {
        if (json) {
            listing.emplace(stdout);
            listing->beginObject();
        }
        beginListing(listing ? &*listing : nullptr);
    }
    bool scanned = false;
    if (runScan([&](sw::JobControl &job) { scanned = scan(job); }) || !scanned) {
        std::fflush(stdout);
        tellCancelled();
        return kCancelled;
    }
    const Outcome outcome = removing ? removeMarked(options) : Outcome();
    report(json, listed, listing ? &*listing : nullptr, outcome);
    finished(outcome);
    if (std::ferror(stdout))
        return tellWriteError();
    if (outcome.interrupted) {
        tellCancelled();
        return kCancelled;
    }
    if (outcome.consent == clirun::Consent::Refused)
        return kUsageError;
    return outcome.report && !outcome.report->isClean() ? 1 : 0;
}

ToolCommand::Outcome ToolCommand::removeMarked(const CliOptions &options)
{
    Outcome outcome;
    Plan plan = this->plan();
    const int count = plan.count >= 0 ? plan.count : int(plan.paths.size());
    outcome.consent = clirun::askConsent(name(), options, clirun::question(m_removal.wording, count, plan.bytes));
    switch (*outcome.consent) {
    case clirun::Consent::Go:
        outcome.interrupted = CliJob::run(Text::tr("Removing"),
                                          [&](sw::JobControl &job) { outcome.report = remove(job); });
        if (outcome.report)
            sw::RemovalHistory::record(m_removal.wording, *outcome.report);
        break;
    case clirun::Consent::DryRun:
    case clirun::Consent::Refused:
        outcome.plan = std::move(plan);
        break;
    case clirun::Consent::Declined:
        break;
    }
    return outcome;
}

void ToolCommand::report(bool json, bool listed, JsonWriter *listing, const Outcome &outcome) const
{
    if (!json) {
        reportText(listed, outcome);
        return;
    }
    std::optional<JsonWriter> own;
    if (!listing) {
        listing = &own.emplace(stdout);
        listing->beginObject();
    }
    JsonWriter &writer = *listing;
    if (listed)
        endListing(&writer);
    else
        writeResult(writer);
    if (outcome.plan)
        writer.stringArray("plan", outcome.plan->paths);
    writeExtras(writer, outcome);
    if (outcome.report)
        clirun::writeReport(writer, *outcome.report, m_removal.failuresKey);
    writer.endObject();
}

void ToolCommand::reportText(bool listed, const Outcome &outcome) const
{
    if (listed)
        endListing(nullptr);
    else
        writeResult(stdout);
    if (outcome.plan)
        std::fputs(clirun::planText(outcome.plan->paths, m_removal.deed, outcome.consent == clirun::Consent::DryRun)
                       .toLocal8Bit()
                       .constData(),
                   stdout);
    writeExtras(stdout, outcome);
    if (outcome.report)
        std::fputs(clirun::reportText(*outcome.report, m_removal.deed, m_removal.listDone).toLocal8Bit().constData(),
                   stdout);
    std::fflush(stdout);
}
