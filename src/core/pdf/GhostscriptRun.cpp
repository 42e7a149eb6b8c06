#include "GhostscriptRun.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

namespace sw {

namespace {

constexpr qsizetype kErrorTail = 4096;

QString tr(const char *text)
{
    return QCoreApplication::translate("GhostscriptRun", text);
}

// gs reads "%d" and its kin in an output name as the page number.
QString escapedOutputName(const QString &path)
{
    return QString(path).replace(QLatin1Char('%'), QStringLiteral("%%"));
}

}  // namespace

GhostscriptRun::GhostscriptRun(QString program, QString folder)
    : m_program(std::move(program))
    , m_folder(std::move(folder))
    , m_output(m_folder + QStringLiteral("/.compress-XXXXXX.pdf"))
    , m_passwordFile(m_folder + QStringLiteral("/.arguments-XXXXXX"))
{
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
        m_problem = tr("Ghostscript cannot be given a password with a backslash before a quote or at its end");
        return false;
    }
    // QTemporaryFile makes it with mode 0600 inside our 0700 folder.
    if (!m_passwordFile.open() || m_passwordFile.write(*argument) != argument->size() || !m_passwordFile.flush()) {
        m_problem = tr("the password could not be handed to Ghostscript");
        return false;
    }
    m_passwordFile.close();
    return true;
}

std::optional<QString> GhostscriptRun::rewrite(const ORPdfFile &source, const QStringList &filter, JobControl &job)
{
    if (m_program.isEmpty()) {
        m_problem = tr("Ghostscript (gs) is not installed");
        return std::nullopt;
    }
    if (!m_output.open()) {
        m_problem = tr("no file can be made in %1").arg(m_folder);
        return std::nullopt;
    }
    m_output.close();
    QStringList arguments{QStringLiteral("-dSAFER"), QStringLiteral("-dBATCH"), QStringLiteral("-dNOPAUSE"),
                          QStringLiteral("-sDEVICE=pdfwrite"),
                          QStringLiteral("-sOutputFile=") + escapedOutputName(m_output.fileName())};
    if (!source.password().isEmpty()) {
        if (!writePasswordFile(source.password()))
            return std::nullopt;
        arguments << QLatin1Char('@') + m_passwordFile.fileName();
    }
    // The filter may end in "-c … -f": the document comes after it.
    arguments << filter << QFileInfo(source.pdfPath).absoluteFilePath();

    QProcess gs;
    gs.setProgram(m_program);
    gs.setArguments(arguments);
    gs.setStandardInputFile(QProcess::nullDevice());
    gs.start();
    if (!gs.waitForStarted()) {
        m_problem = tr("Ghostscript could not be started: %1").arg(gs.errorString());
        return std::nullopt;
    }
    if (!watch(gs, job))
        return std::nullopt;
    m_problem = exitProblem(gs);
    if (!m_problem.isEmpty())
        return std::nullopt;
    return m_output.fileName();
}

// Follows gs until it ends, counting pages; false when the job was cancelled.
bool GhostscriptRun::watch(QProcess &gs, JobControl &job)
{
    int pages = 0;
    auto readOutput = [&] {
        while (gs.canReadLine()) {
            const int page = pageOfLine(gs.readLine());
            if (page > pages) {
                job.addItems(page - pages);
                pages = page;
            }
        }
        m_errors = (m_errors + gs.readAllStandardError()).right(kErrorTail);
    };
    while (!gs.waitForFinished(100)) {
        readOutput();
        if (job.isCancelled()) {
            gs.kill();
            gs.waitForFinished(-1);
            return false;
        }
        if (gs.state() == QProcess::NotRunning)
            break;
    }
    readOutput();
    return !job.isCancelled();
}

QString GhostscriptRun::exitProblem(const QProcess &gs) const
{
    if (gs.exitStatus() == QProcess::CrashExit)
        return tr("Ghostscript stopped unexpectedly (it crashed or was killed)");
    if (gs.exitCode() == 0)
        return QString();
    // gs's last error line usually names the trouble ("Unrecoverable error …").
    const QList<QByteArray> lines = m_errors.trimmed().split('\n');
    const QString last = lines.isEmpty() ? QString() : QString::fromUtf8(lines.last()).trimmed();
    return last.isEmpty() ? tr("Ghostscript ended with status %1").arg(gs.exitCode())
                          : tr("Ghostscript ended with status %1: %2").arg(gs.exitCode()).arg(last);
}

}  // namespace sw
