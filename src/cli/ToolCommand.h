// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CliCommand.h"
#include "cli/CliRemoval.h"
#include "core/foundation/JobControl.h"
#include "core/foundation/RemovalWording.h"
#include "core/fs/RemovalReport.h"

#include <QString>
#include <QStringList>

#include <cstdio>
#include <functional>
#include <optional>

class JsonWriter;

// The skeleton of a command that drives a tool engine: scan (on a worker,
// progress on stderr, Ctrl-C cancels), then, when the removal flag or
// --dry-run is given, the plan, consent and the removal, then one report on
// stdout (a JSON object with --json, text otherwise) and the exit status:
//   0    done (also after --dry-run, or when the user answered no)
//   1    an item could not be removed or moved
//   2    a usage error, or a removal asked for with nobody to confirm it
//        (no --yes, no terminal): the plan is printed and nothing is touched
//   130  Ctrl-C: during the scan nothing is printed; during the removal it
//        stops after the current item and the report tells what went
class ToolCommand : public CliCommand
{
protected:
    struct Removal
    {
        QString flag;               // "--clean"
        sw::RemovalWording wording;  // the question: "Delete 12 items (3.4 MB)?", as the window asks it
        clirun::Deed deed;           // the plan's and the report's lines: "Would remove: PATH"
        bool listDone = false;   // the text names each item that went
        const char *failuresKey = "failures";  // the report's list of what stayed
    };

    // What the command's removal takes: the paths and their size, and what
    // the question counts when it is not the paths (applications).
    struct Plan
    {
        QStringList paths;
        qint64 bytes = 0;
        int count = -1;
    };

    // What happened after the scan, for the report.
    struct Outcome
    {
        std::optional<clirun::Consent> consent;
        std::optional<Plan> plan;                 // shown: dry run, or nobody to confirm
        std::optional<sw::RemovalReport> report;  // the removal ran
        bool interrupted = false;                 // Ctrl-C stopped the removal
    };

    ToolCommand(const char *name, Removal removal);

    // Another removal for this run, chosen by an option (from configure()):
    // its flag asks for it, its words tell it.
    void setRemoval(Removal removal) { m_removal = std::move(removal); }

    // Runs a scan with its progress line; true when Ctrl-C stopped it.
    static bool runScan(const std::function<void(sw::JobControl &)> &work);

    // The marked items of a result's groups: a removal's plan.
    template <class Group>
    static Plan markedItems(const QList<Group> &groups)
    {
        Plan plan;
        for (const Group &group : groups)
            for (const auto &item : group.groupItems)
                if (item.isDel) {
                    plan.paths.append(item.itemPath);
                    plan.bytes += item.itemSize;
                }
        return plan;
    }

    // The options of every tool command beside the command's own.
    void declareOptions(CliOptions &options) const override;
    int execute(const CliOptions &options) override;

    // Whether the run removes (or shows what it would): the removal flag or
    // --dry-run.
    virtual bool asksRemoval(const CliOptions &options) const;
    // Scans into the engine's held result; false when job was cancelled.
    virtual bool scan(sw::JobControl &job) = 0;
    // Marks in the held result what the removal takes.
    virtual Plan plan() = 0;
    virtual sw::RemovalReport remove(sw::JobControl &job) = 0;
    // The result's members of the report object, and the same as text.
    virtual void writeResult(JsonWriter &json) const = 0;
    virtual void writeResult(FILE *out) const = 0;
    // A command that can print its result while the scan finds it, holding
    // none of it, answers true and overrides the two below. That is done only
    // in a run that removes nothing, with stdout no terminal (where its lines
    // would mix with the progress line): beginListing() starts what
    // writeResult() writes (json is null for text) and makes the next scan
    // print each part as it is found; endListing() writes what only the end
    // of the scan knows. A cancelled scan leaves the listing unfinished.
    virtual bool listsAsFound() const { return false; }
    virtual void beginListing(JsonWriter *json);
    virtual void endListing(JsonWriter *json) const;
    // Members and lines of the command's own, after the plan and before the
    // removal's.
    virtual void writeExtras(JsonWriter &json, const Outcome &outcome) const;
    virtual void writeExtras(FILE *out, const Outcome &outcome) const;
    // Called once the report is written, before the exit status is chosen.
    virtual void finished(const Outcome &) {}

private:
    Outcome removeMarked(const CliOptions &options);
    // listing: the report's writer already open when the result was listed
    // as found with --json.
    void report(bool json, bool listed, JsonWriter *listing, const Outcome &outcome) const;
    void reportText(bool listed, const Outcome &outcome) const;

    Removal m_removal;
};
