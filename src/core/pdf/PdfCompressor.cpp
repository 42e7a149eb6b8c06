// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/pdf/PdfCompressor.h"

#include "core/foundation/ORUtility.h"
#include "core/pdf/GhostscriptProgram.h"
#include "core/pdf/GhostscriptRun.h"
#include "core/pdf/PdfWorkFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

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

// The source's bytes in a new file of the folder, written in the run's own
// folder first (with the user's usual modes: it may be moved on to OUT).
QString copySource(const QString &source, const QString &runFolder, const QString &folder)
{
    QFile copy(runFolder + QStringLiteral("/source.pdf"));
    QFile in(source);
    if (!copy.open(QIODevice::WriteOnly | QIODevice::NewOnly) || !in.open(QIODevice::ReadOnly))
        return QString();
    QByteArray block;
    while (!(block = in.read(1 << 20)).isEmpty())
        if (copy.write(block) != block.size())
            return QString();
    if (in.error() != QFileDevice::NoError || !copy.flush())
        return QString();
    copy.close();
    return moveToFreeName(copy.fileName(), folder + QLatin1Char('/') + QFileInfo(source).fileName());
}

// Follows every run until all have ended, counting the first one's pages;
// false when the job was cancelled (every run is stopped then).
bool waitForAll(std::initializer_list<GhostscriptRun *> runs, JobControl &job)
{
    int counted = 0;
    for (;;) {
        bool ended = true;
        for (GhostscriptRun *run : runs)
            ended = run->wait(50) && ended;
        if (const int pages = (*runs.begin())->pages(); pages > counted) {
            job.addItems(pages - counted);
            counted = pages;
        }
        if (job.isCancelled()) {
            for (GhostscriptRun *run : runs)
                run->stop();
            return false;
        }
        if (ended)
            return true;
    }
}

// The copy a run made when it opens and has every page of the source, else
// nullopt with problem telling why.
std::optional<QString> checkedCopy(const GhostscriptRun &run, const ORPdfFile &source, QString &problem)
{
    const std::optional<QString> written = run.output();
    if (!written) {
        problem = run.problem();
        return std::nullopt;
    }
    const auto copy = ORPdfFile::initFileDataFromPath(*written);
    if (!copy->isOpen() || copy->pageCount == 0) {
        problem = QCoreApplication::translate("PdfCompressor", "Ghostscript left no readable PDF");
        return std::nullopt;
    }
    if (copy->pageCount != source.pageCount) {
        problem = QCoreApplication::translate("PdfCompressor", "the copy has %1 of the %2 pages")
                      .arg(copy->pageCount)
                      .arg(source.pageCount);
        return std::nullopt;
    }
    return written;
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

QString PdfCompressor::outputFolder(QString *error)
{
    return PdfWorkFolder::path(error);
}

QString PdfCompressor::ghostscript()
{
    return GhostscriptProgram::path();
}

PdfCompression PdfCompressor::compress(const ORPdfFile &source, int quality, JobControl &job,
                                       const GhostscriptLimits &limits)
{
    PdfCompression result;
    if (!source.isOpen() || source.pageCount == 0) {
        result.error = failed(QCoreApplication::translate("PdfCompressor", "%1 is not a PDF document that can be read")
                                  .arg(source.pdfPath));
        return result;
    }
    const PdfWorkFolder::Opened work = PdfWorkFolder::open();
    if (!work.folder) {
        result.error = failed(work.error);
        return result;
    }
    const QString folder = work.folder->folderPath();
    const QString runFolder = work.folder->runPath();
    GhostscriptRun filtered(ghostscript(), runFolder, limits);
    GhostscriptRun plain(ghostscript(), runFolder, limits);
    if (!filtered.start(source, filterArguments(filterPath(quality)), QStringLiteral("filtered.pdf"))) {
        result.error = failed(filtered.problem());
        return result;
    }
    plain.start(source, {}, QStringLiteral("plain.pdf"));
    if (!waitForAll({&filtered, &plain}, job)) {
        result.cancelled = true;
        return result;
    }
    QString problem, plainProblem;
    std::optional<QString> best = checkedCopy(filtered, source, problem);
    if (const std::optional<QString> other = checkedCopy(plain, source, plainProblem);
        other && (!best || QFileInfo(*other).size() < QFileInfo(*best).size()))
        best = other;
    if (!best) {
        result.error = failed(problem);
        return result;
    }
    if (QFileInfo(*best).size() < source.pdfSize) {
        result.outputPath = moveToFreeName(*best, folder + QLatin1Char('/') + QFileInfo(source.pdfPath).fileName());
        result.protectionRemoved = source.isEncrypted();
    } else {
        result.outputPath = copySource(source.pdfPath, runFolder, folder);
        result.keptOriginal = true;
    }
    if (result.outputPath.isEmpty()) {
        result.error = failed(QCoreApplication::translate("PdfCompressor", "the copy could not be written in %1")
                                  .arg(folder));
        return result;
    }
    result.outputSize = QFileInfo(result.outputPath).size();
    result.pageCount = source.pageCount;
    return result;
}

}  // namespace sw
