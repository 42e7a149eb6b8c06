#pragma once

#include "CliOptions.h"
#include "RemovalReport.h"

#include <QByteArray>
#include <QString>

#include <functional>

// What the commands that scan and remove share: running the engines off the
// main thread, asking before they act, and telling what they did.
namespace clirun {

// Runs work on a worker thread while the main thread's loop delivers the
// engines' progress notifications; returns when work is done.
void onWorker(const std::function<void()> &work);

// A JSON array of strings, one per line, indented as a member of the report.
QByteArray jsonStrings(const QStringList &texts);

enum class Consent {
    Go,        // --yes, or the user answered yes on the terminal
    DryRun,    // --dry-run: show the plan, touch nothing
    Declined,  // the user answered no
    Refused    // there was nobody to ask and no --yes: a usage error
};

// The flags of a destructive command: --yes and --dry-run.
QStringList consentFlags();

// --yes goes ahead and --dry-run only shows; otherwise the question (what
// would go, e.g. "Remove 12 items (3.40 MB)?") is asked on the terminal. With
// no terminal to ask on, nothing is removed and the reason is printed.
Consent askConsent(const char *command, const CliOptions &options, const QString &question);

// JSON members to append to a report (each starting with ",\n  "):
// "removed" (the paths that went), "failures" ([{"path", "reason"}]),
// "failedItems", "failedSize" and "delSize".
QByteArray reportJson(const sw::RemovalReport &report);
// The same for people: a line per item that went ("<verb>: PATH", when
// listGone), a line per failure with its full path and reason, and the totals.
QString reportText(const sw::RemovalReport &report, const QString &verb, bool listGone);

}  // namespace clirun
