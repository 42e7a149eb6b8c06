// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ExtensionsCommand.h"

#include "cli/WordColumn.h"
#include "core/foundation/ORUtility.h"
#include "core/platform/ORLayout.h"

#include <QCoreApplication>
#include <QDir>

namespace {

// One context for the texts of this file, whichever function shows them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(ExtensionsCommand)
};

}  // namespace

ExtensionsCommand::ExtensionsCommand()
    : PickCommand("extensions", {sw::RemovalWording::Action::RemoveExtensions, false})
{
}

QString ExtensionsCommand::help() const
{
    return Text::tr(
               "Usage: sweepwright-cli extensions [--layout L] [--root R] [--home H] [--json]\n"
               "                                  [--remove PATH... [--yes | --dry-run]]\n"
               "Lists the add-ons of the layout (browser extensions, plug-ins, preview and search\n"
               "add-ons and the like), by category, with their sizes, each with the browser or\n"
               "desktop it belongs to and its browser profile (JSON: itemOwner, itemProfile), and\n"
               "whether it is enabled where the browser's own files tell (itemEnabled; left out\n"
               "otherwise). With --remove the items of\n"
               "those paths (as listed) are removed, after a question on a terminal or with --yes;\n"
               "otherwise the plan is printed and nothing is removed (exit status 2). Items only an\n"
               "administrator may remove go last, after one password prompt. Ctrl-C stops the scan,\n"
               "or the removal after the current item (exit status 130).\n"
               "\n"
               "  --json         print one JSON object instead of a list\n"
               "  --remove PATH  remove the add-on at PATH (repeatable)\n"
               "  --yes          remove without asking\n"
               "  --dry-run      show what --remove would remove, and remove nothing\n"
               "  --help         show this text\n"
               "  -V, --version  show the version\n")
           + ORLayout::optionsHelp();
}

QString ExtensionsCommand::normalized(const QString &path) const
{
    return QDir::cleanPath(QDir::current().absoluteFilePath(path));
}

std::optional<QString> ExtensionsCommand::tick(const QStringList &paths)
{
    sw::selection::setAllGroupsMarked(m_data->extGroups, false);
    for (const QString &path : paths) {
        bool found = false;
        for (ORExtGroup &group : m_data->extGroups)
            for (qsizetype i = 0; i < group.groupItems.size(); ++i)
                if (group.groupItems.at(i).itemPath == path) {
                    sw::selection::setItemMarked(group, i, true);
                    found = true;
                }
        if (!found)
            return Text::tr("found no add-on %1").arg(path);
    }
    m_data->extSelectedSize = sw::selection::selectedSize(m_data->extGroups);
    return std::nullopt;
}

ToolCommand::Plan ExtensionsCommand::plan()
{
    return markedItems(m_data->extGroups);
}

void ExtensionsCommand::writeResult(JsonWriter &json) const
{
    json.member("extTotalSize", m_data->extTotalSize);
    json.key("extGroups").beginArray();
    for (const ORExtGroup &group : m_data->extGroups) {
        json.beginObject(JsonWriter::Layout::Inline);
        json.member("groupID", group.groupID);
        json.member("groupName", group.groupName);
        json.member("groupInfo", group.groupInfo);
        json.member("groupSize", group.groupSize);
        json.key("groupItems").beginArray();
        for (const ORExtItem &item : group.groupItems) {
            json.beginObject(JsonWriter::Layout::Inline);
            json.member("itemPath", item.itemPath);
            json.member("itemName", item.itemName);
            json.member("itemSize", item.itemSize);
            json.member("itemOwner", item.itemOwner);
            json.member("itemProfile", item.itemProfile);
            if (item.itemEnabled)  // left out where the owner's files do not tell
                json.member("itemEnabled", *item.itemEnabled);
            json.endObject();
        }
        json.endArray();
        json.endObject();
    }
    json.endArray();
}

void ExtensionsCommand::writeResult(FILE *out) const
{
    // An add-on's state, left empty where the owner's files do not tell.
    const QString enabled = Text::tr("enabled", "an add-on");
    const QString disabled = Text::tr("disabled", "an add-on");
    const WordColumn states({enabled, disabled});
    qsizetype items = 0;
    for (const ORExtGroup &group : m_data->extGroups) {
        QString text = QStringLiteral("%1 %2\n")
                           .arg(WordColumn::padded(group.groupName, 32))
                           .arg(ORUtility::sizeFormatWithNumber(group.groupSize), 11);
        for (qsizetype i = 0; i < group.groupItems.size(); ++i) {
            const ORExtItem &item = group.groupItems.at(i);
            const QString state = !item.itemEnabled ? QString() : *item.itemEnabled ? enabled : disabled;
            text += QStringLiteral("  %1  %2  %3  %4\n")
                        .arg(ORUtility::sizeFormatWithNumber(item.itemSize), 11)
                        .arg(states.cell(state))
                        .arg(group.itemTitle(i, true), item.itemPath);
        }
        items += group.groupItems.size();
        std::fputs(text.toLocal8Bit().constData(), out);
    }
    std::fputs(Text::tr("Found %n add-on(s), %1 in total.\n", nullptr, int(items))
                   .arg(ORUtility::sizeFormatWithNumber(m_data->extTotalSize))
                   .toLocal8Bit()
                   .constData(),
               out);
}
