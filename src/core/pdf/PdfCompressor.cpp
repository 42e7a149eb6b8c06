#include "PdfCompressor.h"

#include "GhostscriptRun.h"
#include "ORUtility.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sw {

namespace {

QString failed(const QString &reason)
{
    return QCoreApplication::translate("PdfCompressor", "Compression failed: %1").arg(reason);
}

// The output folder, made when missing; it must be a folder of ours (not a
// link another user planted in the shared temporary directory), and only
// we may enter it.
bool preparePrivateFolder(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST)
        return false;
    struct stat st;
    if (::lstat(name.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid())
        return false;
    return (st.st_mode & 077) == 0 || ::chmod(name.constData(), 0700) == 0;
}

// Moves file to a free name made from wanted; never replaces anything.
QString moveToFreeName(const QString &file, const QString &wanted)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString target = ORUtility::desDirectory(wanted);
        if (target.isEmpty())
            return QString();
        if (::renameat2(AT_FDCWD, QFile::encodeName(file).constData(), AT_FDCWD,
                        QFile::encodeName(target).constData(), RENAME_NOREPLACE) == 0)
            return target;
        if (errno != EEXIST)
            return QString();
    }
    return QString();
}

// in into out, a block at a time, until in has no more; false when a write
// fell short (a read error shows in in.error()).
bool copyBlocks(QIODevice &in, QIODevice &out)
{
    QByteArray block;
    while (!(block = in.read(1 << 20)).isEmpty())
        if (out.write(block) != block.size())
            return false;
    return true;
}

// The source's bytes in a new file of the folder.
QString copySource(const QString &source, const QString &folder)
{
    QTemporaryFile copy(folder + QStringLiteral("/.copy-XXXXXX.pdf"));
    QFile in(source);
    if (!copy.open() || !in.open(QIODevice::ReadOnly))
        return QString();
    if (!copyBlocks(in, copy) || in.error() != QFileDevice::NoError || !copy.flush())
        return QString();
    const QString placed = moveToFreeName(copy.fileName(), folder + QLatin1Char('/') + QFileInfo(source).fileName());
    if (!placed.isEmpty())
        copy.setAutoRemove(false);
    return placed;
}

}  // namespace

QString PdfCompressor::filterPath(int quality)
{
    static const char *const names[kQualities] = {"50l.qfilter", "150l.qfilter", "300l.qfilter"};
    if (quality < 0 || quality >= kQualities)
        return QString();
    return QStringLiteral("%1/%2").arg(QStringLiteral(":/filters"), QLatin1String(names[quality]));
}

QStringList PdfCompressor::filterArguments(const QString &filterPath)
{
    QStringList arguments;
    QFile file(filterPath);
    if (filterPath.isEmpty() || !file.open(QIODevice::ReadOnly | QIODevice::Text))
        return arguments;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        const QString argument = line.trimmed();
        if (!argument.isEmpty() && !argument.startsWith(QLatin1Char('#')))
            arguments << argument;
    }
    return arguments;
}

QString PdfCompressor::outputFolder()
{
    return QStringLiteral("%1/%2").arg(QDir::tempPath(), QStringLiteral("Sweepwright"));
}

QString PdfCompressor::ghostscript()
{
    const QString chosen = qEnvironmentVariable("SWEEPWRIGHT_GS");
    return chosen.isEmpty() ? QStandardPaths::findExecutable(QStringLiteral("gs")) : chosen;
}

PdfCompression PdfCompressor::compress(const ORPdfFile &source, int quality, JobControl &job)
{
    PdfCompression result;
    if (!source.isOpen() || source.pageCount == 0) {
        result.error = failed(QCoreApplication::translate("PdfCompressor", "%1 is not a PDF document that can be read")
                                  .arg(source.pdfPath));
        return result;
    }
    const QString folder = outputFolder();
    if (!preparePrivateFolder(folder)) {
        result.error = failed(QCoreApplication::translate("PdfCompressor", "%1 is not a private folder of yours")
                                  .arg(folder));
        return result;
    }
    GhostscriptRun run(ghostscript(), folder);
    const std::optional<QString> written = run.rewrite(source, filterArguments(filterPath(quality)), job);
    if (job.isCancelled()) {
        result.cancelled = true;
        return result;
    }
    if (!written) {
        result.error = failed(run.problem());
        return result;
    }
    const auto copy = ORPdfFile::initFileDataFromPath(*written);
    if (!copy->isOpen() || copy->pageCount == 0) {
        result.error = failed(QCoreApplication::translate("PdfCompressor", "Ghostscript left no readable PDF"));
        return result;
    }
    if (copy->pageCount != source.pageCount) {
        result.error = failed(QCoreApplication::translate("PdfCompressor", "the copy has %1 of the %2 pages")
                                  .arg(copy->pageCount)
                                  .arg(source.pageCount));
        return result;
    }
    if (copy->pdfSize < source.pdfSize) {
        result.outputPath = moveToFreeName(*written, folder + QLatin1Char('/') + QFileInfo(source.pdfPath).fileName());
        if (!result.outputPath.isEmpty())
            run.keep();
        result.protectionRemoved = source.isEncrypted();
    } else {
        result.outputPath = copySource(source.pdfPath, folder);
        result.keptOriginal = true;
    }
    if (result.outputPath.isEmpty()) {
        result.error = failed(QCoreApplication::translate("PdfCompressor", "the copy could not be written in %1")
                                  .arg(folder));
        return result;
    }
    result.outputSize = ORUtility::sizeOfFile(result.outputPath);
    result.pageCount = source.pageCount;
    return result;
}

QString PdfCompressor::saveCopy(const QString &from, const QString &to, bool replace)
{
    const QFileInfo target(to);
    if (target.isDir())
        return QCoreApplication::translate("PdfCompressor", "%1 is a folder").arg(to);
    if (!replace && (target.exists() || target.isSymLink()))
        return QCoreApplication::translate("PdfCompressor", "%1 already exists").arg(to);
    QFile in(from);
    if (!in.open(QIODevice::ReadOnly))
        return in.errorString();
    QSaveFile out(to);
    if (!out.open(QIODevice::WriteOnly))
        return out.errorString();
    if (!copyBlocks(in, out))
        return out.errorString();
    if (in.error() != QFileDevice::NoError)
        return in.errorString();
    return out.commit() ? QString() : out.errorString();
}

}  // namespace sw
