#include "LeftoverFinder.h"

#include "ORLayout.h"
#include "ORUtility.h"
#include "PathInside.h"

#include <QDir>

#include <algorithm>

namespace sw {

namespace {

QString join(const QString &folder, const QString &name)
{
    return folder + QLatin1Char('/') + name;
}

QString stateHome()
{
    const QString fromEnv = qEnvironmentVariable("XDG_STATE_HOME");
    if (!ORLayout::homeOverridden() && QDir::isAbsolutePath(fromEnv))
        return QDir::cleanPath(fromEnv);
    return ORLayout::homePath(QStringLiteral(".local/state"));
}

// Each base joined with each usable name, names in the order given.
void addNames(QStringList &out, const QString &base, const QStringList &names)
{
    for (const QString &name : names)
        if (LeftoverFinder::isPlainName(name))
            out.append(join(base, name));
}

QStringList macBases(const QString &rel)
{
    return {ORLayout::homePath(rel), ORLayout::rootPath(rel)};
}

}  // namespace

LeftoverFinder::LeftoverFinder(QStringList installations)
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
    if (!ORLayout::isMacOS())
        for (const QString &base : {ORLayout::cacheHome(), ORLayout::configHome(), ORLayout::dataHome(), stateHome(),
                                    ORLayout::homePath(QStringLiteral(".local")), ORLayout::homePath(QStringLiteral(".var"))})
            m_baseFolders.append(QDir::cleanPath(base));
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
    if (isPathInside(home, clean))
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

QStringList LeftoverFinder::keep(QStringList candidates) const
{
    candidates.removeIf([this](const QString &path) { return isForbidden(path); });
    return candidates;
}

QStringList LeftoverFinder::caches(const InstalledApp &app) const
{
    QStringList out;
    if (ORLayout::isMacOS()) {
        if (!isPlainName(app.name))
            return out;
        for (const QString &base : macBases(QStringLiteral("Library/Caches"))) {
            addNames(out, base, {app.name, app.identifier});
            addNames(out, join(base, QStringLiteral("Metadata")), {app.name, app.identifier});
        }
        return keep(out);
    }
    addNames(out, ORLayout::cacheHome(), {app.name, app.identifier, app.execName});
    return keep(out);
}

QStringList LeftoverFinder::support(const InstalledApp &app) const
{
    QStringList out;
    const QString &n = app.name;
    const QString &b = app.identifier;
    if (ORLayout::isMacOS()) {
        if (!isPlainName(n))
            return out;
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
        return keep(out);
    }
    const QStringList names{n, b, app.execName};
    for (const QString &base : {ORLayout::configHome(), ORLayout::dataHome(), stateHome()})
        addNames(out, base, names);
    if (isPlainName(app.execName))
        addNames(out, ORLayout::home(), {QLatin1Char('.') + app.execName});
    addNames(out, ORLayout::homePath(QStringLiteral(".var/app")), {b});
    return keep(out);
}

QStringList LeftoverFinder::preferences(const InstalledApp &app) const
{
    QStringList out;
    const QString &b = app.identifier;
    if (ORLayout::isMacOS()) {
        if (!isPlainName(app.name) || !isPlainName(b))
            return out;
        for (const QString &base : macBases(QStringLiteral("Library/Preferences")))
            addNames(out, base, {b + QStringLiteral(".plist"), b + QStringLiteral(".LSSharedFileList.plist")});
        return keep(out);
    }
    if (isPlainName(b)) {
        addNames(out, join(ORLayout::configHome(), QStringLiteral("autostart")), {b + QStringLiteral(".desktop")});
        addNames(out, join(ORLayout::dataHome(), QStringLiteral("applications")), {b + QStringLiteral(".desktop")});
    }
    for (const QString &name : {app.name, app.execName})
        if (isPlainName(name))
            addNames(out, ORLayout::configHome(), {name + QStringLiteral("rc")});
    return keep(out);
}

}  // namespace sw
