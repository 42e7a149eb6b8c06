#include "DupsCommand.h"

#include "CliOptions.h"
#include "DupCopyLimit.h"
#include "JunkReport.h"
#include "LargeCommand.h"
#include "ORDupDataCollection.h"
#include "ORLayout.h"
#include "ORUtility.h"

#include <cstdio>

namespace {

QString usage()
{
    return QStringLiteral(
               "Usage: sweepwright-cli dups [FOLDER...] [--layout L] [--root R] [--home H] [--json] [--quick]\n"
               "                            [--trash-all-but-first]\n"
               "Lists the sets of duplicate files and packages larger than 16 KiB in the folders\n"
               "(default: the layout's documents and music folders), largest first. Candidates of equal\n"
               "size and sampled digest are compared byte by byte; hard links to one file count once.\n"
               "\n"
               "  --json                 print one JSON object instead of a list\n"
               "  --quick                for files, trust equal size and sampled digest (up to three\n"
               "                         4 KiB blocks: at the start and spread over the file) without\n"
               "                         comparing whole contents: faster, but files that differ\n"
               "                         elsewhere are reported as duplicates. Packages are always\n"
               "                         compared by content: their digest holds only item names\n"
               "  --trash-all-but-first  move every copy but the first of each set to the Trash (after a\n"
               "                         question on a terminal, or with --yes), then report what was\n"
               "                         moved and what was not (with the reason)\n"
               "  --yes                  move without asking\n"
               "  --dry-run              show what --trash-all-but-first would move, and move nothing\n"
               "  --help                 show this text\n"
               "Exits 1 when an item could not be moved, 2 for a usage error or a folder that does not\n"
               "exist or cannot be read.\n")
           + ORLayout::optionsHelp();
}

// Written group by group: a large result is not held twice.
void writeJson(const ORDupData &data, FILE *out)
{
    findercli::write(out, "{\n  \"dupTotalSize\": " + QByteArray::number(data.dupTotalSize) + ",\n  \"dupGroups\": [");
    for (qsizetype g = 0; g < data.dupGroups.size(); ++g) {
        const ORDupDataGroup &group = data.dupGroups.at(g);
        QByteArray text = (g ? ",\n" : "\n") + QByteArray("    {\"groupName\": ") + JunkReport::jsonString(group.groupName)
                          + ", \"groupType\": " + JunkReport::jsonString(group.groupType)
                          + ", \"groupSize\": " + QByteArray::number(group.groupSize) + ", \"groupItems\": [";
        for (qsizetype i = 0; i < group.groupItems.size(); ++i) {
            const ORDupDataItem &item = group.groupItems.at(i);
            text += (i ? ",\n      " : "\n      ") + QByteArray("{\"itemPath\": ") + JunkReport::jsonString(item.itemPath)
                    + ", \"itemSize\": " + QByteArray::number(item.itemSize) + '}';
        }
        findercli::write(out, text + "\n    ]}");
    }
    findercli::write(out, data.dupGroups.isEmpty() ? "]" : "\n  ]");
}

void writeList(const ORDupData &data, FILE *out)
{
    for (const ORDupDataGroup &group : data.dupGroups) {
        const qint64 copy = group.groupItems.isEmpty() ? 0 : group.groupItems.constFirst().itemSize;
        QString text = QStringLiteral("%1  %2 copies of %3\n")
                           .arg(group.groupName)
                           .arg(group.groupItems.size())
                           .arg(ORUtility::sizeFormatWithNumber(copy));
        for (const ORDupDataItem &item : group.groupItems)
            text += QStringLiteral("  %1\n").arg(item.itemPath);
        findercli::write(out, text.toLocal8Bit());
    }
    findercli::write(out, QStringLiteral("Found %1 sets of duplicates, %2 in all copies.\n")
                              .arg(data.dupGroups.size())
                              .arg(ORUtility::sizeFormatWithNumber(data.dupTotalSize))
                              .toLocal8Bit());
}

}  // namespace

int runDupsCommand(const QStringList &args)
{
    const findercli::Finder<ORDupDataCollection, ORDupData> dups{
        "dups",
        usage(),
        QStringLiteral("--trash-all-but-first"),
        {QStringLiteral("--quick")},
        {QStringLiteral("dupicon"), QStringLiteral("duplicatesize")},
        &ORDupDataCollection::dupData,
        &ORDupDataCollection::deleteDups,
        // As the result page's auto-select: every copy but the first.
        [](ORDupData &data) {
            QStringList plan;
            for (ORDupDataGroup &group : data.dupGroups) {
                sw::DupCopyLimit::setGroupMarked(group, true);
                for (const ORDupDataItem &item : group.groupItems)
                    if (item.isDel)
                        plan.append(item.itemPath);
            }
            return plan;
        },
        writeJson,
        writeList,
        [](ORDupDataCollection &engine, const CliOptions &options) {
            engine.setConfirmContents(!options.isSet(QStringLiteral("--quick")));
        },
    };
    return findercli::run(dups, args);
}
