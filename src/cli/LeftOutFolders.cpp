// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/LeftOutFolders.h"

#include "core/fs/PathInside.h"
#include "core/fs/ProtectedPaths.h"
#include "core/fs/RefusedPlaces.h"
#include "core/fs/UniqueFd.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

using sw::RefusedPlaces;

// Protected folders that are real folders: a link to one is not walked.
QStringList realProtectedFolders(const QStringList &folders)
{
    QStringList real;
    for (const QString &folder : folders) {
        struct stat st;
        if (::lstat(QFile::encodeName(folder).constData(), &st) == 0 && S_ISDIR(st.st_mode))
            real.append(folder);
    }
    return real;
}

}  // namespace

QList<LeftOutFolders::Entry> LeftOutFolders::takeOut(QStringList &folders)
{
    const QStringList protectedFolders = sw::ProtectedPaths::protectedFolders();
    QList<RefusedPlaces::Place> places;
    for (const QString &folder : protectedFolders)
        places.append({folder, RefusedPlaces::Kind::Protected, {}});
    const RefusedPlaces refused(places);

    QList<Entry> leftOut;
    QStringList kept;
    for (const QString &folder : std::as_const(folders)) {
        const sw::UniqueFd fd(::open(QFile::encodeName(folder).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
        const auto match = fd ? refused.matchFolder(fd.get()) : std::nullopt;
        if (match && match->relation != RefusedPlaces::Relation::Unchecked)
            leftOut.append({folder, RefusedPlaces::reason(*match)});
        else
            kept.append(folder);
    }
    folders = kept;

    // The scan drops what it finds in them, judged where it really lies.
    for (const QString &inner : realProtectedFolders(protectedFolders)) {
        const QString realInner = QFileInfo(inner).canonicalFilePath();
        if (realInner.isEmpty())
            continue;
        for (const QString &folder : std::as_const(kept)) {
            if (sw::isPathInside(realInner, QFileInfo(folder).canonicalFilePath())) {
                const RefusedPlaces::Match is{{inner, RefusedPlaces::Kind::Protected, {}}, RefusedPlaces::Relation::Is};
                leftOut.append({inner, RefusedPlaces::reason(is)});
                break;
            }
        }
    }
    return leftOut;
}

void LeftOutFolders::tell(const QList<Entry> &entries)
{
    for (const Entry &entry : entries)
        std::fprintf(stderr, "sweepwright-cli: %s\n",
                     qPrintable(QCoreApplication::translate("LeftOutFolders", "left out %1: %2")
                                    .arg(entry.folder, entry.reason)));
}
