// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// Where the tools look. Every absolute location an engine reads or removes is
// built from here, never from a literal path in an engine.
//
// Two layouts exist: `macos` (a Mac home and system below root and home) and
// `freedesktop` (XDG base and user folders, the freedesktop Trash, /var/cache,
// /var/log, Flatpak data). Root and home can be overridden by the options
// --layout/--root/--home or the variables SWEEPWRIGHT_LAYOUT/_ROOT/_HOME.
// The XDG variables are honoured when absolute, unless a home was given: then
// the defaults under that home hold, so a fixture home is never mixed with the
// developer's own folders.
//
// Configure once at start-up, before any worker thread runs.
class ORLayout
{
public:
    enum class Kind { Freedesktop, MacOS };

    // Reads the environment, then the options in args (which win). Returns an
    // error text for an unknown layout name, else an empty string.
    static QString configure(const QStringList &args);
    static void set(Kind kind, const QString &root = QString(), const QString &home = QString());
    static void reset();

    static Kind kind();
    static QString kindName();
    static bool isMacOS() { return kind() == Kind::MacOS; }
    static bool isFreedesktop() { return kind() == Kind::Freedesktop; }

    static QString root();                        // "/" unless overridden
    static QString home();                        // the real home unless overridden
    static bool homeOverridden();
    // The home of the real user from the password database (getpwuid(getuid())),
    // not $HOME. A user without an entry gets $HOME, with a warning; empty
    // when there is no $HOME either (configure() then refuses to go on).
    static QString realHome();
    static QString rootPath(const QString &rel);  // root joined with rel ("Library/Caches")
    static QString homePath(const QString &rel);  // home joined with rel

    // XDG base folders ($XDG_*_HOME when absolute and no home override).
    static QString cacheHome();
    static QString configHome();
    static QString dataHome();
    static QString stateHome();
    // An XDG user folder (DOWNLOAD, DOCUMENTS, MUSIC, VIDEOS, ...) from
    // configHome()/user-dirs.dirs, else HOME/fallback.
    static QString userDir(const QString &key, const QString &fallback);
    static QString downloadDir();
    static QString trashDir();  // dataHome()/Trash (freedesktop) or HOME/.Trash (macos)
    static QString loginName();

    // Options every program understands, for --help texts.
    static QString optionsHelp();
};

namespace sw {
// The application's identifier: desktop-file id, D-Bus name, own bundle id.
inline constexpr char kAppId[] = "org.sweepwright.Sweepwright";
inline constexpr char kAppName[] = "Sweepwright";
}  // namespace sw
