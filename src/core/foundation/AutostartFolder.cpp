// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/foundation/AutostartFolder.h"

#include "core/fs/RemovalRun.h"
#include "core/fs/UniqueFd.h"
#include "core/platform/DesktopEntryText.h"
#include "core/platform/LogCategory.h"
#include "core/platform/ORLayout.h"
#include "core/platform/RegularFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QRandomGenerator>

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace sw {

namespace {

Q_LOGGING_CATEGORY(lcAutostart, "sweepwright.login", sw::logThreshold(QtDebugMsg))

constexpr qint64 kMaxEntryBytes = 1024 * 1024;
const QByteArray kMarkKey = QByteArrayLiteral("X-Sweepwright-Written");
const QByteArray kHiddenKey = QByteArrayLiteral("Hidden");

QByteArray digestOf(const QByteArray &text)
{
    DesktopEntryText rest(text);
    rest.remove(kMarkKey);
    rest.remove(kHiddenKey);
    return QCryptographicHash::hash(rest.text(), QCryptographicHash::Sha256).toHex().left(32);
}

QString lastError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// temporary becomes target in folder; without replacing: only while nothing
// has that name (a link to it, on file systems that cannot rename so).
bool moveInto(int folder, const QByteArray &temporary, const QByteArray &target, AutostartFolder::Replace replace)
{
    if (replace == AutostartFolder::Replace::Yes)
        return ::renameat(folder, temporary.constData(), folder, target.constData()) == 0;
    if (::renameat2(folder, temporary.constData(), folder, target.constData(), RENAME_NOREPLACE) == 0)
        return true;
    return (errno == EINVAL || errno == ENOSYS)
        && ::linkat(folder, temporary.constData(), folder, target.constData(), 0) == 0;
}

}  // namespace

AutostartFolder::AutostartFolder() : AutostartFolder(ORLayout::configHome() + QStringLiteral("/autostart")) {}

AutostartFolder::AutostartFolder(const QString &path) : m_path(QDir::cleanPath(path)) {}

QString AutostartFolder::filePath(const QString &fileName) const
{
    return m_path + QLatin1Char('/') + fileName;
}

bool AutostartFolder::isPlainName(const QString &fileName)
{
    return !fileName.isEmpty() && !fileName.startsWith(QLatin1Char('.')) && !fileName.contains(QLatin1Char('/'))
        && !fileName.contains(QChar(0));
}

std::optional<QByteArray> AutostartFolder::read(const QString &fileName) const
{
    return isPlainName(fileName) ? readRegularFile(filePath(fileName), kMaxEntryBytes) : std::nullopt;
}

bool AutostartFolder::ensureFolder() const
{
    if (QFileInfo(m_path).isDir())
        return true;
    return QDir().mkpath(QFileInfo(m_path).absolutePath())
        && QDir().mkdir(m_path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

bool AutostartFolder::write(const QString &fileName, const QByteArray &text, Replace replace) const
{
    if (!isPlainName(fileName))
        return false;
    ensureFolder();
    const UniqueFd folder(
        ::open(QFile::encodeName(m_path).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!folder) {
        qCWarning(lcAutostart).noquote() << QStringLiteral("Cannot write login item %1: %2").arg(m_path, lastError());
        return false;
    }
    const QByteArray target = QFile::encodeName(fileName);
    QByteArray temporary;
    UniqueFd file;
    for (int attempt = 0; attempt < 16 && !file; ++attempt) {
        temporary = '.' + target + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        file.reset(::openat(folder.get(), temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                            0644));
        if (!file && errno != EEXIST)
            break;
    }
    const bool made = bool(file);
    bool written = made && writeAll(file.get(), text) && ::fsync(file.get()) == 0;
    file.reset();
    written = written && moveInto(folder.get(), temporary, target, replace);
    if (!written)
        qCWarning(lcAutostart).noquote()
            << QStringLiteral("Cannot write login item %1: %2").arg(filePath(fileName), lastError());
    // What is left under the temporary name is ours alone (linked, or never renamed).
    if (made && QFileInfo(filePath(QFile::decodeName(temporary))).isFile()) {
        RemovalRun run(lcAutostart, QStringLiteral("Cannot remove login item %1"));
        run.remove(m_path, filePath(QFile::decodeName(temporary)), RemovalRun::Mode::Whole, 0);
    }
    return written;
}

bool AutostartFolder::remove(const QString &fileName) const
{
    if (!isPlainName(fileName))
        return false;
    RemovalRun run(lcAutostart, QStringLiteral("Cannot remove login item %1"));
    return run.remove(m_path, filePath(fileName), RemovalRun::Mode::Whole, 0).ok();
}

QByteArray AutostartFolder::markedAsOwn(const QByteArray &text)
{
    DesktopEntryText marked(text);
    marked.setValue(kMarkKey, digestOf(text));
    return marked.text();
}

bool AutostartFolder::isOwnUnchanged(const QByteArray &text)
{
    const QByteArray mark = DesktopEntryText(text).value(kMarkKey);
    return !mark.isEmpty() && mark == digestOf(text);
}

}  // namespace sw
