// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/TnefCommand.h"

#include "tnef/tnef.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

namespace {

// One context for the texts of this file, whichever function shows them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(TnefCommand)
};

struct FlagOption {
    const char *name;
    unsigned int bit;
};

const FlagOption kFlagOptions[] = {
    {"--verbose", OPT_VERBOSE},
    {"--debug", OPT_DEBUG},
    {"--list", OPT_LIST_ONLY},
    {"--use-paths", OPT_USE_PATHS},
    {"--overwrite", OPT_OVERWRITE},
    {"--interactive", OPT_CONFIRM},
    {"--number-backups", OPT_NUMBER_COPIES},
    {"--mime", OPT_SHOW_MIME},
    {"--ignore-checksum", OPT_IGNORE_CHECKSUM},
    {"--tolerate-props", OPT_TOLERATE_PROPS},
    {"--tolerate-trailer", OPT_TOLERATE_TRAILER},
    {"--unix-safe", OPT_UNIX_SAFE},
    {"--absolute-paths", OPT_ABSOLUTE_PATHS},
};

bool isValidPref(const QByteArray &pref)
{
    if (pref == "all")
        return true;
    if (pref.isEmpty() || pref.size() > 3)
        return false;
    for (char c : pref) {
        if (c != 'r' && c != 'h' && c != 't')
            return false;
    }
    return true;
}

} // namespace

TnefCommand::TnefCommand()
    : CliCommand("tnef", false)
{
}

QString TnefCommand::help() const
{
    return Text::tr(
        "Usage: sweepwright-cli tnef FILE [-C DIR] [options]\n"
        "Writes the attachments and message bodies of a winmail.dat (TNEF) file into DIR\n"
        "(default: the current folder). FILE \"-\" reads standard input.\n"
        "Without any of the options below it saves every body as MailBody.rtf, .html and .txt.\n"
        "\n"
        "  -C DIR               write into DIR (created when missing)\n"
        "  --verbose            print a line per file and the warnings\n"
        "  --debug              dump every attribute and property\n"
        "  --list               write nothing, list what would be written\n"
        "  --use-paths          keep the folders of Windows paths (never above DIR)\n"
        "  --absolute-paths     with --use-paths, keep a leading folder separator (still inside DIR)\n"
        "  --overwrite          overwrite existing files\n"
        "  --interactive        ask before writing each file\n"
        "  --number-backups     write NAME.1, NAME.2 ... instead of skipping an existing NAME\n"
        "  --save-body[=PREF]   save the bodies; PREF is \"all\" (default) or up to three of r, h, t\n"
        "                       (RTF, HTML, text): the first kind present is saved\n"
        "  --body-name NAME     base name of the body files (default MailBody)\n"
        "  --mime               also list the MIME type and content ID\n"
        "  --ignore-checksum    warn about a wrong checksum instead of stopping\n"
        "  --tolerate-props     drop a damaged property block instead of stopping\n"
        "  --tolerate-trailer   accept a trailing carriage return and line feed quietly\n"
        "  --unix-safe          also escape non-ASCII bytes and shell characters in names\n"
        "  --maxsize N          refuse any single allocation above N bytes\n"
        "  --dry-run            the same as --list\n"
        "  --help               show this text\n"
        "  -V, --version        show the version\n");
}

void TnefCommand::declareOptions(CliOptions &options) const
{
    for (const FlagOption &opt : kFlagOptions)
        options.addFlags({QLatin1String(opt.name)});
    options.addFlags({QStringLiteral("--dry-run")});
    options.addOptionalValued(QStringLiteral("--save-body"));
    options.addValued({QStringLiteral("-C"), QStringLiteral("--body-name"), QStringLiteral("--maxsize")});
    options.setMissingValueText(QStringLiteral("-C"), Text::tr("%1 needs a folder"));
    options.setMissingValueText(QStringLiteral("--body-name"), Text::tr("%1 needs a name"));
    options.setMissingValueText(QStringLiteral("--maxsize"), Text::tr("%1 needs a number of bytes"));
}

std::optional<QString> TnefCommand::configure(const CliOptions &options)
{
    m_request = TnefRequest();
    TnefRequest &req = m_request;
    for (const FlagOption &opt : kFlagOptions)
        if (options.isSet(QLatin1String(opt.name)))
            req.flags |= opt.bit;
    // Writing nothing is this command's dry run.
    if (options.isSet(QStringLiteral("--dry-run")))
        req.flags |= OPT_LIST_ONLY;
    if (options.isSet(QStringLiteral("--save-body"))) {
        req.flags |= OPT_SAVE_BODIES;
        if (!options.values(QStringLiteral("--save-body")).isEmpty())
            req.bodyPref = options.value(QStringLiteral("--save-body")).toLatin1();
    }
    if (options.isSet(QStringLiteral("-C")))
        req.directory = options.value(QStringLiteral("-C"));
    if (options.isSet(QStringLiteral("--body-name")))
        req.bodyName = QFile::encodeName(options.value(QStringLiteral("--body-name")));
    if (options.isSet(QStringLiteral("--maxsize"))) {
        bool ok = false;
        const qulonglong n = options.value(QStringLiteral("--maxsize")).toULongLong(&ok);
        if (!ok)
            return Text::tr("%1 needs a number of bytes").arg(QStringLiteral("--maxsize"));
        req.maxSize = static_cast<size_t>(n);
    }
    const QStringList files = options.positional();
    if (const auto problem = oneFile(files))
        return problem;
    req.file = files.first();
    if (!isValidPref(req.bodyPref))
        return Text::tr("--save-body takes \"all\" or up to three of r, h, t");
    return std::nullopt;
}

// The decoder writes as it goes and may ask on the terminal (--interactive),
// so it runs in the foreground, and Ctrl-C keeps its default.
int TnefCommand::execute(const CliOptions &)
{
    const TnefRequest &req = m_request;
    FILE *input = stdin;
    if (req.file != QLatin1String("-")) {
        input = fopen(QFile::encodeName(req.file).constData(), "rb");
        if (input == nullptr) {
            fprintf(stderr, "tnef: %s: %s\n", req.file.toLocal8Bit().constData(), strerror(errno));
            return 1;
        }
    }
    if (!QFileInfo::exists(req.directory))
        QDir().mkpath(req.directory);
    const size_t previousLimit = get_alloc_limit();
    if (req.maxSize)
        set_alloc_limit(*req.maxSize);
    // The application's choice when no option asks for anything else.
    const unsigned int flags = req.flags != 0 ? req.flags : OPT_SAVE_BODIES;
    const int rc = parse_file(input, QFile::encodeName(req.directory).constData(), req.bodyName.constData(),
                              req.bodyPref.constData(), flags);
    set_alloc_limit(previousLimit);
    fflush(stdout);
    if (input != stdin)
        fclose(input);
    return rc == TNEF_FATAL ? 1 : rc;
}

int runTnefCommand(const QStringList &args)
{
    return TnefCommand().run(args);
}
