// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/extensions/FreedesktopExtLocations.h"

#include "core/extensions/BrowserProfileFiles.h"
#include "core/extensions/ExtFiles.h"
#include "core/fs/FolderWalker.h"
#include "core/platform/DesktopEntry.h"
#include "core/platform/ORLayout.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>

#include <algorithm>

namespace sw::ext {

namespace {

QString lit(const char *text)
{
    return QString::fromLatin1(text);
}

// Firefox keeps its profiles' add-ons in PROFILE/extensions, as ID.xpi
// files (or ID folders, unpacked), and describes them in
// PROFILE/extensions.json: names and states by add-on id and by path.
Candidates firefoxExtensions(CategoryRoots &roots)
{
    Candidates out;
    const QString profiles = ORLayout::homePath(lit(".mozilla/firefox"));
    for (const ExtFiles::Entry &profile : ExtFiles::entries(roots, profiles)) {
        if (!profile.isFolder)
            continue;
        const QString folder = profile.path + lit("/extensions");
        const AnchoredRoot *root = roots.open(folder);
        if (!root)
            continue;
        const AnchoredRoot *profileRoot = roots.open(profile.path);
        const QHash<QString, BrowserProfileFiles::Addon> addons =
            profileRoot ? BrowserProfileFiles::firefoxAddons(*profileRoot) : QHash<QString, BrowserProfileFiles::Addon>();
        for (const ExtFiles::Entry &entry : ExtFiles::entries(roots, folder)) {
            const bool xpi = !entry.isFolder && entry.name.endsWith(lit(".xpi"), Qt::CaseInsensitive);
            // "staged" and "trash" hold add-ons on their way in or out.
            const bool unpacked = entry.isFolder && entry.name != lit("staged") && entry.name != lit("trash");
            if (!xpi && !unpacked)
                continue;
            const QString id = xpi ? entry.name.chopped(4) : entry.name;
            const BrowserProfileFiles::Addon byPath = addons.value(entry.path);
            const BrowserProfileFiles::Addon byId = addons.value(id);
            out.append({root->path(), entry.path, byPath.name.isEmpty() ? byId.name : byPath.name, lit("Firefox"),
                        BrowserProfileFiles::firefoxProfileName(profile.name),
                        byPath.enabled ? byPath.enabled : byId.enabled});
        }
    }
    return out;
}

// Chrome's version folder names ("1.52.2_0") compared number by number.
bool olderVersion(const QString &a, const QString &b)
{
    static const QRegularExpression separator(QStringLiteral("[._]"));
    const QStringList left = a.split(separator);
    const QStringList right = b.split(separator);
    for (qsizetype i = 0; i < qMin(left.size(), right.size()); ++i) {
        const qulonglong l = left.at(i).toULongLong();
        const qulonglong r = right.at(i).toULongLong();
        if (l != r)
            return l < r;
    }
    return left.size() < right.size();
}

// A Chromium extension's name: "name" of the newest version's manifest.json;
// "__MSG_key__" is looked up (key in any case) in the messages of the
// manifest's default locale.
QString chromiumName(CategoryRoots &roots, const AnchoredRoot &root, const QString &extension)
{
    QList<ExtFiles::Entry> versions = ExtFiles::entries(roots, extension);
    versions.removeIf([](const ExtFiles::Entry &e) { return !e.isFolder; });
    std::sort(versions.begin(), versions.end(), [](const ExtFiles::Entry &a, const ExtFiles::Entry &b) {
        return olderVersion(a.name, b.name);
    });
    for (auto version = versions.crbegin(); version != versions.crend(); ++version) {
        const QJsonObject manifest = ExtFiles::readJsonObject(root, version->path + lit("/manifest.json"));
        const QString name = manifest.value(lit("name")).toString();
        if (name.isEmpty())
            continue;
        static const QRegularExpression message(QStringLiteral("^__MSG_(\\w+)__$"));
        const QRegularExpressionMatch match = message.match(name);
        if (!match.hasMatch())
            return ExtFiles::displayName(name);
        static const QRegularExpression localeName(QStringLiteral("^[A-Za-z0-9_-]+$"));
        const QString locale = manifest.value(lit("default_locale")).toString();
        if (!localeName.match(locale).hasMatch())
            return {};
        const QJsonObject messages =
            ExtFiles::readJsonObject(root, version->path + lit("/_locales/") + locale + lit("/messages.json"));
        for (auto it = messages.begin(); it != messages.end(); ++it)
            if (it.key().compare(match.captured(1), Qt::CaseInsensitive) == 0)
                return ExtFiles::displayName(it.value().toObject().value(lit("message")).toString());
        return {};
    }
    return {};
}

// Chromium and Chrome keep each profile's extensions in
// PROFILE/Extensions/ID/VERSION; the item is the ID folder.
Candidates chromiumExtensions(CategoryRoots &roots)
{
    static const std::pair<const char *, const char *> browsers[] = {
        {"chromium", "Chromium"},
        {"google-chrome", "Google Chrome"},
        {"google-chrome-beta", "Google Chrome Beta"},
        {"google-chrome-unstable", "Google Chrome Dev"}};
    Candidates out;
    for (const auto &[folderName, browser] : browsers) {
        const QString base = ORLayout::configHome() + QLatin1Char('/') + lit(folderName);
        for (const ExtFiles::Entry &profile : ExtFiles::entries(roots, base)) {
            if (!profile.isFolder)
                continue;
            const QString folder = profile.path + lit("/Extensions");
            const AnchoredRoot *root = roots.open(folder);
            if (!root)
                continue;
            const AnchoredRoot *profileRoot = roots.open(profile.path);
            const QHash<QString, bool> states =
                profileRoot ? BrowserProfileFiles::chromiumStates(*profileRoot) : QHash<QString, bool>();
            for (const ExtFiles::Entry &entry : ExtFiles::entries(roots, folder)) {
                if (!entry.isFolder || entry.name == lit("Temp"))
                    continue;
                const auto state = states.constFind(entry.name);
                out.append({root->path(), entry.path, chromiumName(roots, *root, entry.path), lit(browser), profile.name,
                            state == states.constEnd() ? std::nullopt : std::optional<bool>(*state)});
            }
        }
    }
    return out;
}

enum class Metadata {
    Json,         // metadata.json, "name"
    PlasmaWidget  // metadata.json, KPlugin/Name, else metadata.desktop, Name=
};

QString metadataName(const AnchoredRoot &root, const QString &folder, Metadata kind)
{
    const QJsonObject json = ExtFiles::readJsonObject(root, folder + lit("/metadata.json"));
    if (kind == Metadata::Json)
        return ExtFiles::displayName(json.value(lit("name")).toString());
    QString name = json.value(lit("KPlugin")).toObject().value(lit("Name")).toString();
    if (name.isEmpty())
        if (const auto text = ExtFiles::read(root, folder + lit("/metadata.desktop")))
            if (const auto entry = DesktopEntry::parse(*text))
                name = entry->name();
    return ExtFiles::displayName(name);
}

// The folders directly inside folder, each one add-on of owner named by its metadata.
void addFolders(CategoryRoots &roots, const QString &folder, Metadata kind, const QString &owner, Candidates &out)
{
    const AnchoredRoot *root = roots.open(folder);
    if (!root)
        return;
    for (const ExtFiles::Entry &entry : ExtFiles::entries(roots, folder))
        if (entry.isFolder)
            out.append({root->path(), entry.path, metadataName(*root, entry.path, kind), owner, {}, {}});
}

// The files directly inside folder ending in suffix, add-ons of owner (the
// category's own when empty); named by their desktop entry's Name= when
// named is set.
void addFiles(CategoryRoots &roots, const QString &folder, QLatin1String suffix, bool named, const QString &owner,
              Candidates &out)
{
    const AnchoredRoot *root = roots.open(folder);
    if (!root)
        return;
    for (const ExtFiles::Entry &entry : ExtFiles::entries(roots, folder)) {
        if (entry.isFolder || !entry.name.endsWith(suffix) || entry.name.size() == suffix.size())
            continue;
        QString name;
        if (named)
            if (const auto text = ExtFiles::read(*root, entry.path))
                if (const auto desktop = DesktopEntry::parse(*text))
                    name = ExtFiles::displayName(desktop->name());
        out.append({root->path(), entry.path, name, owner, {}, {}});
    }
}

}  // namespace

Candidates FreedesktopExtLocations::browserExtensions(CategoryRoots &roots)
{
    return firefoxExtensions(roots) + chromiumExtensions(roots);
}

Candidates FreedesktopExtLocations::desktopExtensions(CategoryRoots &roots)
{
    const QString data = ORLayout::dataHome() + QLatin1Char('/');
    Candidates out;
    // Which of them are on is kept in the desktop's settings database (dconf),
    // which only its own tools read: their state is not told.
    addFolders(roots, data + lit("gnome-shell/extensions"), Metadata::Json, lit("GNOME Shell"), out);
    addFolders(roots, data + lit("plasma/plasmoids"), Metadata::PlasmaWidget, lit("Plasma"), out);
    for (const char *kind : {"applets", "desklets", "extensions"})
        addFolders(roots, data + lit("cinnamon/") + lit(kind), Metadata::Json, lit("Cinnamon"), out);
    return out;
}

Candidates FreedesktopExtLocations::browserPlugIns(CategoryRoots &roots)
{
    Candidates out;
    const AnchoredRoot *root = roots.open(ORLayout::homePath(lit(".mozilla/plugins")));
    if (!root)
        return out;
    FolderWalker().walk(root->path(), [&](const FolderWalker::Entry &entry) {
        const QString path = entry.path();
        if (!entry.isFolder() && path.endsWith(QLatin1String(".so")))
            out.append({root->path(), path, {}, {}, {}, {}});
        return FolderWalker::Step::Next;
    });
    return out;
}

Candidates FreedesktopExtLocations::thumbnailers(CategoryRoots &roots)
{
    Candidates out;
    addFiles(roots, ORLayout::dataHome() + lit("/thumbnailers"), QLatin1String(".thumbnailer"), false, {}, out);
    return out;
}

Candidates FreedesktopExtLocations::searchProviders(CategoryRoots &roots)
{
    Candidates out;
    addFiles(roots, ORLayout::dataHome() + lit("/gnome-shell/search-providers"), QLatin1String(".ini"), false,
             lit("GNOME Shell"), out);
    addFiles(roots, ORLayout::dataHome() + lit("/krunner/dbusplugins"), QLatin1String(".desktop"), true,
             lit("KRunner"), out);
    return out;
}

}  // namespace sw::ext
