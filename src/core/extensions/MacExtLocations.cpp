// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/extensions/MacExtLocations.h"

#include "core/extensions/ExtFiles.h"
#include "core/foundation/ORUtility.h"
#include "core/fs/FolderWalker.h"
#include "core/platform/ORLayout.h"

#include <QFileInfo>

namespace sw::ext {

namespace {

// The bundle's Info.plist keys, read without following links out of root.
QVariantMap infoDictionary(const AnchoredRoot &root, const QString &bundle)
{
    for (const char *rel : {"/Contents/Info.plist", "/Info.plist"}) {
        const auto data = ExtFiles::read(root, bundle + QLatin1String(rel), ExtFiles::kMaxMetadataBytes);
        if (!data)
            continue;
        if (auto dict = ORUtility::readPropertyListDictionaryData(*data))
            return *dict;
    }
    return {};
}

QString suffixOf(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot <= 0 ? QString() : name.mid(dot + 1);
}

// Every entry of the folders whose identifier passes keep (bundles without
// one are never listed), named by their CFBundleName when they have one.
Candidates identifiedBundles(CategoryRoots &roots, const QStringList &folders,
                             bool (*keep)(const QString &identifier))
{
    Candidates out;
    for (const QString &folder : folders) {
        const AnchoredRoot *root = roots.open(folder);
        if (!root)
            continue;
        for (const ExtFiles::Entry &entry : ExtFiles::entries(roots, folder)) {
            const QVariantMap info = infoDictionary(*root, entry.path);
            const QString identifier = info.value(QStringLiteral("CFBundleIdentifier")).toString();
            if (identifier.isEmpty() || !keep(identifier))
                continue;
            out.append({root->path(), entry.path,
                        ExtFiles::displayName(info.value(QStringLiteral("CFBundleName")).toString()), {}, {}, {}});
        }
    }
    return out;
}

// The entries of one folder with exactly this extension, named by their
// CFBundleName when they have one.
Candidates bundlesWithSuffix(CategoryRoots &roots, const QString &folder, QLatin1String suffix)
{
    Candidates out;
    const AnchoredRoot *root = roots.open(folder);
    if (!root)
        return out;
    for (const ExtFiles::Entry &entry : ExtFiles::entries(roots, folder)) {
        if (suffixOf(entry.name) != suffix)
            continue;
        const QString name = infoDictionary(*root, entry.path).value(QStringLiteral("CFBundleName")).toString();
        out.append({root->path(), entry.path, ExtFiles::displayName(name), {}, {}, {}});
    }
    return out;
}

}  // namespace

Candidates MacExtLocations::kernelExtensions(CategoryRoots &roots)
{
    return identifiedBundles(roots, {ORLayout::rootPath(QStringLiteral("Library/Extensions"))},
                             [](const QString &id) { return !id.contains(QLatin1String("com.")); });
}

Candidates MacExtLocations::preferencePanes(CategoryRoots &roots)
{
    return identifiedBundles(roots, ORUtility::panesDirectories(),
                             [](const QString &id) { return !id.contains(QLatin1String("com.apple")); });
}

// Plug-ins may carry plug-ins of their own: the walk goes into every folder,
// bundles included, and lists each.
Candidates MacExtLocations::internetPlugIns(CategoryRoots &roots)
{
    Candidates out;
    for (const QString &folder : {ORLayout::homePath(QStringLiteral("Library/Internet Plug-Ins")),
                                  ORLayout::rootPath(QStringLiteral("Library/Internet Plug-Ins"))}) {
        const AnchoredRoot *root = roots.open(folder);
        if (!root)
            continue;
        FolderWalker().walk(root->path(), [&](const FolderWalker::Entry &entry) {
            const QString name = QFile::decodeName(entry.name);
            if (suffixOf(name) == QLatin1String("plugin")) {
                const QString path = entry.path();
                const QString bundleName =
                    infoDictionary(*root, path).value(QStringLiteral("CFBundleName")).toString();
                out.append({root->path(), path, ExtFiles::displayName(bundleName), {}, {}, {}});
            }
            return FolderWalker::Step::Next;
        });
    }
    return out;
}

Candidates MacExtLocations::quickLookPlugIns(CategoryRoots &roots)
{
    return bundlesWithSuffix(roots, ORLayout::rootPath(QStringLiteral("Library/QuickLook")),
                             QLatin1String("qlgenerator"));
}

Candidates MacExtLocations::spotlightPlugIns(CategoryRoots &roots)
{
    return bundlesWithSuffix(roots, ORLayout::rootPath(QStringLiteral("Library/Spotlight")),
                             QLatin1String("mdimporter"));
}

}  // namespace sw::ext
