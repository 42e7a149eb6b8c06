// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/winmail/sevenzip/OwnFolder.h"

#include "core/fs/AnchoredRoot.h"
#include "core/fs/RemovalRun.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

Q_DECLARE_LOGGING_CATEGORY(lcSevenZip)

namespace sw {

const CategoryRoots::UserFolderKeys &OwnFolder::anyUserFolder()
{
    static const CategoryRoots::UserFolderKeys keys = {
        QStringLiteral("DESKTOP"),   QStringLiteral("DOCUMENTS"),  QStringLiteral("DOWNLOAD"),
        QStringLiteral("MUSIC"),     QStringLiteral("PICTURES"),   QStringLiteral("VIDEOS"),
        QStringLiteral("TEMPLATES"), QStringLiteral("PUBLICSHARE")};
    return keys;
}

bool OwnFolder::remove(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat st;
    if (path.isEmpty() || (::lstat(native.constData(), &st) != 0 && errno == ENOENT))
        return true;
    RemovalRun removal(lcSevenZip, QStringLiteral("Fail to remove extracted item, error=%1"));
    const bool emptied = removal.remove(path, path, RemovalRun::Mode::Contents, 0, anyUserFolder()).ok();
    return emptied && ::rmdir(native.constData()) == 0;
}

bool OwnFolder::remove(const QString &path, const FileIdentity &madeAs)
{
    const QFileInfo info(QDir::cleanPath(path));
    const std::optional<AnchoredRoot> parent = AnchoredRoot::open(info.path());
    if (!parent)
        return errno == ENOENT;
    RemovalRun removal(lcSevenZip, QStringLiteral("Fail to remove extracted item, error=%1"));
    return removal
        .removeIdentified(*parent, QFile::encodeName(info.fileName()), madeAs, RemovalRun::Mode::Whole, 0)
        .ok();
}

} // namespace sw
