// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/LargeCommand.h"

#include "cli/JsonWriter.h"
#include "cli/KeepPathOption.h"
#include "cli/WordColumn.h"
#include "core/foundation/ORSelection.h"
#include "core/foundation/ORUtility.h"
#include "core/platform/ORLayout.h"

#include <QCoreApplication>

namespace {

// One context for the texts of this file, whichever function shows them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(LargeCommand)
};

}  // namespace

LargeCommand::LargeCommand()
    : FinderCommand("large", QStringLiteral("--trash"), sw::RemovalWording::Action::DeleteLargeFiles)
{
}

QString LargeCommand::help() const
{
    return Text::tr(
               "Usage: sweepwright-cli large [FOLDER...] [--layout L] [--root R] [--home H] [--json]\n"
               "                             [--trash [--yes | --dry-run]]\n"
               "Lists the files and packages of 32 MB and more in the folders (default: the layout's\n"
               "default folders, below), in five size bands. A FOLDER of \"-\" reads the folders from\n"
               "standard input, one a line or separated by NUL bytes. Hidden folders and docsets are\n"
               "not entered; source, build and database files are left out, and so are the system's\n"
               "protected folders, which are named on stderr. With --trash every listed item\n"
               "is moved to the Trash (restorable from the desktop's Trash), after a question on a\n"
               "terminal or with --yes; otherwise the plan is printed and nothing moves (exit status 2).\n"
               "Ctrl-C stops the scan, or the moving after the current item (exit status 130).\n"
               "\n"
               "  --json         print one JSON object instead of a table\n"
               "  --trash        move every listed item to the Trash, then report what was moved\n"
               "  --yes          move without asking\n"
               "  --dry-run      show what --trash would move, and move nothing\n"
               "  --help         show this text\n"
               "  -V, --version  show the version\n")
           + OlderThanOption::finderHelp() + KeepPathOption::help()
           + defaultFoldersHelp(ORBigDataCollection::defaultFolders()) + ORLayout::optionsHelp();
}

ToolCommand::Plan LargeCommand::plan()
{
    sw::selection::setAllGroupsMarked(m_data->bigGroups, true);
    return markedItems(m_data->bigGroups);
}

void LargeCommand::writeResult(JsonWriter &json) const
{
    json.member("bigTotalSize", m_data->bigTotalSize);
    json.key("bigGroups").beginArray();
    for (const ORBigDataGroup &group : m_data->bigGroups) {
        json.beginObject(JsonWriter::Layout::Inline);
        json.member("bigID", group.bigID);
        json.member("groupName", group.groupName);
        json.member("groupSize", group.groupSize);
        json.key("groupItems").beginArray();
        for (const ORBigDataItem &item : group.groupItems) {
            json.beginObject(JsonWriter::Layout::Inline);
            json.member("itemPath", item.itemPath);
            json.member("itemSize", item.itemSize);
            json.member("itemModDate", item.itemModDate);
            json.member("itemModTime", isoTime(item.itemModTime));
            json.endObject();
        }
        json.endArray();
        json.endObject();
    }
    json.endArray();
}

void LargeCommand::writeResult(FILE *out) const
{
    qsizetype items = 0;
    for (const ORBigDataGroup &group : m_data->bigGroups) {
        QString text = QStringLiteral("%1 %2\n")
                           .arg(WordColumn::padded(group.groupName, 24))
                           .arg(ORUtility::sizeFormatWithNumber(group.groupSize), 11);
        for (const ORBigDataItem &item : group.groupItems)
            text += QStringLiteral("  %1 %2  %3\n")
                        .arg(item.itemModDate, -10)
                        .arg(ORUtility::sizeFormatWithNumber(item.itemSize), 11)
                        .arg(item.itemPath);
        items += group.groupItems.size();
        std::fputs(text.toLocal8Bit().constData(), out);
    }
    std::fputs(Text::tr("Found %1 in %n item(s) of %2 or more.\n", nullptr, int(items))
                   .arg(ORUtility::sizeFormatWithNumber(m_data->bigTotalSize),
                        ORUtility::sizeFormatWithNumber(ORBigDataCollection::kMinimumSize))
                   .toLocal8Bit()
                   .constData(),
               out);
}
