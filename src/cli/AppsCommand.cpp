// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/AppsCommand.h"

#include "cli/CliOptions.h"
#include "cli/KeepPathOption.h"
#include "cli/WordColumn.h"
#include "core/foundation/ORUtility.h"
#include "core/platform/ORLayout.h"
#include "core/uninst/AppTicks.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace {

// One context for the texts of this file, whichever function shows them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(AppsCommand)
};

// The tokens of the JSON report.
const char *kindName(sw::AppItemKind kind)
{
    switch (kind) {
    case sw::AppItemKind::App: return "app";
    case sw::AppItemKind::Cache: return "cache";
    case sw::AppItemKind::Settings: return "settings";
    case sw::AppItemKind::Data: return "data";
    }
    return "data";
}

const char *sourceToken(sw::AppSource source)
{
    switch (source) {
    case sw::AppSource::MacBundle: return "bundle";
    case sw::AppSource::AppImage: return "appimage";
    case sw::AppSource::Home: return "home";
    case sw::AppSource::Flatpak: return "flatpak";
    case sw::AppSource::Debian: return "package";
    }
    return "bundle";
}

// The same for people, in the list.
QString kindWord(sw::AppItemKind kind)
{
    switch (kind) {
    case sw::AppItemKind::App: return Text::tr("app", "an application's own files");
    case sw::AppItemKind::Cache: return Text::tr("cache", "an application's cache");
    case sw::AppItemKind::Settings: return Text::tr("settings", "an application's settings");
    case sw::AppItemKind::Data: break;
    }
    return Text::tr("data", "the user's data of an application");
}

QString sourceWord(sw::AppSource source)
{
    switch (source) {
    case sw::AppSource::MacBundle: return Text::tr("bundle", "an application installed as a bundle");
    case sw::AppSource::AppImage: return Text::tr("appimage", "an application installed as an AppImage");
    case sw::AppSource::Home: return Text::tr("home", "an application installed in the home folder");
    case sw::AppSource::Flatpak: return Text::tr("flatpak", "an application installed as a Flatpak");
    case sw::AppSource::Debian: break;
    }
    return Text::tr("package", "an application installed as a system package");
}

}  // namespace

AppsCommand::AppsCommand()
    : PickCommand("apps", {sw::RemovalWording::Action::Uninstall, false})
{
}

void AppsCommand::declareOptions(CliOptions &options) const
{
    PickCommand::declareOptions(options);
    options.addFlags({QStringLiteral("--with-data")});
    KeepPathOption::declare(options);
}

std::optional<QString> AppsCommand::configure(const CliOptions &options)
{
    m_withData = options.isSet(QStringLiteral("--with-data"));
    if (m_withData && !options.isSet(QStringLiteral("--remove")))
        return Text::tr("--with-data goes with --remove");
    KeepPathOption::apply(options);
    return PickCommand::configure(options);
}

// A run that removes reports its own ticks; a listing what removing each
// application would take.
bool AppsCommand::ticked(const ORAppDataItem &item) const
{
    return m_picks.isEmpty() ? sw::AppTicks::tickedWithApplication(item.kind) : item.isDel;
}

QString AppsCommand::help() const
{
    return Text::tr(
               "Usage: sweepwright-cli apps [--layout L] [--root R] [--home H] [--json]\n"
               "                            [--remove APP... [--with-data] [--yes | --dry-run]]\n"
               "Lists the installed applications, each with its own files and what it left in the\n"
               "home that is its alone, by kind (app, cache, settings, and the user's data: what\n"
               "lies in XDG_DATA_HOME, ~/.var/app/ID/data or a dot folder such as ~/.thunderbird),\n"
               "and their sizes; [x] (\"isDel\" in JSON) marks what removing the application takes\n"
               "(with --remove: what this run takes).\n"
               "With --remove the application APP is removed with its ticked items: all but the\n"
               "user's data, unless --with-data is given. What the user owns goes to the Trash,\n"
               "where it can be restored. It asks first on a terminal, or goes with --yes;\n"
               "otherwise the plan is printed and nothing is removed (exit status 2). APP is the name as listed, or, where several applications\n"
               "share a name, one of its identifiers: the desktop-file id, the Flatpak id, the\n"
               "package name or its path; a shared name removes nothing and lists the candidates\n"
               "(exit status 2). The application goes first (packages by their package manager,\n"
               "files only an administrator may remove after one password prompt); its leftovers\n"
               "only once it is gone, else they stay and the report says why. Ctrl-C stops the\n"
               "scan, or the removal after the current item (exit status 130).\n"
               "\n"
               "  --json         print one JSON object instead of a list\n"
               "  --remove APP   remove the application APP and its leftovers (repeatable)\n"
               "  --with-data    with --remove, take the user's data of APP too\n"
               "  --yes          remove without asking\n"
               "  --dry-run      show what --remove would remove, and remove nothing\n"
               "  --help         show this text\n"
               "  -V, --version  show the version\n")
           + KeepPathOption::help() + ORLayout::optionsHelp();
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
    QString text = Text::tr("\"%1\" names %n applications; give one of their identifiers or paths:", nullptr,
                                    int(groups.size()))
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
            return Text::tr("found no application \"%1\"").arg(pick);
        if (groups.size() > 1)
            return ambiguity(pick, groups, apps);
        chosen.append(groups.constFirst());
    }
    // Nothing is ticked before every pick is known to name one application.
    for (const qsizetype i : std::as_const(chosen))
        sw::AppTicks::markApplication(m_data->appGroups[i], true, m_withData);
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
        json.member("appSource", sourceToken(group.appSource));
        json.member("appIdentifier", group.appIdentifier);
        json.key("groupItems").beginArray();
        for (const ORAppDataItem &item : group.groupItems) {
            json.beginObject(JsonWriter::Layout::Inline);
            json.member("itemPath", item.itemPath);
            json.member("itemSize", item.itemSize);
            json.member("kind", kindName(item.kind));
            json.member("isDel", ticked(item));
            json.endObject();
        }
        json.endArray();
        json.endObject();
    }
    json.endArray();
}

void AppsCommand::writeResult(FILE *out) const
{
    using Kind = sw::AppItemKind;
    using Source = sw::AppSource;
    const WordColumn sources({sourceWord(Source::MacBundle), sourceWord(Source::AppImage), sourceWord(Source::Home),
                              sourceWord(Source::Flatpak), sourceWord(Source::Debian)});
    const WordColumn kinds(
        {kindWord(Kind::App), kindWord(Kind::Cache), kindWord(Kind::Settings), kindWord(Kind::Data)});
    for (const ORAppDataGroup &group : m_data->appGroups) {
        QString text = QStringLiteral("%1 %2 %3\n")
                           .arg(WordColumn::padded(group.groupName, 32))
                           .arg(sources.cell(sourceWord(group.appSource)))
                           .arg(ORUtility::sizeFormatWithNumber(group.groupSize), 11);
        for (const ORAppDataItem &item : group.groupItems)
            text += QStringLiteral("  [%1] %2 %3  %4\n")
                        .arg(QLatin1Char(ticked(item) ? 'x' : ' '))
                        .arg(kinds.cell(kindWord(item.kind)))
                        .arg(ORUtility::sizeFormatWithNumber(item.itemSize), 11)
                        .arg(item.itemPath);
        std::fputs(text.toLocal8Bit().constData(), out);
    }
    std::fputs(Text::tr("Found %n application(s), %1 in total.\n", nullptr, int(m_data->appGroups.size()))
                   .arg(ORUtility::sizeFormatWithNumber(m_data->appTotalSize))
                   .toLocal8Bit()
                   .constData(),
               out);
}
