// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/pdf/OutputPlacement.h"

#include "core/foundation/JobControl.h"
#include "core/fs/RemovalRun.h"
#include "core/fs/UniqueFd.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

Q_DECLARE_LOGGING_CATEGORY(lcPdf)

namespace sw {

namespace {

// One context for the texts of this file, whichever function shows them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(OutputPlacement)
};

QString lastError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Removes a file of ours (a copy placed, or one left half-written).
void removeOwn(const QString &path)
{
    RemovalRun run(lcPdf, QStringLiteral("Cannot remove the compressor's temporary file %1"));
    run.remove(QFileInfo(path).absolutePath(), path, RemovalRun::Mode::Whole, 0);
}

// A new hidden file beside the target, made with the user's usual modes
// (0666 less the umask); its name goes to name.
UniqueFd makeHidden(int folder, const QByteArray &base, QByteArray &name)
{
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = '.' + base.left(200) + '.';
        for (int i = 0; i < 8; ++i)
            name.append(kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters - 1))]);
        UniqueFd file(::openat(folder, name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
        if (file || errno != EEXIST)
            return file;
    }
    return {};
}

// from's bytes into out; false when a read or a write failed or job was cancelled.
bool copyBytes(const QString &from, int out, const JobControl &job)
{
    QFile in(from);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QByteArray block;
    while (!(block = in.read(1 << 20)).isEmpty()) {
        if (job.isCancelled())
            return false;
        for (qsizetype done = 0; done < block.size();) {
            const ssize_t n = ::write(out, block.constData() + done, size_t(block.size() - done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return false;
            done += n;
        }
    }
    return in.error() == QFileDevice::NoError && ::fsync(out) == 0;
}

// Renames name in folder to target; over what is there only when replace.
bool renameInto(int fromFolder, const char *name, int folder, const char *target, bool replace)
{
    return ::renameat2(fromFolder, name, folder, target, replace ? 0 : RENAME_NOREPLACE) == 0;
}

}  // namespace

QString OutputPlacement::place(const QString &from, const QString &to, Mode mode, bool replace, const JobControl &job)
{
    const QFileInfo target(to);
    UniqueFd folder(::open(QFile::encodeName(target.absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder)
        return Text::tr("%1 cannot be opened: %2").arg(target.absolutePath(), lastError());
    const QByteArray base = QFile::encodeName(target.fileName());
    struct stat st;
    if (::fstatat(folder.get(), base.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0) {
        if (S_ISDIR(st.st_mode))
            return Text::tr("%1 is a folder").arg(to);
        if (!replace)
            return Text::tr("%1 already exists").arg(to);
    }
    if (mode == Mode::Move) {
        if (renameInto(AT_FDCWD, QFile::encodeName(from).constData(), folder.get(), base.constData(), replace))
            return QString();
        if (errno != EXDEV)
            return lastError();
    }
    const QString problem = copyBeside(from, to, replace, job);
    if (problem.isEmpty() && mode == Mode::Move)
        removeOwn(from);
    return problem;
}

QString OutputPlacement::copyBeside(const QString &from, const QString &to, bool replace, const JobControl &job)
{
    const QFileInfo target(to);
    UniqueFd folder(::open(QFile::encodeName(target.absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    const QByteArray base = QFile::encodeName(target.fileName());
    QByteArray hidden;
    UniqueFd file = folder ? makeHidden(folder.get(), base, hidden) : UniqueFd();
    if (!file)
        return Text::tr("no file can be made in %1: %2").arg(target.absolutePath(), lastError());
    const bool copied = copyBytes(from, file.get(), job);
    const int copyError = errno;
    file.reset();
    if (copied && renameInto(folder.get(), hidden.constData(), folder.get(), base.constData(), replace))
        return QString();
    const QString problem = job.isCancelled() ? Text::tr("cancelled")
                          : copied            ? lastError()
                                              : QString::fromLocal8Bit(std::strerror(copyError));
    removeOwn(target.absolutePath() + QLatin1Char('/') + QFile::decodeName(hidden));
    return problem;
}

}  // namespace sw
