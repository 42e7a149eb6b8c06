// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/uninst/MacAppSource.h"

#include "core/foundation/JobControl.h"
#include "core/foundation/ORUtility.h"
#include "core/platform/ORLayout.h"
#include "core/platform/RegularFile.h"

#include <QFileInfo>

namespace sw {

namespace {

// Deeper than any real Applications folder; stops a pathological tree.
constexpr int kMaxDepth = 32;

QString plistString(const QVariantMap &info, const char *key)
{
    return info.value(QLatin1String(key)).toString().trimmed();
}

void findBelow(JobControl &job, const QString &folder, int depth, InstalledApps &out)
{
    if (depth > kMaxDepth)
        return;
    for (const QString &name : ORUtility::contentsOfFolder(folder)) {
        if (job.isCancelled())
            return;
        const QString path = folder + QLatin1Char('/') + name;
        const QFileInfo entry(path);
        if (entry.suffix().toLower() == QLatin1String("app")) {
            InstalledApp app = MacAppSource::appOf(path);
            if (!MacAppSource::isHiddenSystemApp(entry.completeBaseName(), app.identifier))
                out.append(app);
        } else if (entry.isDir() && !entry.isSymLink()) {
            findBelow(job, path, depth + 1, out);
        }
    }
}

}  // namespace

bool MacAppSource::isHiddenSystemApp(const QString &bundleName, const QString &identifier)
{
    static const QStringList removable{QStringLiteral("GarageBand"), QStringLiteral("Numbers"),
                                       QStringLiteral("Pages"),      QStringLiteral("iMovie"),
                                       QStringLiteral("iTunes"),     QStringLiteral("Keynote")};
    if (identifier.isEmpty() || !identifier.contains(QLatin1String("com.apple")))
        return false;
    return std::none_of(removable.cbegin(), removable.cend(),
                        [&](const QString &kept) { return bundleName.contains(kept); });
}

InstalledApp MacAppSource::appOf(const QString &bundlePath)
{
    const QFileInfo bundle(bundlePath);
    InstalledApp app;
    app.groupName = bundle.completeBaseName();
    app.bundlePath = bundlePath;
    app.bundleRoot = bundle.path();
    // A flat bundle keeps Info.plist at its top; a regular one in Contents.
    std::optional<QVariantMap> info;
    for (const QString &rel : {QStringLiteral("/Contents/Info.plist"), QStringLiteral("/Info.plist")}) {
        if (isRegularFile(bundlePath + rel) && (info = ORUtility::readPropertyListDictionary(bundlePath + rel)))
            break;
    }
    if (info) {
        app.identifier = plistString(*info, "CFBundleIdentifier");
        app.name = plistString(*info, "CFBundleName");
        if (app.name.isEmpty())
            app.name = plistString(*info, "CFBundleExecutable");
    }
    return app;
}

InstalledApps MacAppSource::find(JobControl &job, const QString &folder)
{
    InstalledApps apps;
    findBelow(job, folder.isEmpty() ? ORLayout::rootPath(QStringLiteral("Applications")) : folder, 0, apps);
    return apps;
}

}  // namespace sw
