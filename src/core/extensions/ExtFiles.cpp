// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/extensions/ExtFiles.h"

#include "core/fs/UniqueFd.h"
#include "core/platform/RegularFile.h"

#include <QFile>
#include <QJsonDocument>

#include <algorithm>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sw::ext {

namespace {

constexpr qsizetype kMaxNameLength = 200;

// A name read back from the disk that does not round-trip was not valid UTF-8.
bool isValidName(const QString &name)
{
    return !name.isEmpty() && !name.contains(QChar(QChar::ReplacementCharacter));
}

}  // namespace

QList<ExtFiles::Entry> ExtFiles::entries(CategoryRoots &roots, const QString &folder)
{
    QList<Entry> out;
    const AnchoredRoot *root = roots.open(folder);
    if (!root)
        return out;
    QStringList names = roots.names(folder);
    std::sort(names.begin(), names.end());
    for (const QString &name : std::as_const(names)) {
        if (!isValidName(name))
            continue;
        struct stat st;
        if (::fstatat(root->fd(), QFile::encodeName(name).constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (!S_ISDIR(st.st_mode) && !S_ISREG(st.st_mode))
            continue;
        out.append({name, root->path() + QLatin1Char('/') + name, S_ISDIR(st.st_mode)});
    }
    return out;
}

std::optional<QByteArray> ExtFiles::read(const AnchoredRoot &root, const QString &path, qint64 maxBytes)
{
    const std::optional<QByteArray> relative = root.relativeOf(path);
    if (!relative || relative->isEmpty())
        return std::nullopt;
    const std::optional<AnchoredRoot::Item> item = root.locate(*relative);
    if (!item)
        return std::nullopt;
    // O_NONBLOCK: a FIFO planted under the name must not hang the scan; it
    // is refused by the type test right after.
    const UniqueFd fd(::openat(item->parent.get(), item->name.constData(),
                               O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    return readRegularFd(fd.get(), maxBytes);
}

QJsonObject ExtFiles::readJsonObject(const AnchoredRoot &root, const QString &path, qint64 maxBytes)
{
    std::optional<QByteArray> data = read(root, path, maxBytes);
    if (!data)
        return {};
    if (data->startsWith("\xEF\xBB\xBF"))  // some add-on tools write a byte-order mark
        data->remove(0, 3);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(*data, &error);
    return error.error == QJsonParseError::NoError ? document.object() : QJsonObject();
}

QString ExtFiles::displayName(const QString &raw)
{
    QString name;
    for (const QChar c : raw) {
        if (c == QChar::ReplacementCharacter)
            return {};
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            continue;
        name.append(c.isSpace() ? QChar(u' ') : c);
    }
    name = name.simplified();
    return name.left(kMaxNameLength);
}

}  // namespace sw::ext
