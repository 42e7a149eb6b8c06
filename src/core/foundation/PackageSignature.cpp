// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/foundation/PackageSignature.h"

#include "core/fs/FolderWalker.h"

#include <QFile>
#include <QHash>
#include <QStringList>

#include <sys/stat.h>
#include <sys/statvfs.h>

namespace sw {

namespace {

// Extensions of folders that the desktop shows as one file.
constexpr const char *kPackageExtensions[] = {
    "app",       "appex",         "band",         "bundle",       "component",  "docset",
    "fcpbundle", "framework",     "imovielibrary", "kext",        "key",        "logicx",
    "mdimporter", "mpkg",         "musiclibrary", "numbers",      "pages",      "photoslibrary",
    "pkg",       "playground",    "plugin",       "prefPane",     "qlgenerator", "rtfd",
    "saver",     "sparsebundle",  "theater",      "vst",          "vst3",       "wdgt",
    "xcodeproj", "xcworkspace",   "xpc",
};

bool isPackageExtension(QStringView extension)
{
    for (const char *known : kPackageExtensions)
        if (extension.compare(QLatin1String(known), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

// Total size of the volume, cached per device for one walk.
qint64 volumeSize(const QByteArray &path, dev_t device, QHash<dev_t, qint64> &cache)
{
    if (const auto it = cache.constFind(device); it != cache.constEnd())
        return *it;
    struct statvfs vfs;
    const qint64 size = ::statvfs(path.constData(), &vfs) == 0 ? qint64(vfs.f_blocks) * qint64(vfs.f_frsize) : 0;
    cache.insert(device, size);
    return size;
}

}  // namespace

bool PackageSignature::isPackage(const QString &path)
{
    struct stat st;
    if (path.isEmpty() || ::lstat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISDIR(st.st_mode))
        return false;
    QStringView name(path);
    while (name.endsWith(QLatin1Char('/')))
        name.chop(1);
    name = name.mid(name.lastIndexOf(QLatin1Char('/')) + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > 0 && isPackageExtension(name.mid(dot + 1));
}

std::optional<QString> PackageSignature::signature(const QString &path)
{
    std::optional<QStringList> work = FolderWalker::childNames(path);
    if (!work)
        return std::nullopt;
    QStringList signature;
    QHash<dev_t, qint64> volumes;
    // Breadth first: the work list grows while it is walked.
    for (qsizetype i = 0; i < work->size(); ++i) {
        const QString relative = work->at(i);
        if (relative.startsWith(QLatin1Char('.')) || relative.startsWith(QLatin1String("__MACOSX")))
            continue;
        const QString full = path + QLatin1Char('/') + relative;
        const QByteArray native = QFile::encodeName(full);
        struct stat st;
        if (::lstat(native.constData(), &st) != 0)
            continue;
        if (S_ISLNK(st.st_mode)) {
            signature.append(relative);
        } else if (S_ISDIR(st.st_mode)) {
            if (relative.count(QLatin1Char('/')) >= 3)
                continue;
            signature.append(relative);
            for (const QString &child : FolderWalker::childNames(full).value_or(QStringList()))
                work->append(relative + QLatin1Char('/') + child);
        } else if (S_ISREG(st.st_mode)) {
            signature.append(QStringLiteral("%1-%2").arg(relative).arg(volumeSize(native, st.st_dev, volumes)));
        }
    }
    signature.sort();
    return signature.join(QLatin1Char(','));
}

}  // namespace sw
