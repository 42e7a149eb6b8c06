// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/uninst/LauncherPrograms.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>

namespace sw {

namespace {

// File-name patterns (wildcards as in a shell). The rows come from the
// shells of Debian's /etc/shells, the interpreters packaged scripts name in
// their #! lines (python3.11, perl5.36, ...), the runtimes desktop entries
// start an application's code with (java -jar, mono, gjs, electron), and the
// launchers they start one through (env, flatpak run, snap run, xdg-open,
// a privilege or sandbox wrapper).
constexpr std::array kLaunchers{
    // shells
    "sh", "bash", "dash", "zsh", "ksh", "mksh", "csh", "tcsh", "fish", "busybox",
    // interpreters and runtimes
    "python", "python2*", "python3*", "pypy*", "perl", "perl5*", "ruby", "ruby[0-9]*", "node", "nodejs", "deno",
    "bun", "php", "php[0-9]*", "lua", "lua[0-9]*", "luajit", "tclsh*", "wish", "wish8*", "Rscript", "guile*", "java",
    "javaw", "mono", "dotnet", "gjs", "cjs", "seed", "qml", "qmlscene", "electron", "electron[0-9]*",
    "wine", "wine64", "wine-stable", "proton",
    // launchers and wrappers
    "env", "exec", "nice", "ionice", "taskset", "nohup", "setsid", "sudo", "pkexec", "gksu", "kdesu", "su",
    "firejail", "bwrap", "flatpak", "snap", "xdg-open", "gio", "gtk-launch", "kioclient", "kioclient5",
    "kstart", "kstart5", "exo-open", "dbus-launch", "dbus-run-session", "systemd-run", "appimage-run", "steam-run",
};

}  // namespace

bool isLauncherProgram(const QString &fileName)
{
    static const QList<QRegularExpression> patterns = [] {
        QList<QRegularExpression> out;
        for (const char *row : kLaunchers)
            out.append(QRegularExpression(QRegularExpression::wildcardToRegularExpression(QString::fromLatin1(row))));
        return out;
    }();
    return std::any_of(patterns.cbegin(), patterns.cend(),
                       [&fileName](const QRegularExpression &pattern) { return pattern.match(fileName).hasMatch(); });
}

}  // namespace sw
