// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/PdfCommand.h"

#include "cli/CliJob.h"
#include "cli/CliPassword.h"
#include "cli/CliRemoval.h"
#include "cli/JsonWriter.h"
#include "core/foundation/ORUtility.h"
#include "core/pdf/OutputPlacement.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <csignal>
#include <cstdio>

#include <sys/stat.h>

namespace {

// One context for the texts of this file, whichever function shows them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(PdfCommand)
};

void printError(const QString &text)
{
    CliCommand::tell("pdf", text);
}

}  // namespace

PdfCommand::PdfCommand()
    : CliCommand("pdf", false)
{
}

QString PdfCommand::help() const
{
    return Text::tr(
        "Usage: sweepwright-cli pdf FILE [--quality 0|1|2] [-o OUT] [--password-stdin] [--json]\n"
        "Makes a smaller copy of a PDF document: its images are brought down to 50 ppi\n"
        "(quality 0, the default), 150 ppi (1) or 300 ppi (2). When no smaller copy can\n"
        "be made the copy is the document itself. A password-protected document gives\n"
        "a copy without protection.\n"
        "\n"
        "  --quality N        0, 1 or 2\n"
        "  -o OUT             put the copy at OUT (a file name, or a folder to put it in)\n"
        "                     instead of leaving it in the compressor's temporary folder\n"
        "  --yes              replace OUT when it exists, without asking\n"
        "  --dry-run          show what would be done, make nothing\n"
        "  --password-stdin   read the password from the first line of standard input\n"
        "                     (otherwise it is asked for on the terminal when needed)\n"
        "  --json             print the result as JSON\n"
        "  --help             show this text\n"
        "  -V, --version      show the version\n");
}

void PdfCommand::declareOptions(CliOptions &options) const
{
    options.addFlags({QStringLiteral("--json"), QStringLiteral("--password-stdin")});
    options.addFlags(clirun::consentFlags());
    options.addValued({QStringLiteral("--quality"), QStringLiteral("-o")});
    options.setMissingValueText(QStringLiteral("--quality"), Text::tr("%1 needs 0, 1 or 2"));
    options.setMissingValueText(QStringLiteral("-o"), Text::tr("%1 needs a file or a folder"));
}

std::optional<QString> PdfCommand::configure(const CliOptions &options)
{
    const QStringList files = options.positional();
    if (const auto problem = oneFile(files))
        return problem;
    m_file = files.first();
    m_json = options.isSet(QStringLiteral("--json"));
    m_passwordFromStdin = options.isSet(QStringLiteral("--password-stdin"));
    m_out = options.value(QStringLiteral("-o"));
    if (options.isSet(QStringLiteral("--quality"))) {
        bool ok = false;
        m_quality = options.value(QStringLiteral("--quality")).toInt(&ok);
        if (!ok || m_quality < 0 || m_quality >= sw::PdfCompressor::kQualities)
            return Text::tr("--quality takes 0, 1 or 2");
    }
    return std::nullopt;
}

std::optional<int> PdfCommand::unlock(ORPdfFile &file) const
{
    if (!file.isOpen()) {
        printError(Text::tr("%1: not a PDF document that can be read").arg(m_file));
        return 1;
    }
    if (!file.needsPassword())
        return std::nullopt;
    std::optional<QString> password;
    const sw::JobControl job;
    if (m_passwordFromStdin)
        password = clipassword::firstLineOfStdin(job);
    else if (clipassword::canAsk())
        password = clipassword::askOnTerminal(Text::tr("Password for %1: ").arg(m_file), job);
    if (!password) {
        printError(Text::tr("%1 needs a password: give it with --password-stdin").arg(m_file));
        return 1;
    }
    // As in the window: the password must open the document and allow both
    // copying and printing (an owner password), else it is the wrong one.
    if (!file.unlockWithPassword(*password) || !file.allowsCopying() || !file.allowsPrinting()) {
        printError(Text::tr("%1: wrong password").arg(m_file));
        return 1;
    }
    return std::nullopt;
}

std::optional<int> PdfCommand::placeCopy(const CliOptions &options, QString &path) const
{
    path = QDir::cleanPath(m_out);
    // OUT is a folder to put the copy in only when it is one itself, or
    // named with a final slash: a link planted under the name of the file
    // asked for must not send the copy elsewhere.
    struct stat st;
    const QByteArray name = QFile::encodeName(path);
    if ((::lstat(name.constData(), &st) == 0 && S_ISDIR(st.st_mode))
        || (m_out.endsWith(QLatin1Char('/')) && ::stat(name.constData(), &st) == 0 && S_ISDIR(st.st_mode)))
        path = QDir(path).filePath(QFileInfo(m_file).fileName());
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return std::nullopt;
    if (options.isSet(QStringLiteral("--dry-run")))
        return std::nullopt;
    switch (clirun::askConsent("pdf", options, Text::tr("Replace %1?").arg(path))) {
    case clirun::Consent::Go:
        return std::nullopt;
    case clirun::Consent::Refused:
        return kUsageError;
    default:
        return 1;
    }
}

int PdfCommand::execute(const CliOptions &options)
{
    const auto file = ORPdfFile::initFileDataFromPath(m_file);
    if (const std::optional<int> status = unlock(*file))
        return *status;
    QString target;
    if (!m_out.isEmpty())
        if (const std::optional<int> status = placeCopy(options, target))
            return *status;
    if (options.isSet(QStringLiteral("--dry-run")))
        return dryRun(*file, target);
    sw::PdfCompression result;
    QString placing;
    // TERM and HUP (a closed terminal) stop Ghostscript and clear its
    // files as Ctrl-C does, instead of ending us with gs still running.
    const int stoppedBy = CliJob::runStoppable(
        Text::tr("Compressing"),
        [&](sw::JobControl &job) {
            result = sw::PdfCompressor::compress(*file, m_quality, job);
            if (result.succeeded() && !target.isEmpty() && !job.isCancelled())
                placing = sw::OutputPlacement::place(result.outputPath, target, sw::OutputPlacement::Mode::Move, true,
                                                     job);
        },
        {SIGINT, SIGTERM, SIGHUP});
    if (stoppedBy != 0) {
        tellCancelled();
        return stoppedBy == SIGINT ? kCancelled : 128 + stoppedBy;
    }
    if (!result.succeeded()) {
        printError(result.error);
        return 1;
    }
    if (!placing.isEmpty()) {
        printError(Text::tr("the copy stays at %1: %2").arg(result.outputPath, placing));
        return 1;
    }
    report(*file, result, target.isEmpty() ? result.outputPath : target);
    return 0;
}

int PdfCommand::dryRun(const ORPdfFile &file, const QString &target) const
{
    QString error;
    const QString folder = sw::PdfCompressor::outputFolder(&error);
    if (target.isEmpty() && folder.isEmpty()) {
        printError(error);
        return 1;
    }
    struct stat st;
    const bool replacing = !target.isEmpty() && ::lstat(QFile::encodeName(target).constData(), &st) == 0;
    const QString plan =
        replacing ? Text::tr("Would compress %1 (%n page(s), %2) at quality %3 into %4 (replacing it)", nullptr,
                             file.pageCount)
                  : Text::tr("Would compress %1 (%n page(s), %2) at quality %3 into %4", nullptr, file.pageCount);
    std::printf("%s\n", plan.arg(m_file, ORUtility::sizeFormatWithNumber(file.pdfSize), QString::number(m_quality),
                                 target.isEmpty() ? folder : target)
                            .toLocal8Bit()
                            .constData());
    return 0;
}

void PdfCommand::report(const ORPdfFile &file, const sw::PdfCompression &result, const QString &outputPath) const
{
    if (m_json) {
        JsonWriter json(stdout);
        json.beginObject();
        json.member("pdfPath", QFileInfo(file.pdfPath).absoluteFilePath());
        json.member("pageCount", result.pageCount);
        json.member("pdfSize", file.pdfSize);
        json.member("outputPath", QFileInfo(outputPath).absoluteFilePath());
        json.member("outputSize", result.outputSize);
        json.member("quality", m_quality);
        json.member("keptOriginal", result.keptOriginal);
        json.member("protectionRemoved", result.protectionRemoved);
        json.endObject();
        std::fputc('\n', stdout);
        return;
    }
    QString text = Text::tr("%1: %n page(s), %2 -> %3", nullptr, result.pageCount)
                       .arg(file.pdfPath, ORUtility::sizeFormatWithNumber(file.pdfSize),
                            ORUtility::sizeFormatWithNumber(result.outputSize))
                   + QLatin1Char('\n');
    if (result.keptOriginal)
        text += Text::tr("Already compact: no smaller copy could be made") + QLatin1Char('\n');
    if (result.protectionRemoved)
        text += Text::tr("This copy is not password protected") + QLatin1Char('\n');
    text += Text::tr("Written to %1").arg(outputPath) + QLatin1Char('\n');
    std::fputs(text.toLocal8Bit().constData(), stdout);
}
