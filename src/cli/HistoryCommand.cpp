// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/HistoryCommand.h"

#include "cli/CliRemoval.h"
#include "cli/JsonWriter.h"
#include "core/foundation/ORUtility.h"
#include "core/history/HistoryFile.h"
#include "core/history/HistoryWording.h"
#include "core/history/PutBack.h"
#include "core/platform/ORLayout.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdio>

using sw::HistoryItem;
using sw::HistoryRecord;

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(HistoryCommand)
};

void writeRun(JsonWriter &json, const HistoryRecord &run)
{
    json.beginObject();
    json.member("id", run.id);
    json.member("time", run.time.toString(Qt::ISODate));
    json.member("tool", run.tool);
    if (!run.putBackOf.isEmpty())
        json.member("putBackOf", run.putBackOf);
    json.key("items").beginArray();
    for (const HistoryItem &item : run.items) {
        json.beginObject(JsonWriter::Layout::Inline);
        json.member("path", item.path);
        json.member("size", item.size);
        json.member("fate", QString(HistoryRecord::fateName(item.fate)));
        if (!item.trashedPath.isEmpty())
            json.member("trash", item.trashedPath);
        if (!item.reason.isEmpty())
            json.member("reason", item.reason);
        json.endObject();
    }
    json.endArray();
    json.endObject();
}

void print(const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stdout);
}

}  // namespace

HistoryCommand::HistoryCommand()
    : CliCommand("history", true)
{
}

QString HistoryCommand::help() const
{
    return Text::tr("Usage: sweepwright-cli history [--home H] [--json]\n"
                    "       sweepwright-cli history --put-back ID [--yes | --dry-run] [--json]\n"
                    "Lists what every tool removed, in the window and here, newest first: each run\n"
                    "with its id, time, tool and what became of its items (moved to the Trash,\n"
                    "deleted for good, not done). The record is kept in\n"
                    "$XDG_STATE_HOME/sweepwright/history.jsonl for a year, at most 10 MB.\n"
                    "--put-back ID puts what that run moved to the Trash back where it was; an\n"
                    "item is never put over something that is there now, and what cannot come\n"
                    "back is named with the reason. Items deleted for good cannot come back.\n"
                    "\n"
                    "  --json          print one JSON object instead of text\n"
                    "  --put-back ID   put back the items run ID moved to the Trash\n"
                    "  --yes           put back without asking\n"
                    "  --dry-run       show what would be put back, touching nothing\n"
                    "  --help          show this text\n"
                    "  -V, --version   show the version\n")
           + ORLayout::optionsHelp();
}

void HistoryCommand::declareOptions(CliOptions &options) const
{
    options.addFlags(QStringList{QStringLiteral("--json")} + clirun::consentFlags());
    options.addValued({QStringLiteral("--put-back")});
    options.setMissingValueText(QStringLiteral("--put-back"), Text::tr("%1 needs the id of a run"));
}

std::optional<QString> HistoryCommand::configure(const CliOptions &options)
{
    if (!options.positional().isEmpty())
        return unexpectedArgument(options.positional().constFirst());
    m_putBack = options.value(QStringLiteral("--put-back"));
    if (m_putBack.isEmpty() && (options.isSet(QStringLiteral("--yes")) || options.isSet(QStringLiteral("--dry-run"))))
        return Text::tr("--yes and --dry-run go with --put-back");
    return std::nullopt;
}

int HistoryCommand::execute(const CliOptions &options)
{
    const int status = m_putBack.isEmpty() ? list(options.isSet(QStringLiteral("--json"))) : putBack(options);
    std::fflush(stdout);
    return std::ferror(stdout) ? tellWriteError() : status;
}

int HistoryCommand::list(bool json) const
{
    QList<HistoryRecord> runs = sw::HistoryFile::standard().read();
    std::reverse(runs.begin(), runs.end());
    if (json) {
        JsonWriter writer(stdout);
        writer.beginObject();
        writer.key("runs").beginArray();
        for (const HistoryRecord &run : std::as_const(runs))
            writeRun(writer, run);
        writer.endArray();
        writer.endObject();
        return 0;
    }
    if (runs.isEmpty())
        print(Text::tr("Nothing has been removed yet.") + QLatin1Char('\n'));
    for (const HistoryRecord &run : std::as_const(runs)) {
        QString line = QStringLiteral("%1  %2  %3: %4").arg(run.id, sw::HistoryWording::when(run),
                                                              sw::HistoryWording::toolName(run.tool),
                                                              sw::HistoryWording::summary(run));
        if (!run.putBackOf.isEmpty())
            line += QStringLiteral("  ") + Text::tr("(of %1)").arg(run.putBackOf);
        print(line + QLatin1Char('\n'));
    }
    return 0;
}

int HistoryCommand::putBack(const CliOptions &options) const
{
    const sw::HistoryFile file = sw::HistoryFile::standard();
    const std::optional<HistoryRecord> run = file.find(m_putBack);
    if (!run)
        return usageError(Text::tr("no run \"%1\" in the history (see sweepwright-cli history)").arg(m_putBack));
    const QList<HistoryItem> plan = sw::PutBack::candidates(*run);
    const bool json = options.isSet(QStringLiteral("--json"));
    if (plan.isEmpty()) {
        tell(name(), Text::tr("run %1 moved nothing to the Trash: nothing to put back").arg(run->id));
        writePutBack(json, *run, plan, nullptr);
        return 1;
    }
    qint64 bytes = 0;
    for (const HistoryItem &item : plan)
        bytes += item.size;
    const QString question =
        Text::tr("Put back %n item(s) (%1)?", nullptr, int(plan.size())).arg(ORUtility::sizeFormatWithNumber(bytes));
    const clirun::Consent consent = clirun::askConsent(name(), options, question);
    if (consent != clirun::Consent::Go) {
        writePutBack(json, *run, consent == clirun::Consent::Declined ? QList<HistoryItem>() : plan, nullptr);
        return consent == clirun::Consent::Refused ? kUsageError : 0;
    }
    QString writeError;
    const HistoryRecord done = sw::PutBack::run(*run, file, &writeError);
    if (!writeError.isEmpty())
        tell(name(), Text::tr("could not record the put back: %1").arg(writeError));
    writePutBack(json, *run, {}, &done);
    return done.count(HistoryItem::Fate::Failed) > 0 ? 1 : 0;
}

// The plan (dry run) or the outcome, and the items that cannot come back.
void HistoryCommand::writePutBack(bool json, const HistoryRecord &run, const QList<HistoryItem> &plan,
                                  const HistoryRecord *done) const
{
    QStringList gone;
    for (const HistoryItem &item : run.items)
        if (item.fate == HistoryItem::Fate::Deleted || item.fate == HistoryItem::Fate::Linked)
            gone << item.path;
    if (json) {
        JsonWriter writer(stdout);
        writer.beginObject();
        QStringList planned;
        for (const HistoryItem &item : plan)
            planned << item.path;
        writer.stringArray("plan", planned);
        writer.stringArray("deletedForGood", gone);
        if (done) {
            writer.key("putBack");
            writeRun(writer, *done);
        }
        writer.endObject();
        return;
    }
    QString text;
    for (const HistoryItem &item : plan)
        text += Text::tr("Would put back: %1").arg(item.path) + QLatin1Char('\n');
    for (const QString &path : std::as_const(gone))
        text += Text::tr("Deleted for good, cannot be put back: %1").arg(path) + QLatin1Char('\n');
    if (done) {
        for (const HistoryItem &item : done->items)
            text += (item.fate == HistoryItem::Fate::Restored
                         ? Text::tr("Put back: %1").arg(item.path)
                         : Text::tr("Could not put back %1: %2").arg(item.path, item.reason))
                    + QLatin1Char('\n');
        text += sw::HistoryWording::summary(*done) + QLatin1Char('\n');
    }
    print(text);
}
