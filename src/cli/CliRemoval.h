// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CliOptions.h"
#include "core/fs/RemovalReport.h"

#include <QString>
#include <QStringList>

class JsonWriter;

// What the commands that remove share: asking before they act, and telling
// what they did.
namespace clirun {

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
// Whether askConsent() would put its question: neither flag given, and a
// terminal to ask on and to answer from.
bool willAsk(const CliOptions &options);

// The members of a report object: "removed" (the paths that went),
// failuresKey ([{"path", "reason"}]), "failedItems", "failedSize" and "delSize".
void writeReport(JsonWriter &json, const sw::RemovalReport &report, const char *failuresKey);
// The same for people: a line per item that went ("<verb>: PATH", when
// listGone), a line per failure with its full path and reason, and the totals.
QString reportText(const sw::RemovalReport &report, const QString &verb, bool listGone);

}  // namespace clirun
