// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/DupsCommand.h"

#include "cli/JsonWriter.h"
#include "cli/KeepPathOption.h"
#include "core/dups/DupCopyLimit.h"
#include "core/dups/DupKeeper.h"
#include "core/dups/DupResultCsv.h"
#include "core/foundation/ORSelection.h"
#include "core/dups/LinkReplacement.h"
#include "core/foundation/ORUtility.h"
#include "core/platform/ORLayout.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>

namespace {

// One context for the texts of this file, whichever function shows them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(DupsCommand)
};

}  // namespace

DupsCommand::DupsCommand()
    : FinderCommand("dups", QStringLiteral("--trash-all-but-first"), sw::RemovalWording::Action::DeleteDuplicates)
{
}

QString DupsCommand::help() const
{
    return Text::tr(
               "Usage: sweepwright-cli dups [FOLDER...] [--layout L] [--root R] [--home H] [--json] [--quick]\n"
               "                            [--keep RULE] [--reference DIR]...\n"
               "                            [--trash-all-but-first [--yes | --dry-run]]\n"
               "Lists the sets of duplicate files and packages larger than 16 KiB in the folders\n"
               "(default: the layout's default folders, below), largest first. Candidates of equal\n"
               "size and sampled digest are compared byte by byte; hard links to one file count once.\n"
               "A FOLDER of \"-\" reads the folders from standard input, one a line or separated by\n"
               "NUL bytes. The system's protected folders are left out and named on stderr.\n"
               "\n"
               "  --json                 print one JSON object instead of a list\n"
               "  --quick                for files, trust equal size and sampled digest (up to three\n"
               "                         4 KiB blocks: at the start and spread over the file) without\n"
               "                         comparing whole contents: faster, but files that differ\n"
               "                         elsewhere are reported as duplicates. Packages are always\n"
               "                         compared by content: their digest holds only item names\n"
               "  --keep RULE            which copy of each set stays: original (the copy outside\n"
               "                         Downloads, the Trash and temporary folders, then one whose\n"
               "                         name has no copy mark such as \"(1)\" or \"Copy of\", then the\n"
               "                         oldest, then the one in the deepest folder, then the first\n"
               "                         found), oldest (earliest modification time, then the shortest\n"
               "                         path), newest, shortest-path or first (the first found);\n"
               "                         default: %1 in this layout\n"
               "  --reference DIR        a folder of originals, scanned too (may be repeated): its\n"
               "                         copies are marked [reference] (\"isReference\" in JSON) and\n"
               "                         never moved; a set whose copies all lie in reference folders\n"
               "                         is not listed; in a set with a reference copy, every other\n"
               "                         copy is moved\n"
               "  --trash-all-but-first  move every copy of each set but the one --keep keeps to the\n"
               "                         Trash (after a question on a terminal, or with --yes), then\n"
               "                         report what was moved and what was not (with the reason);\n"
               "                         without either, the plan is printed and nothing moves\n"
               "  --yes                  move without asking\n"
               "  --dry-run              show what --trash-all-but-first would move, and move nothing\n"
               "  --help                 show this text\n"
               "  -V, --version          show the version\n"
               "Sent to a file or a pipe, a run that moves nothing prints each set as it is found.\n"
               "Exits 1 when an item could not be moved, 2 for a usage error or a folder that does not\n"
               "exist or cannot be read, 130 after Ctrl-C (a removal stops after the current item).\n")
               .arg(sw::dupkeep::key(sw::dupkeep::defaultRule()))
           + Text::tr("  --link KIND            instead of the Trash: replace every copy of each set but the\n"
                      "                         one --keep keeps by a link to that copy: hard (one file\n"
                      "                         system only), reflink (the copy keeps its own file and shares\n"
                      "                         the kept copy's data, where the file system can) or\n"
                      "                         symbolic. Each copy is compared byte by byte first; one that\n"
                      "                         changed since the scan is skipped. --yes and --dry-run work\n"
                      "                         as for --trash-all-but-first. Reports the space freed\n")
           + Text::tr("Also:\n"
                      "  --csv                  print the sets as CSV (RFC 4180, UTF-8): set, size, path,\n"
                      "                         modification time, kept (yes for the copy that stays)\n"
                      "  --empty                list empty files, empty folders (holding only empty folders,\n"
                      "                         named at their top) and broken symbolic links instead of\n"
                      "                         duplicates; with --yes all of them go to the Trash, with\n"
                      "                         --dry-run the plan is shown\n")
           + KeepPathOption::help()
           + Text::tr("Digests of files that did not change since an earlier scan are kept in %1\n"
                      "and not read again (copies are still compared byte by byte before they go):\n"
                      "  --no-cache             read every file, and keep nothing for the next scan\n"
                      "  --clear-cache          forget the digests kept, scan nothing\n")
                 .arg(ORDupDataCollection::hashCachePath())
           + OlderThanOption::finderHelp()
           + Text::tr("                         (in a set, newer copies stay and are marked [recent];\n"
                      "                         a set is listed only when one of its copies may go)\n")
           + defaultFoldersHelp(ORDupDataCollection::defaultFolders()) + ORLayout::optionsHelp();
}

void DupsCommand::declareOptions(CliOptions &options) const
{
    FinderCommand::declareOptions(options);
    options.addFlags({QStringLiteral("--quick"), QStringLiteral("--csv"), QStringLiteral("--empty"),
                      QStringLiteral("--no-cache"), QStringLiteral("--clear-cache")});
    options.addValued({QStringLiteral("--keep"), QStringLiteral("--reference"), QStringLiteral("--link")});
    // %1 stays for the option's name.
    options.setMissingValueText(
        QStringLiteral("--keep"),
        Text::tr("%1 needs a rule: %2").arg(QStringLiteral("%1"), sw::dupkeep::keys().join(u", ")));
    options.setMissingValueText(QStringLiteral("--link"),
                                Text::tr("%1 needs a kind: %2")
                                    .arg(QStringLiteral("%1"), sw::LinkReplacement::keys().join(u", ")));
}

std::optional<QString> DupsCommand::configureEngine(ORDupDataCollection &engine, const CliOptions &options)
{
    engine.setConfirmContents(!options.isSet(QStringLiteral("--quick")));
    m_empty = options.isSet(QStringLiteral("--empty"));
    m_csv = options.isSet(QStringLiteral("--csv"));
    if (m_csv && options.isSet(QStringLiteral("--json")))
        return Text::tr("--csv and --json do not go together");
    engine.setScanMode(m_empty ? ORDupDataCollection::ScanMode::Empty : ORDupDataCollection::ScanMode::Duplicates);
    engine.setUseHashCache(!options.isSet(QStringLiteral("--no-cache")));
    m_keep = sw::dupkeep::defaultRule();  // never the settings store's: the CLI neither reads nor writes it
    if (options.isSet(QStringLiteral("--keep"))) {
        const auto rule = sw::dupkeep::fromKey(options.value(QStringLiteral("--keep")));
        if (!rule)
            return Text::tr("--keep takes %1, not \"%2\"")
                .arg(sw::dupkeep::keys().join(u", "), options.value(QStringLiteral("--keep")));
        m_keep = *rule;
    }
    QStringList references;
    m_references = options.isSet(QStringLiteral("--reference"));
    if (m_references) {
        if (const auto problem = chooseFinderFolders(options.values(QStringLiteral("--reference")), {}, references))
            return problem;
    }
    engine.setReferenceFolders(references);
    if (m_empty)
        setRemoval({QStringLiteral("--trash-all-but-first"), {sw::RemovalWording::Action::DeleteEmptyFinds, true},
                    clirun::Deed::MoveToTrash, true});
    m_link.reset();
    if (options.isSet(QStringLiteral("--link"))) {
        const QString key = options.value(QStringLiteral("--link"));
        m_link = sw::LinkReplacement::fromKey(key);
        if (!m_link)
            return Text::tr("--link takes %1, not \"%2\"").arg(sw::LinkReplacement::keys().join(u", "), key);
        if (options.isSet(QStringLiteral("--trash-all-but-first")))
            return Text::tr("--link and --trash-all-but-first cannot be given together");
        if (m_empty)
            return Text::tr("--link and --empty cannot be given together");
        setRemoval({QStringLiteral("--link"), {sw::RemovalWording::Action::LinkDuplicates, false}, clirun::Deed::Link,
                    true});
    }
    return std::nullopt;
}

int DupsCommand::execute(const CliOptions &options)
{
    if (!options.isSet(QStringLiteral("--clear-cache")))
        return FinderCommand::execute(options);
    const QString path = ORDupDataCollection::hashCachePath();
    if (!ORDupDataCollection::clearHashCache()) {
        tell("dups", Text::tr("could not remove %1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno))));
        return 1;
    }
    std::fputs(Text::tr("Forgot the digests kept in %1.\n").arg(path).toLocal8Bit().constData(), stdout);
    return 0;
}

bool DupsCommand::asksRemoval(const CliOptions &options) const
{
    return FinderCommand::asksRemoval(options) || (m_empty && options.isSet(QStringLiteral("--yes")));
}

sw::RemovalReport DupsCommand::remove(sw::JobControl &job)
{
    ORDupDataCollection &engine = ORDupDataCollection::shareInstance();
    return m_link ? engine.replaceWithLinks(job, *m_link) : engine.remove(job);
}

// As the result page's auto-select: every copy but the one the rule keeps;
// every empty or broken item.
ToolCommand::Plan DupsCommand::plan()
{
    const sw::DupKeeper keeper(m_keep);
    for (ORDupDataGroup &group : m_data->dupGroups) {
        if (group.allMayGo)
            sw::selection::setGroupMarked(group, true);
        else
            sw::DupCopyLimit::setGroupMarked(group, true, keeper.keptCopy(group));
    }
    return markedItems(m_data->dupGroups);
}

void DupsCommand::writeResult(JsonWriter &json) const
{
    json.key("dupGroups").beginArray();
    for (const ORDupDataGroup &group : m_data->dupGroups)
        writeGroup(&json, group);
    writeEnd(&json, m_data->dupGroups.size(), m_data->dupTotalSize);
}

void DupsCommand::writeResult(FILE *) const
{
    if (m_csv) {
        const QByteArray csv = sw::DupResultCsv::write(*m_data, sw::DupResultCsv::keptBy(sw::DupKeeper(m_keep)));
        std::fwrite(csv.constData(), 1, size_t(csv.size()), stdout);
        return;
    }
    for (const ORDupDataGroup &group : m_data->dupGroups)
        writeGroup(nullptr, group);
    writeEnd(nullptr, m_data->dupGroups.size(), m_data->dupTotalSize);
}

void DupsCommand::beginListing(JsonWriter *json)
{
    if (json)
        json->key("dupGroups").beginArray();
    m_listedGroups = 0;
    ORDupDataCollection::shareInstance().setGroupSink([this, json](const ORDupDataGroup &group) {
        writeGroup(json, group);
        ++m_listedGroups;
    });
}

void DupsCommand::endListing(JsonWriter *json) const
{
    writeEnd(json, m_listedGroups, m_data->dupTotalSize);
}

void DupsCommand::writeGroup(JsonWriter *json, const ORDupDataGroup &group) const
{
    if (json) {
        json->beginObject(JsonWriter::Layout::Inline);
        json->member("groupName", group.groupName);
        json->member("groupType", group.groupType);
        json->member("groupSize", group.groupSize);
        json->key("groupItems").beginArray();
        for (const ORDupDataItem &item : group.groupItems) {
            json->beginObject(JsonWriter::Layout::Inline);
            json->member("itemPath", item.itemPath);
            json->member("itemSize", item.itemSize);
            json->member("itemModTime", isoTime(item.itemModTime));
            if (m_references)
                json->member("isReference", item.isReference);
            if (item.isTooNew)
                json->member("isTooNew", true);
            json->endObject();
        }
        json->endArray();
        json->endObject();
        return;
    }
    const qint64 copy = group.groupItems.isEmpty() ? 0 : group.groupItems.constFirst().itemSize;
    QString text = group.allMayGo ? Text::tr("%1  %n item(s), %2\n", nullptr, int(group.groupItems.size()))
                                        .arg(group.groupName, ORUtility::sizeFormatWithNumber(group.groupSize))
                                  : Text::tr("%1  %n copies of %2\n", nullptr, int(group.groupItems.size()))
                                        .arg(group.groupName, ORUtility::sizeFormatWithNumber(copy));
    //: Marks a copy in a folder of originals in the list of a set's copies
    const QString reference = Text::tr("reference");
    //: Marks a copy modified within --older-than DAYS, which stays, in the list of a set's copies
    const QString recent = Text::tr("recent");
    for (const ORDupDataItem &item : group.groupItems)
        text += item.isReference ? QStringLiteral("  %1  [%2]\n").arg(item.itemPath, reference)
                : item.isTooNew  ? QStringLiteral("  %1  [%2]\n").arg(item.itemPath, recent)
                                 : QStringLiteral("  %1\n").arg(item.itemPath);
    std::fputs(text.toLocal8Bit().constData(), stdout);
}

void DupsCommand::writeEnd(JsonWriter *json, qint64 groups, qint64 totalSize) const
{
    if (json) {
        json->endArray();
        json->member("dupTotalSize", totalSize);
        return;
    }
    const QString found = m_empty ? Text::tr("Found %n kind(s) of empty or broken items, %1 in all.\n", nullptr, int(groups))
                                  : Text::tr("Found %n set(s) of duplicates, %1 in all copies.\n", nullptr, int(groups));
    std::fputs(found.arg(ORUtility::sizeFormatWithNumber(totalSize)).toLocal8Bit().constData(), stdout);
}
