// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/uninst/PackageFiles.h"

#include <QDir>

namespace sw {

namespace {

// Where the distributions put the programs a user runs.
constexpr const char *kProgramFolders[] = {"/usr/bin/",  "/bin/",  "/usr/games/",
                                           "/usr/sbin/", "/sbin/", "/usr/local/bin/"};

}  // namespace

PackageFiles PackageFiles::of(const QStringList &listed)
{
    PackageFiles files;
    for (const QString &path : listed) {
        if (!path.startsWith(QLatin1Char('/')) || path.contains(QLatin1String("/..")))
            continue;
        files.paths.insert(path);
        if (!path.startsWith(QLatin1String("/usr/share/")))
            continue;
        const QString name = path.section(QLatin1Char('/'), 3, 3);
        files.shareNames.insert(name);
        if (name == QLatin1String("applications") && path.endsWith(QLatin1String(".desktop"))
            && path.count(QLatin1Char('/')) == 4)
            files.desktopEntries.append(path);
    }
    // Only an application's own program is ever looked for in its list.
    if (files.desktopEntries.isEmpty())
        files.paths.clear();
    return files;
}

bool PackageFiles::shipsProgram(const QString &program) const
{
    if (program.startsWith(QLatin1Char('/')))
        return paths.contains(QDir::cleanPath(program));
    if (program.isEmpty() || program.contains(QLatin1Char('/')))
        return false;
    return std::any_of(std::cbegin(kProgramFolders), std::cend(kProgramFolders),
                       [&](const char *folder) { return paths.contains(QLatin1String(folder) + program); });
}

}  // namespace sw
