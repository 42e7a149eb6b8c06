#include "AppsCommand.h"

#include "ORLayout.h"
#include "ORUtility.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>

AppsCommand::AppsCommand()
    : PickCommand("apps", {sw::RemovalWording::Action::Uninstall, false})
{
}

QString AppsCommand::help() const
{
    return QStringLiteral(
               "Usage: sweepwright-cli apps [--layout L] [--root R] [--home H] [--json]\n"
               "                            [--remove APP... [--yes | --dry-run]]\n"
               "Lists the installed applications, each with its own files and what it left in the\n"
               "home that is its alone (caches, support files, settings), and their sizes. With\n"
               "--remove the application APP is removed with every item listed for it, after a\n"
               "question on a terminal or with --yes; otherwise the plan is printed and nothing is\n"
               "removed (exit status 2). APP is the name as listed, or, where several applications\n"
               "share a name, one of its identifiers: the desktop-file id, the Flatpak id, the\n"
               "package name or its path; a shared name removes nothing and lists the candidates\n"
               "(exit status 2). The application goes first (packages by their package manager,\n"
               "files only an administrator may remove after one password prompt); its leftovers\n"
               "only once it is gone, else they stay and the report says why. Ctrl-C stops the\n"
               "scan, or the removal after the current item (exit status 130).\n"
               "\n"
               "  --json         print one JSON object instead of a list\n"
               "  --remove APP   remove the application APP and its leftovers (repeatable)\n"
               "  --yes          remove without asking\n"
               "  --dry-run      show what --remove would remove, and remove nothing\n"
               "  --help         show this text\n"
               "  --version      show the version\n")
           + ORLayout::optionsHelp();
}

QList<qsizetype> AppsCommand::groupsNamed(const QString &pick, const sw::InstalledApps &apps) const
{
    const QString path = pick.contains(QLatin1Char('/')) ? QFileInfo(pick).absoluteFilePath() : QString();
    QList<qsizetype> groups;
    for (qsizetype i = 0; i < m_data->appGroups.size(); ++i) {
        const sw::InstalledApp app = apps.value(i);
        if (m_data->appGroups.at(i).groupName == pick || (!pick.isEmpty() && (app.identifier == pick || app.desktopId == pick))
            || (!path.isEmpty() && QDir::cleanPath(app.bundlePath) == path))
            groups.append(i);
    }
    return groups;
}

QString AppsCommand::ambiguity(const QString &pick, const QList<qsizetype> &groups, const sw::InstalledApps &apps) const
{
    QString text = QCoreApplication::translate("AppsCommand", "\"%1\" names %n applications; give one of their identifiers or paths:",
                                               nullptr, int(groups.size()))
                       .arg(pick);
    for (const qsizetype i : groups) {
        const sw::InstalledApp app = apps.value(i);
        text += QStringLiteral("\n  %1  %2  %3  %4")
                    .arg(m_data->appGroups.at(i).groupName, sw::sourceName(app.source),
                         app.identifier.isEmpty() ? app.desktopId : app.identifier, app.bundlePath);
    }
    return text;
}

std::optional<QString> AppsCommand::tick(const QStringList &picks)
{
    sw::selection::setAllGroupsMarked(m_data->appGroups, false);
    const sw::InstalledApps apps = ORAppDataCollection::shareInstance().installedApps();
    QList<qsizetype> chosen;
    for (const QString &pick : picks) {
        const QList<qsizetype> groups = groupsNamed(pick, apps);
        if (groups.isEmpty())
            return QCoreApplication::translate("AppsCommand", "found no application \"%1\"").arg(pick);
        if (groups.size() > 1)
            return ambiguity(pick, groups, apps);
        chosen.append(groups.constFirst());
    }
    // Nothing is ticked before every pick is known to name one application.
    for (const qsizetype i : std::as_const(chosen))
        sw::selection::setGroupMarked(m_data->appGroups[i], true);
    m_data->appSelectedSize = sw::selection::selectedSize(m_data->appGroups);
    return std::nullopt;
}

// A path two applications list goes once.
ToolCommand::Plan AppsCommand::plan()
{
    Plan once;
    once.count = 0;  // the question counts applications
    QSet<QString> seen;
    for (const ORAppDataGroup &group : std::as_const(m_data->appGroups)) {
        bool picked = false;
        for (const ORAppDataItem &item : group.groupItems)
            if (item.isDel && !seen.contains(item.itemPath)) {
                seen.insert(item.itemPath);
                once.paths.append(item.itemPath);
                once.bytes += item.itemSize;
                picked = true;
            }
        once.count += picked ? 1 : 0;
    }
    return once;
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
    std::fputs(QCoreApplication::translate("AppsCommand", "Found %n application(s), %1 in total.\n", nullptr,
                                           int(m_data->appGroups.size()))
                   .arg(ORUtility::sizeFormatWithNumber(m_data->appTotalSize))
                   .toLocal8Bit()
                   .constData(),
               out);
}
