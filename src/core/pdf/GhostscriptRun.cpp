// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/pdf/GhostscriptRun.h"

#include "core/foundation/ORUtility.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

#include <algorithm>
#include <csignal>
#include <sys/prctl.h>
#include <sys/resource.h>

namespace sw {

namespace {

constexpr qsizetype kErrorTail = 4096;
// A run whose address space came this close to its cap (in percent) ran
// into it: gs reports an allocation that failed in many ways, or not at all.
constexpr qint64 kNearLimitPercent = 90;
// How long gs at its memory limit may go without finishing a page.
constexpr qint64 kStallAtMemoryLimitMs = 5000;

// One context for the texts of this file, whichever function shows them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(GhostscriptRun)
};

// gs reads "%d" and its kin in an output name as the page number.
QString escapedOutputName(const QString &path)
{
    return QString(path).replace(QLatin1Char('%'), QStringLiteral("%%"));
}

// The "VmPeak" of a running process, in bytes; 0 when it cannot be read.
qint64 peakAddressSpace(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmPeak:"))
            return line.mid(7).trimmed().split(' ').value(0).toLongLong() * 1024;
    return 0;
}

}  // namespace

GhostscriptRun::GhostscriptRun(QString program, QString folder, GhostscriptLimits limits)
    : m_program(std::move(program))
    , m_folder(std::move(folder))
    , m_limits(limits)
    , m_passwordFile(m_folder + QStringLiteral("/.arguments-XXXXXX"))
{
}

GhostscriptRun::~GhostscriptRun()
{
    stop();
}

std::optional<QByteArray> GhostscriptRun::passwordArgument(const QString &password)
{
    // Inside quotes gs's argument reader turns \" into " and keeps every
    // other backslash; nothing can stand for a backslash before a quote.
    static const QRegularExpression unsafe(QStringLiteral(R"(\\"|\\$|[\n\r\x{0}])"));
    if (password.contains(unsafe))
        return std::nullopt;
    return "\"-sPDFPassword=" + QString(password).replace(QLatin1Char('"'), QStringLiteral("\\\"")).toUtf8() + "\"\n";
}

int GhostscriptRun::pageOfLine(const QByteArray &line)
{
    if (!line.startsWith("Page "))
        return 0;
    bool ok = false;
    const int page = line.mid(5).trimmed().toInt(&ok);
    return ok ? page : 0;
}

bool GhostscriptRun::writePasswordFile(const QString &password)
{
    const std::optional<QByteArray> argument = passwordArgument(password);
    if (!argument) {
        m_problem = Text::tr("Ghostscript cannot be given a password with a backslash before a quote or at its end");
        return false;
    }
    // QTemporaryFile makes it with mode 0600 inside our 0700 folder.
    if (!m_passwordFile.open() || m_passwordFile.write(*argument) != argument->size() || !m_passwordFile.flush()) {
        m_problem = Text::tr("the password could not be handed to Ghostscript");
        return false;
    }
    m_passwordFile.close();
    return true;
}

bool GhostscriptRun::start(const ORPdfFile &source, const QStringList &settings, const QString &outputName)
{
    if (m_program.isEmpty()) {
        m_problem = Text::tr("Ghostscript (gs) is not installed");
        return false;
    }
    m_outputPath = m_folder + QLatin1Char('/') + outputName;
    QStringList arguments{QStringLiteral("-dSAFER"), QStringLiteral("-dBATCH"), QStringLiteral("-dNOPAUSE"),
                          QStringLiteral("-sDEVICE=pdfwrite"),
                          QStringLiteral("-sOutputFile=") + escapedOutputName(m_outputPath)};
    if (!source.password().isEmpty()) {
        if (!writePasswordFile(source.password()))
            return false;
        arguments << QLatin1Char('@') + m_passwordFile.fileName();
    }
    // The settings may end in "-c … -f": the document comes after them.
    arguments << settings << QFileInfo(source.pdfPath).absoluteFilePath();

    m_gs = std::make_unique<QProcess>();
    m_gs->setProgram(m_program);
    m_gs->setArguments(arguments);
    m_gs->setStandardInputFile(QProcess::nullDevice());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TMPDIR"), m_folder);
    m_gs->setProcessEnvironment(environment);
    const qint64 memory = m_limits.memoryBytes;
    // In the child between fork and exec: only async-signal-safe calls.
    m_gs->setChildProcessModifier([memory] {
        if (memory > 0) {
            const struct rlimit cap = {rlim_t(memory), rlim_t(memory)};
            ::setrlimit(RLIMIT_AS, &cap);
        }
        // gs goes with us, even when we are killed without a chance to stop it.
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    });
    m_gs->start();
    if (!m_gs->waitForStarted()) {
        m_problem = Text::tr("Ghostscript could not be started: %1").arg(m_gs->errorString());
        m_gs.reset();
        return false;
    }
    m_sincePage.start();
    return true;
}

bool GhostscriptRun::wait(int msecs)
{
    if (!m_gs || m_gs->state() == QProcess::NotRunning)
        return true;
    const bool ended = m_gs->waitForFinished(msecs) || m_gs->state() == QProcess::NotRunning;
    readOutput();
    if (ended) {
        if (m_problem.isEmpty())
            m_problem = exitProblem();
        return true;
    }
    checkLimits();
    return m_gs->state() == QProcess::NotRunning;
}

void GhostscriptRun::readOutput()
{
    while (m_gs->canReadLine()) {
        const int page = pageOfLine(m_gs->readLine());
        if (page > m_pages) {
            m_pages = page;
            m_sincePage.restart();
        }
    }
    m_errors = (m_errors + m_gs->readAllStandardError()).right(kErrorTail);
    m_peakMemory = std::max(m_peakMemory, peakAddressSpace(m_gs->processId()));
}

void GhostscriptRun::checkLimits()
{
    // gs that has used up its memory does not always exit: it may go on
    // failing allocations for ever. At the limit, a short wait for a page
    // is enough.
    const QString memory = memoryNote();
    qint64 allowed = m_limits.pageStall.count();
    if (!memory.isEmpty())
        allowed = allowed > 0 ? std::min(allowed, kStallAtMemoryLimitMs) : kStallAtMemoryLimitMs;
    if (allowed <= 0 || m_sincePage.elapsed() <= allowed)
        return;
    const int seconds = int((m_limits.pageStall.count() + 999) / 1000);
    m_problem = !memory.isEmpty() ? memory
                                  : QCoreApplication::translate(
                                        "GhostscriptRun", "Ghostscript finished no page for %n second(s)", nullptr, seconds);
    stop();
}

void GhostscriptRun::stop()
{
    if (!m_gs || m_gs->state() == QProcess::NotRunning)
        return;
    m_gs->kill();
    m_gs->waitForFinished(-1);
    if (m_problem.isEmpty())
        m_problem = Text::tr("Ghostscript was stopped");
}

std::optional<QString> GhostscriptRun::output() const
{
    if (!m_gs || !m_problem.isEmpty())
        return std::nullopt;
    return m_outputPath;
}

QString GhostscriptRun::memoryNote() const
{
    if (m_limits.memoryBytes <= 0 || m_peakMemory * 100 < m_limits.memoryBytes * kNearLimitPercent)
        return QString();
    return Text::tr("Ghostscript reached its memory limit of %1")
        .arg(ORUtility::sizeFormatWithNumber(m_limits.memoryBytes));
}

QString GhostscriptRun::exitProblem() const
{
    if (m_gs->exitStatus() == QProcess::NormalExit && m_gs->exitCode() == 0)
        return QString();
    if (const QString memory = memoryNote(); !memory.isEmpty())
        return memory;
    if (m_gs->exitStatus() == QProcess::CrashExit)
        return Text::tr("Ghostscript stopped unexpectedly (it crashed or was killed)");
    // gs's last error line usually names the trouble ("Unrecoverable error …").
    const QList<QByteArray> lines = m_errors.trimmed().split('\n');
    const QString last = lines.isEmpty() ? QString() : QString::fromUtf8(lines.last()).trimmed();
    return last.isEmpty() ? Text::tr("Ghostscript ended with status %1").arg(m_gs->exitCode())
                          : Text::tr("Ghostscript ended with status %1: %2").arg(m_gs->exitCode()).arg(last);
}

}  // namespace sw
