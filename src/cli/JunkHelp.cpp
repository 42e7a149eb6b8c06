// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/JunkHelp.h"

#include "cli/KeepPathOption.h"
#include "cli/OlderThanOption.h"
#include "core/foundation/ORPrefConfig.h"
#include "core/junk/ORJunkCategory.h"
#include "core/platform/ORLayout.h"

#include <QCoreApplication>

namespace {

// One context for the texts of this file, the tables' too.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(JunkHelp)
};

using namespace sw::junk;

struct Removes
{
    qint64 groupID;
    const char *text;
};

// What --clean takes in each category. Folders listed in a category are
// emptied and stay, except in the Trash and Downloads, whose items go whole.
const Removes kMacos[] = {
    {AppJunk,
     QT_TRANSLATE_NOOP("JunkHelp",
                       "empties the folders in ~/Library/Caches, ~/Library/Logs, the Caches and Logs of each app\n"
                       "container and the per-user cache folder; removes the files there")},
    {Leftovers,
     QT_TRANSLATE_NOOP("JunkHelp",
                       "entries of ~/Library/Preferences, /Library/LaunchAgents, ~/Library/Saved Application\n"
                       "State, ~/Library/Parallels and ~/.cleverfiles that belong to no installed application")},
    {SysCache,
     QT_TRANSLATE_NOOP("JunkHelp",
                       "empties the folders and removes the files in /Library/Caches and /System/Library/Caches")},
    {SysLog,
     QT_TRANSLATE_NOOP("JunkHelp",
                       "empties the folders and removes the files in /Library/Logs and /var/log/asl")},
    {Mail, QT_TRANSLATE_NOOP("JunkHelp", "Mail Downloads, and image and text attachments below ~/Library/Mail")},
    {ITunes,
     QT_TRANSLATE_NOOP("JunkHelp",
                       "iOS software updates (*.ipsw in ~/Library/iTunes/iPhone and iPad Software Updates) and\n"
                       "iOS apps (*.ipa in ~/Music/iTunes/iTunes Media/Mobile Applications)")},
    {IOSBackups,
     QT_TRANSLATE_NOOP("JunkHelp",
                       "the device backups in ~/Library/Application Support/MobileSync/Backup")},
    {IOSUpdates, QT_TRANSLATE_NOOP("JunkHelp", "the *.ipsw files that category 9 removes too")},
    {Trash, QT_TRANSLATE_NOOP("JunkHelp", "everything in ~/.Trash")},
    {Downloads, QT_TRANSLATE_NOOP("JunkHelp", "everything in ~/Downloads")},
    {Xcode, QT_TRANSLATE_NOOP("JunkHelp", "empties the folders in ~/Library/Developer/Xcode/DerivedData")},
    {Browser,
     QT_TRANSLATE_NOOP("JunkHelp",
                       "empties Safari's and Chrome's history, cache, cookie and local-storage folders")},
};

const Removes kFreedesktop[] = {
    {AppJunk,
     QT_TRANSLATE_NOOP("JunkHelp",
                       "empties the folders in the cache folder (~/.cache or XDG_CACHE_HOME) and in each Flatpak\n"
                       "app's ~/.var/app/ID/cache; removes the files there")},
    {Leftovers,
     QT_TRANSLATE_NOOP("JunkHelp",
                       "desktop and autostart entries whose program is gone, and ~/.var/app data of Flatpak\n"
                       "apps installed nowhere")},
    {SysCache,
     QT_TRANSLATE_NOOP("JunkHelp",
                       "empties the folders and removes the files in /var/cache (debconf's excepted); what only\n"
                       "root may remove is left unless --admin is given")},
    {SysLog,
     QT_TRANSLATE_NOOP("JunkHelp",
                       "empties the folders and removes the files in /var/log; what only root may remove is left\n"
                       "unless --admin is given")},
    {Mail,
     QT_TRANSLATE_NOOP("JunkHelp",
                       "what mail and browser programs left in /tmp/mozilla_USER0 (only when it is your own folder)")},
    {Trash, QT_TRANSLATE_NOOP("JunkHelp", "everything in the Trash, and info files whose item is gone")},
    {Downloads, QT_TRANSLATE_NOOP("JunkHelp", "everything in the Downloads folder (XDG_DOWNLOAD_DIR)")},
    {Xcode, QT_TRANSLATE_NOOP("JunkHelp", "empties the npm, Gradle, Cargo and Go package caches")},
    {Browser,
     QT_TRANSLATE_NOOP("JunkHelp",
                       "empties Firefox's cache2 folders; removes Chrome's and Chromium's History, Cookies and\n"
                       "Local Storage of the Default profile")},
};

QString removesText(qint64 groupID)
{
    const auto find = [groupID](const auto &table) -> QString {
        for (const Removes &r : table)
            if (r.groupID == groupID)
                return QCoreApplication::translate("JunkHelp", r.text);
        return QString();
    };
    QString text = ORLayout::isMacOS() ? find(kMacos) : find(kFreedesktop);
    return text.replace(QLatin1Char('\n'), QStringLiteral("\n        "));
}

}  // namespace

QString junkHelp()
{
    QString text = Text::tr(
        "Usage: sweepwright-cli junk [--layout L] [--root R] [--home H] [--json] [--category ID]... [--all]\n"
        "                            [--clean [--yes | --dry-run] [--admin]]\n"
        "Scans the junk categories and lists what they found. With --clean it then removes what is\n"
        "marked: the items of the categories scanned, except those of the categories that start\n"
        "unmarked (marked \"unmarked\" below; they are taken when named with --category), a browser's\n"
        "history and cookies, and what only an administrator may remove (taken with --admin).\n"
        "It asks first on a terminal; elsewhere it needs --yes,\n"
        "and without it prints the plan, removes nothing and exits 2. It reports what was removed\n"
        "and what could not be (with the reason) and exits 1 when anything could not be removed.\n"
        "Ctrl-C stops the scan, or the removal after the current item (exit status 130).\n"
        "Nothing is written to the settings; login items are not touched.\n"
        "\n"
        "  --json         print one JSON object instead of a table\n"
        "  --clean        remove the marked items after the scan\n"
        "  --yes          remove without asking\n"
        "  --dry-run      show what --clean would remove, and remove nothing\n"
        "  --admin        also remove what only an administrator may, with one password prompt\n"
        "  --category ID  scan this category (repeatable) instead of the default ones\n"
        "  --all          scan every category of the layout\n"
        "  --help         show this text\n"
        "  -V, --version  show the version\n");
    text += KeepPathOption::help();
    text += Text::tr("  --profile scheduled\n"
                     "                 the run of the cleaning schedule (sweepwright-cli schedule): clean the\n"
                     "                 categories chosen for it in the preferences, leave what needs a password\n"
                     "                 and say what went in a desktop notification\n");
    text += OlderThanOption::junkHelp();
    text += ORLayout::optionsHelp();
    text += QLatin1Char('\n')
            + Text::tr("Categories of the %1 layout (* scanned by default) and what --clean removes:")
                  .arg(ORLayout::kindName())
            + QLatin1Char('\n');
    for (const ORJunkCategory &c : ORJunkCategory::categories()) {
        const bool byDefault = ORPrefConfig::startupValue(c.switchKey).toBool();
        text += QStringLiteral("  %1 %2 %3%4\n        %5\n")
                    .arg(c.groupID, 3)
                    .arg(byDefault ? '*' : ' ')
                    .arg(c.groupName(), c.initiallyMarked ? QString() : QLatin1Char(' ') + Text::tr("(unmarked)"),
                         removesText(c.groupID));
    }
    return text;
}
