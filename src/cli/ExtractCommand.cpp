// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ExtractCommand.h"

#include "cli/CliPassword.h"
#include "cli/ExtractReport.h"
#include "cli/InterruptWatch.h"
#include "cli/ProgressLine.h"
#include "core/foundation/ORDispatch.h"
#include "core/winmail/names/EncodingList.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// One context for the texts of this file, whichever function shows them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(ExtractCommand)
};

const QString kAuto = QStringLiteral("auto");
const QString kListEncodings = QStringLiteral("list");

// The encodings the Archives page offers; any other name ICU knows works too.
void printEncodings()
{
    for (const sw::EncodingList::Encoding &encoding : sw::EncodingList::shared().encodings())
        std::printf("%s\n", QStringLiteral("%1 %2")
                                .arg(encoding.icuName, -24)
                                .arg(QCoreApplication::translate("TUEncodingPopUp", encoding.title))
                                .toLocal8Bit()
                                .constData());
}

}  // namespace

ExtractCommand::ExtractCommand() : CliCommand("extract", false) {}

QString ExtractCommand::help() const
{
    return Text::tr(
        "Usage: sweepwright-cli extract FILE [-C DIR] [options]\n"
        "Extracts an archive (zip, 7z, rar, tar and its compressed forms, iso, cab, lzh...)\n"
        "or a winmail.dat file. Without -C it goes into a folder named after FILE in a\n"
        "new private folder in the temporary folder, as on the Archives page; the\n"
        "destination is printed.\n"
        "\n"
        "  -C DIR               write the entries into DIR exactly as the archive names\n"
        "                       them; DIR is made when its parent exists, and a link to\n"
        "                       a folder is followed\n"
        "  --password-file F    the password is the first line of F\n"
        "  --password-stdin     the password is the first line of standard input\n"
        "                       Without either it is asked for on the terminal, if there\n"
        "                       is one (three times at most); only an archive that needs\n"
        "                       one asks.\n"
        "  --encoding NAME      decode names that are not UTF-8 with NAME, an ICU\n"
        "                       converter name or alias (Shift_JIS, GBK, windows-1252...);\n"
        "                       \"auto\" lets the detector decide; \"list\" prints the common\n"
        "                       ones.\n"
        "                       Default: the application's setting\n"
        "  --list               write nothing; print the type, size and path of each entry\n"
        "                       (size ? when the archive does not say)\n"
        "  --json               print the result as a JSON object (on failure too, with\n"
        "                       its \"error\"); nothing else goes to standard output\n"
        "  --help               show this text\n"
        "  -V, --version        show the version\n"
        "\n"
        "Entries that would land outside the destination (absolute paths, \"..\", links\n"
        "leading out, special files) are skipped and reported; control characters in\n"
        "names are shown escaped (\\n, \\x1b, \\\\). A file is written under a hidden\n"
        "name and gets its own only once complete. An extraction that fails leaves no\n"
        "folder of its own behind. Exit status: 0 done; 1 the file is missing, damaged,\n"
        "cut short or in a format not read, the password is wrong or missing, TMPDIR\n"
        "is not usable, or the disk ran short; 2 a usage error; 130 Ctrl-C.\n");
}

void ExtractCommand::declareOptions(CliOptions &options) const
{
    options.addFlags(
        {QStringLiteral("--password-stdin"), QStringLiteral("--list"), QStringLiteral("--json")});
    options.addValued(
        {QStringLiteral("-C"), QStringLiteral("--password-file"), QStringLiteral("--encoding")});
    options.setMissingValueText(QStringLiteral("-C"), Text::tr("%1 needs a folder"));
    options.setMissingValueText(QStringLiteral("--password-file"), Text::tr("%1 needs a file"));
    options.setMissingValueText(QStringLiteral("--encoding"), Text::tr("%1 needs an encoding name"));
}

std::optional<QString> ExtractCommand::configure(const CliOptions &options)
{
    m_request = sw::ExtractionRequest();
    m_request.encoding = options.value(QStringLiteral("--encoding"));
    m_listEncodings = m_request.encoding == kListEncodings;
    if (m_listEncodings)
        return std::nullopt;
    const QString &encoding = m_request.encoding;
    if (!encoding.isEmpty() && encoding != kAuto && sw::EncodingList::standardName(encoding).isEmpty())
        return Text::tr("unknown encoding \"%1\" (--encoding list prints the names)")
            .arg(m_request.encoding);
    const QStringList files = options.positional();
    if (const auto problem = oneFile(files))
        return problem;
    m_request.source = QFileInfo(files.first()).absoluteFilePath();
    m_request.listOnly = options.isSet(QStringLiteral("--list"));
    m_directory = options.value(QStringLiteral("-C"));
    m_json = options.isSet(QStringLiteral("--json"));
    return configurePassword(options);
}

std::optional<QString> ExtractCommand::configurePassword(const CliOptions &options)
{
    const bool fromFile = options.isSet(QStringLiteral("--password-file"));
    const bool fromStdin = options.isSet(QStringLiteral("--password-stdin"));
    if (fromFile && fromStdin)
        return Text::tr("--password-file and --password-stdin exclude each other");
    m_passwordFrom = fromFile ? PasswordFrom::File : fromStdin ? PasswordFrom::Stdin : PasswordFrom::Terminal;
    m_password.reset();
    m_passwordMissing = false;
    m_wrongPassword.clear();
    m_retries = 0;
    if (!fromFile)
        return std::nullopt;
    QString problem;
    m_password = clipassword::firstLineOfFile(options.value(QStringLiteral("--password-file")), problem);
    if (!m_password)
        return problem;
    return std::nullopt;
}

// -C DIR: made when missing (its parent must be there; no tree of folders
// springs from a typo), and resolved, so a link to a folder leads the
// engine's checks to the folder itself.
std::optional<QString> ExtractCommand::prepareDirectory()
{
    const QFileInfo info(m_directory);
    if (!info.exists()) {
        if (info.isSymLink())
            return Text::tr("-C: %1 is a link that leads nowhere").arg(m_directory);
        if (!info.dir().exists())
            return Text::tr("-C: the folder %1 does not exist").arg(info.dir().path());
        if (!QDir().mkdir(m_directory))
            return Text::tr("-C: cannot make the folder %1").arg(m_directory);
        // Made for this extraction: a failed one takes it away again.
        m_request.ownsDestination = true;
    } else if (!info.isDir()) {
        return Text::tr("-C: %1 is not a folder").arg(m_directory);
    }
    m_request.destination = QFileInfo(m_directory).canonicalFilePath();
    return std::nullopt;
}

int ExtractCommand::execute(const CliOptions &)
{
    if (m_listEncodings) {
        printEncodings();
        return 0;
    }
    ExtractReport report(m_json, m_request.listOnly);
    const sw::ExtractionOutcome nothing;
    const QFileInfo source(m_request.source);
    if (!source.isFile())
        return report.failure(m_request.source,
                              source.exists() ? Text::tr("not a file") : QString::fromLocal8Bit(std::strerror(ENOENT)),
                              nothing, 1);
    if (!m_request.listOnly && !m_directory.isEmpty())
        if (const auto problem = prepareDirectory())
            return m_json ? report.failure(m_request.source, *problem, nothing, kUsageError) : usageError(*problem);
    sw::ExtractionOutcome outcome;
    if (runExtraction(outcome)) {
        if (m_json)
            return report.failure(m_request.source, Text::tr("cancelled"), outcome, kCancelled);
        tellCancelled();
        if (!outcome.items.isEmpty())
            std::fprintf(stderr, "extract: %s\n",
                         ExtractReport::printable(Text::tr("what was written stays in %1").arg(outcome.destination))
                             .constData());
        return kCancelled;
    }
    if (outcome.status != sw::ExtractionOutcome::Status::Extracted)
        return report.failure(m_request.source, failureText(outcome), outcome, 1);
    return report.success(outcome);
}

bool ExtractCommand::runExtraction(sw::ExtractionOutcome &outcome)
{
    sw::JobControl job;
    const QString phase = m_request.listOnly ? Text::tr("Listing") : Text::tr("Extracting");
    std::optional<ProgressLine> progress(std::in_place, stderr, job, phase);
    // The question and the progress line share the terminal: the line is
    // gone while the question waits.
    const auto showProgress = [&](bool on) {
        ORDispatch::mainSync([&] {
            if (on)
                progress.emplace(stderr, job, phase);
            else
                progress.reset();
        });
    };
    InterruptWatch interrupt(job);
    QEventLoop loop;
    ORDispatch::global(ORDispatch::Priority::Default, [&] {
        outcome = ORFileDataCollection::shareInstance().extract(
            m_request, [&](const QString &problem) { return password(job, showProgress, problem); }, job);
        ORDispatch::main([&loop] { loop.quit(); });
    });
    loop.exec();
    progress.reset();
    return interrupt.fired();
}

// Called on the worker when the archive needs a password, and again with
// the problem after a wrong one: the terminal asks again, a few times; a
// file or standard input has given its one answer.
std::optional<QString> ExtractCommand::password(const sw::JobControl &job,
                                                const std::function<void(bool)> &showProgress, const QString &problem)
{
    constexpr int kTerminalTries = 3;
    if (!problem.isEmpty() && (m_passwordFrom != PasswordFrom::Terminal || ++m_retries >= kTerminalTries)) {
        m_wrongPassword = problem;
        return std::nullopt;
    }
    std::optional<QString> answer;
    switch (m_passwordFrom) {
    case PasswordFrom::File:
        return m_password;
    case PasswordFrom::Stdin:
        answer = clipassword::firstLineOfStdin(job);
        break;
    case PasswordFrom::Terminal:
        if (!clipassword::canAsk())
            break;
        showProgress(false);
        if (!problem.isEmpty())
            std::fprintf(stderr, "%s\n", qUtf8Printable(problem));
        answer = clipassword::askOnTerminal(
            Text::tr("Password for %1: ").arg(QFileInfo(m_request.source).fileName()), job);
        showProgress(true);
        break;
    }
    m_passwordMissing = !answer && !job.isCancelled();
    return answer;
}

QString ExtractCommand::failureText(const sw::ExtractionOutcome &outcome) const
{
    if (!m_wrongPassword.isEmpty())
        return m_wrongPassword;
    if (m_passwordMissing)
        return Text::tr("Password required");
    const QString why = outcome.detail.isEmpty() ? outcome.message : outcome.detail;
    if (!why.isEmpty())
        return why;
    if (outcome.status == sw::ExtractionOutcome::Status::Unsupported)
        return Text::tr("This archive format is not supported");
    return Text::tr("the file could not be extracted");
}
