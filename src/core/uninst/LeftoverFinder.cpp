// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/uninst/LeftoverFinder.h"

#include "core/foundation/ORUtility.h"
#include "core/fs/PathInside.h"
#include "core/platform/ORLayout.h"
#include "core/uninst/LauncherPrograms.h"
#include "core/uninst/XdgStateHome.h"

#include <QDir>
#include <QSet>

#include <algorithm>

namespace sw {

namespace {

QString join(const QString &folder, const QString &name)
{
    return folder + QLatin1Char('/') + name;
}

// Each base joined with each usable name, names in the order given.
void addNames(QStringList &out, const QString &base, const QStringList &names, const QString &suffix = {})
{
    for (const QString &name : names)
        if (LeftoverFinder::isPlainName(name))
            out.append(join(base, name + suffix));
}

QStringList macBases(const QString &rel)
{
    return {ORLayout::homePath(rel), ORLayout::rootPath(rel)};
}

QStringList withoutEmpty(QStringList names)
{
    names.removeAll(QString());
    names.removeDuplicates();
    return names;
}

}  // namespace

LeftoverFinder::LeftoverFinder(const InstalledApps &apps, QStringList installations)
    : m_apps(apps)
{
    for (const QString &path : installations)
        m_installations.append(QDir::cleanPath(path));
    m_userFolders.append(QDir::cleanPath(ORLayout::home()));
    static const std::pair<const char *, const char *> folders[] = {
        {"DESKTOP", "Desktop"},   {"DOCUMENTS", "Documents"}, {"DOWNLOAD", "Downloads"},
        {"MUSIC", "Music"},       {"PICTURES", "Pictures"},   {"PUBLICSHARE", "Public"},
        {"TEMPLATES", "Templates"}, {"VIDEOS", "Videos"}};
    for (const auto &[key, fallback] : folders)
        m_userFolders.append(QDir::cleanPath(ORLayout::userDir(QLatin1String(key), QLatin1String(fallback))));
    if (ORLayout::isMacOS())
        return;
    for (const QString &base : {ORLayout::cacheHome(), ORLayout::configHome(), ORLayout::dataHome(), xdgStateHome(),
                                ORLayout::homePath(QStringLiteral(".local")), ORLayout::homePath(QStringLiteral(".var"))})
        m_baseFolders.append(QDir::cleanPath(base));
    for (qsizetype i = 0; i < m_apps.size(); ++i) {
        m_indexByBundle.insert(m_apps.at(i).bundlePath, i);
        for (const QString &program : withoutEmpty(m_apps.at(i).programs + QStringList{m_apps.at(i).execName}))
            m_programUsers[program].append(i);
    }
    judgeOwnership();
}

bool LeftoverFinder::isPlainName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
        && !name.contains(QLatin1Char('/')) && !name.contains(QChar(0));
}

bool LeftoverFinder::isForbidden(const QString &path) const
{
    const QString clean = QDir::cleanPath(path);
    const QString &home = m_userFolders.constFirst();
    if (isPathInside(home, clean) || (!ORLayout::isMacOS() && m_desktopOwned.contains(clean)))
        return true;
    const auto overlaps = [&clean](const QString &place) {
        return isPathInside(clean, place) || isPathInside(place, clean);
    };
    if (std::any_of(m_installations.cbegin(), m_installations.cend(), overlaps)
        || std::any_of(m_userFolders.cbegin() + 1, m_userFolders.cend(), overlaps))
        return true;
    for (const QString &base : m_baseFolders)
        if (isPathInside(base, clean))
            return true;
    return false;
}

bool LeftoverFinder::isOwnProgram(qsizetype index) const
{
    const InstalledApp &app = m_apps.at(index);
    if (!app.ownsProgram || !isPlainName(app.execName) || isLauncherProgram(app.execName))
        return false;
    const QList<qsizetype> users = m_programUsers.value(app.execName);
    return std::all_of(users.cbegin(), users.cend(), [index](qsizetype user) { return user == index; });
}

LeftoverFinder::Names LeftoverFinder::proposed(qsizetype index) const
{
    const InstalledApp &app = m_apps.at(index);
    const QStringList ids = withoutEmpty({app.identifier, app.desktopId});
    if (app.kind == InstalledApp::Kind::Flatpak)
        return {{}, {}, {}, ids, {app.identifier}};
    const QString program = isOwnProgram(index) ? app.execName : QString();
    return {withoutEmpty({app.name, app.identifier, program}), withoutEmpty({program}),
            withoutEmpty({app.name, program}), ids, {}};
}

LeftoverFinder::Names LeftoverFinder::reached(qsizetype index) const
{
    const InstalledApp &app = m_apps.at(index);
    if (app.kind == InstalledApp::Kind::Flatpak)
        return proposed(index);  // the sandbox keeps it out of the rest of the home
    const QStringList used = withoutEmpty(app.programs + QStringList{app.execName} + app.dataNames);
    const QStringList ids = withoutEmpty({app.identifier, app.desktopId});
    return {withoutEmpty(QStringList{app.name} + ids + used), used, withoutEmpty(QStringList{app.name} + used), ids, {}};
}

QStringList LeftoverFinder::candidates(Step step, const Names &names)
{
    QStringList out;
    switch (step) {
    case Step::Caches:
        addNames(out, ORLayout::cacheHome(), names.bases);
        break;
    case Step::Support:
        for (const QString &base : {ORLayout::configHome(), ORLayout::dataHome(), xdgStateHome()})
            addNames(out, base, names.bases);
        for (const QString &name : names.dots)
            if (isPlainName(name))
                addNames(out, ORLayout::home(), {QLatin1Char('.') + name});
        addNames(out, ORLayout::homePath(QStringLiteral(".var/app")), names.varApp);
        break;
    case Step::Preferences:
        addNames(out, join(ORLayout::configHome(), QStringLiteral("autostart")), names.ids, QStringLiteral(".desktop"));
        addNames(out, join(ORLayout::dataHome(), QStringLiteral("applications")), names.ids, QStringLiteral(".desktop"));
        addNames(out, ORLayout::configHome(), names.rc, QStringLiteral("rc"));
        break;
    }
    return out;
}

QStringList LeftoverFinder::allCandidates(const Names &names)
{
    return candidates(Step::Caches, names) + candidates(Step::Support, names) + candidates(Step::Preferences, names);
}

// Every application's proposals first, then who else reaches each of them:
// the reach of an application can hold hundreds of names (its dependencies'
// data folders), so only the paths some application proposes are kept.
void LeftoverFinder::judgeOwnership()
{
    for (qsizetype i = 0; i < m_apps.size(); ++i)
        for (const QString &path : allCandidates(proposed(i)))
            m_reachers[path];
    for (qsizetype i = 0; i < m_apps.size(); ++i)
        for (const QString &path : allCandidates(reached(i)))
            if (const auto it = m_reachers.find(path); it != m_reachers.end() && !it->contains(i))
                it->append(i);
}

QStringList LeftoverFinder::keep(QStringList candidates, qsizetype owner) const
{
    candidates.removeIf([this, owner](const QString &path) {
        if (isForbidden(path))
            return true;
        if (owner < 0)
            return false;
        const QList<qsizetype> reachers = m_reachers.value(path);
        return std::any_of(reachers.cbegin(), reachers.cend(), [owner](qsizetype other) { return other != owner; });
    });
    return candidates;
}

QStringList LeftoverFinder::freedesktop(Step step, const InstalledApp &app) const
{
    const qsizetype index = m_indexByBundle.value(app.bundlePath, -1);
    if (index < 0)
        return {};  // not an application of the scan: nothing is known to be its alone
    return keep(candidates(step, proposed(index)), index);
}

QStringList LeftoverFinder::macCandidates(Step step, const InstalledApp &app) const
{
    QStringList out;
    const QString &n = app.name;
    const QString &b = app.identifier;
    if (!isPlainName(n))
        return out;
    switch (step) {
    case Step::Caches:
        for (const QString &base : macBases(QStringLiteral("Library/Caches"))) {
            addNames(out, base, {n, b});
            addNames(out, join(base, QStringLiteral("Metadata")), {n, b});
        }
        break;
    case Step::Support:
        for (const QString &base : macBases(QStringLiteral("Library/Application Support"))) {
            addNames(out, base, {n, b});
            if (b.contains(QLatin1String(".adobe")))
                addNames(out, join(base, QStringLiteral("Adobe")), {n});
            const QString reports = join(base, QStringLiteral("CrashReporter"));
            for (const QString &entry : ORUtility::contentsOfFolder(reports))
                if (entry.contains(n))
                    addNames(out, reports, {entry});
        }
        if (isPlainName(b)) {
            out.append(ORLayout::homePath(QStringLiteral("Library/Saved Application State/%1.savedState").arg(b)));
            out.append(ORLayout::homePath(QStringLiteral("Library/Containers/")) + b);
        }
        break;
    case Step::Preferences:
        if (isPlainName(b))
            for (const QString &base : macBases(QStringLiteral("Library/Preferences")))
                addNames(out, base, {b + QStringLiteral(".plist"), b + QStringLiteral(".LSSharedFileList.plist")});
        break;
    }
    return keep(out, -1);
}

QStringList LeftoverFinder::caches(const InstalledApp &app) const
{
    return ORLayout::isMacOS() ? macCandidates(Step::Caches, app) : freedesktop(Step::Caches, app);
}

QStringList LeftoverFinder::support(const InstalledApp &app) const
{
    return ORLayout::isMacOS() ? macCandidates(Step::Support, app) : freedesktop(Step::Support, app);
}

QStringList LeftoverFinder::preferences(const InstalledApp &app) const
{
    return ORLayout::isMacOS() ? macCandidates(Step::Preferences, app) : freedesktop(Step::Preferences, app);
}

}  // namespace sw
