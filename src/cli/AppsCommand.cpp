#include "AppsCommand.h"

#include "ORLayout.h"
#include "ORUtility.h"

AppsCommand::AppsCommand()
    : PickCommand("apps")
{
}

QString AppsCommand::help() const
{
    return QStringLiteral(
               "Usage: sweepwright-cli apps [--layout L] [--root R] [--home H] [--json]\n"
               "                            [--remove NAME... [--yes | --dry-run]]\n"
               "Lists the installed applications, each with its own files and what it left in the\n"
               "home (caches, support files, settings), and their sizes. With --remove every item of\n"
               "the applications named (as listed) is removed, after a question on a terminal or with\n"
               "--yes; otherwise the plan is printed and nothing is removed (exit status 2). Packages\n"
               "are removed by their package manager, files only an administrator may remove after\n"
               "one password prompt. Ctrl-C stops the scan, or the removal after the current item\n"
               "(exit status 130).\n"
               "\n"
               "  --json         print one JSON object instead of a list\n"
               "  --remove NAME  remove every item of the application NAME (repeatable)\n"
               "  --yes          remove without asking\n"
               "  --dry-run      show what --remove would remove, and remove nothing\n"
               "  --help         show this text\n"
               "  --version      show the version\n")
           + ORLayout::optionsHelp();
}

std::optional<QString> AppsCommand::tick(const QStringList &names)
{
    sw::selection::setAllGroupsMarked(m_data->appGroups, false);
    for (const QString &wanted : names) {
        bool found = false;
        for (ORAppDataGroup &group : m_data->appGroups)
            if (group.groupName == wanted) {
                sw::selection::setGroupMarked(group, true);
                found = true;
            }
        if (!found)
            return QStringLiteral("application \"%1\"").arg(wanted);
    }
    m_data->appSelectedSize = sw::selection::selectedSize(m_data->appGroups);
    return std::nullopt;
}

ToolCommand::Plan AppsCommand::plan()
{
    return markedItems(m_data->appGroups);
}

void AppsCommand::writeResult(JsonWriter &json) const
{
    json.member("appTotalSize", m_data->appTotalSize);
    json.key("appGroups").beginArray();
    for (const ORAppDataGroup &group : m_data->appGroups) {
        json.beginObject(JsonWriter::Layout::Inline);
        json.member("groupName", group.groupName);
        json.member("groupSize", group.groupSize);
        json.key("groupItems").beginArray();
        for (const ORAppDataItem &item : group.groupItems) {
            json.beginObject(JsonWriter::Layout::Inline);
            json.member("itemPath", item.itemPath);
            json.member("itemSize", item.itemSize);
            json.endObject();
        }
        json.endArray();
        json.endObject();
    }
    json.endArray();
}

void AppsCommand::writeResult(FILE *out) const
{
    for (const ORAppDataGroup &group : m_data->appGroups) {
        QString text = QStringLiteral("%1 %2\n")
                           .arg(group.groupName, -32)
                           .arg(ORUtility::sizeFormatWithNumber(group.groupSize), 11);
        for (const ORAppDataItem &item : group.groupItems)
            text += QStringLiteral("  %1  %2\n").arg(ORUtility::sizeFormatWithNumber(item.itemSize), 11)
                        .arg(item.itemPath);
        std::fputs(text.toLocal8Bit().constData(), out);
    }
    std::fputs(QStringLiteral("Found %1 applications, %2 in total.\n")
                   .arg(m_data->appGroups.size())
                   .arg(ORUtility::sizeFormatWithNumber(m_data->appTotalSize))
                   .toLocal8Bit()
                   .constData(),
               out);
}
