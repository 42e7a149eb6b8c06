// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CliOptions.h"
#include "core/foundation/RemovalWording.h"
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

// What a command does to the items it takes, as its plan and report say it.
enum class Deed {
    Remove,       // "Would remove: PATH", "Removed: PATH"
    MoveToTrash,  // "Would move to the Trash: PATH", "Moved to the Trash: PATH"
    Shred,        // "Would shred: PATH", "Shredded: PATH"
    Link          // "Would replace with a link: PATH", "Replaced with a link: PATH"
};

// The flags of a destructive command: --yes and --dry-run.
QStringList consentFlags();

// The question before a removal: "Delete 12 items (3.40 MB)?".
QString question(const sw::RemovalWording &wording, int count, qint64 bytes);

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
// The same for people: a line per item that went ("Removed: PATH", when
// listGone), a line per failure with its full path and reason, and the totals.
QString reportText(const sw::RemovalReport &report, Deed deed, bool listGone);
// What a plan shows: a line per path ("Would remove: PATH"), and after
// --dry-run that nothing was removed.
QString planText(const QStringList &paths, Deed deed, bool dryRun);

}  // namespace clirun
