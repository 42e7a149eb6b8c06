// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/winmail/sevenzip/SevenZipProcess.h"

#include "core/platform/LogCategory.h"
#include "core/winmail/sevenzip/FreeSpaceReserve.h"
#include "core/winmail/sevenzip/StallGuard.h"

#include "core/foundation/JobControl.h"

#include <QCoreApplication>
#include <QFile>
#include <QLoggingCategory>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>

#include <optional>

#include <signal.h>
#include <sys/prctl.h>
#include <sys/statvfs.h>

Q_LOGGING_CATEGORY(lcSevenZip, "sweepwright.sevenzip", sw::logThreshold(QtInfoMsg))

namespace sw {

namespace {

// One context for the texts of this file, whichever function shows them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(SevenZipProcess)
};

constexpr int kPollMs = 100;
constexpr qsizetype kMaxErrorOutput = 64 * 1024; // 7zz's messages, kept for the verdict and the log

// True when writing the rest of expectedSize bytes in expectedItems items
// (percent of them are done) into folder still leaves the reserves free;
// true as well when it cannot be told.
bool leavesReserve(const QString &folder, qint64 expectedSize, qint64 expectedItems, int percent)
{
    struct statvfs fs;
    if (::statvfs(QFile::encodeName(folder).constData(), &fs) != 0)
        return true;
    const int left = 100 - qBound(0, percent, 100);
    return sw::leavesReserve(fs, expectedSize > 0 ? expectedSize / 100 * left : 0, expectedItems * left / 100);
}

// Bytes the process read and wrote so far (its /proc io counters), -1 when
// they cannot be read.
qint64 ioCount(qint64 pid)
{
    QFile io(QStringLiteral("/proc/%1/io").arg(pid));
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    qint64 total = 0;
    for (const QByteArray &line : io.readAll().split('\n'))
        if (line.startsWith("rchar: ") || line.startsWith("wchar: "))
            total += line.mid(7).toLongLong();
    return total;
}

QProcessEnvironment childEnvironment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // Names and messages in UTF-8 and English, whatever the user's locale.
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    environment.remove(QStringLiteral("LANGUAGE"));
    return environment;
}

} // namespace

SevenZipProcess::SevenZipProcess(QString archivePath) : m_archivePath(std::move(archivePath)) {}

QString SevenZipProcess::program()
{
    const QString standIn = qEnvironmentVariable("SWEEPWRIGHT_7ZZ");
    if (!standIn.isEmpty())
        return standIn;
    return QStandardPaths::findExecutable(QStringLiteral("7zz"));
}


QStringList SevenZipProcess::passwordArguments() const
{
    // An empty -p answers "no password" without a prompt; a real one goes
    // to the prompt, on standard input.
    return m_password.isEmpty() ? QStringList{QStringLiteral("-p")} : QStringList();
}

SevenZipProcess::Result SevenZipProcess::list()
{
    QStringList arguments{QStringLiteral("l"), QStringLiteral("-slt"), QStringLiteral("-ba")};
    arguments << passwordArguments() << QStringLiteral("--") << m_archivePath;
    Result result = run(arguments, QString(), 0);
    if (m_job && result.status == Status::Ok)
        m_job->addItems(result.entries.size());
    return result;
}

SevenZipProcess::Result SevenZipProcess::extract(const QString &stagingFolder, qint64 expectedSize,
                                                 qint64 expectedItems)
{
    QStringList arguments{QStringLiteral("x"),     QStringLiteral("-y"),
                          QStringLiteral("-bso0"), QStringLiteral("-bsp1"),
                          QStringLiteral("-bb0"),  QStringLiteral("-o") + stagingFolder};
    arguments << passwordArguments() << QStringLiteral("--") << m_archivePath;
    m_expectedItems = expectedItems;
    return run(arguments, stagingFolder, expectedSize);
}

SevenZipProcess::Result SevenZipProcess::run(const QStringList &arguments, const QString &watchedFolder,
                                             qint64 expectedSize)
{
    Result result;
    const QString executable = program();
    if (executable.isEmpty()) {
        result.status = Status::ProgramMissing;
        result.message = Text::tr("7zz is not installed");
        return result;
    }
    const bool extracting = !watchedFolder.isEmpty();
    if (m_job && m_job->isCancelled()) {
        result.status = Status::Cancelled;
        return result;
    }
    if (extracting && !leavesReserve(watchedFolder, expectedSize, m_expectedItems, 0)) {
        result.status = Status::NoSpace;
        return result;
    }

    QProcess process;
    process.setProcessEnvironment(childEnvironment());
    // 7zz goes when we do (killed, it would go on writing into the staging folder).
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    process.start(executable, arguments, QIODevice::ReadWrite);
    if (!process.waitForStarted(-1)) {
        result.status = Status::ProgramMissing;
        result.message = process.errorString();
        return result;
    }
    if (!m_password.isEmpty())
        process.write(m_password.section(QLatin1Char('\n'), 0, 0).toUtf8() + '\n');
    process.closeWriteChannel();

    QByteArray output;
    QByteArray errors;
    int percent = -1;
    std::optional<Status> stopped;
    const auto collect = [&] {
        const QByteArray chunk = process.readAllStandardOutput();
        if (!extracting) {
            output += chunk;
        } else if (const int p = sevenzip::lastPercent(chunk); p >= 0 && p != percent) {
            percent = p;
            if (m_job)
                m_job->setBytes(expectedSize / 100 * percent);
            if (m_progress)
                m_progress(percent);
        }
        const QByteArray errorChunk = process.readAllStandardError();
        errors += errorChunk.left(kMaxErrorOutput - errors.size());
    };
    // 7zz too may loop in place on a damaged archive: it must keep reading
    // or writing something.
    StallGuard guard;
    qint64 io = -1;
    while (!process.waitForFinished(kPollMs) && process.state() != QProcess::NotRunning) {
        collect();
        if (const qint64 now = ioCount(process.processId()); now != io) {
            io = now;
            guard.progressed();
        }
        if (m_job && m_job->isCancelled())
            stopped = Status::Cancelled;
        else if (extracting && !leavesReserve(watchedFolder, expectedSize, m_expectedItems, percent))
            stopped = Status::NoSpace;
        else if (guard.stalled())
            stopped = Status::Damaged;
        if (stopped) {
            process.kill();
            process.waitForFinished(-1);
            break;
        }
    }
    collect();
    if (stopped) {
        result.status = *stopped;
        if (result.status == Status::Damaged)
            result.message = Text::tr("7zz made no progress for %1 ms").arg(StallGuard::limit());
        return result;
    }
    if (process.exitStatus() != QProcess::NormalExit) {
        // 7zz died on the archive's data: as good as damaged.
        qCWarning(lcSevenZip).noquote() << "7zz ended abnormally on" << m_archivePath;
        result.status = Status::Damaged;
        result.message = process.errorString();
        return result;
    }
    sevenzip::Verdict verdict = sevenzip::verdict(process.exitCode(), errors, !m_password.isEmpty());
    result.status = verdict.status;
    result.skipped = std::move(verdict.skipped);
    result.message = std::move(verdict.message);
    if (result.status != Status::Ok)
        qCInfo(lcSevenZip).noquote() << "7zz on" << m_archivePath << "exit" << process.exitCode()
                                     << result.message;
    else if (!extracting)
        result.entries = sevenzip::parseListing(output);
    return result;
}

} // namespace sw
