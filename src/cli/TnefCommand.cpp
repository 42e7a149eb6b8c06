#include "TnefCommand.h"

#include "tnef.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

namespace {

const char kUsage[] =
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
    "  --help               show this text\n";

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

struct TnefRequest {
    QString file;
    QString directory = QStringLiteral(".");
    unsigned int flags = 0;
    bool anyFlag = false;
    QByteArray bodyPref = "all";
    QByteArray bodyName = "MailBody";
    std::optional<size_t> maxSize;
    bool help = false;
};

int usageError(const QString &problem)
{
    fprintf(stderr, "tnef: %s\nTry 'sweepwright-cli tnef --help'.\n", problem.toLocal8Bit().constData());
    return 2;
}

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

// Takes the value of "--name VALUE" or "--name=VALUE"; nothing when absent.
std::optional<QString> optionValue(const QStringList &args, qsizetype &i, const QString &name)
{
    const QString &arg = args[i];
    if (arg.startsWith(name + QLatin1Char('=')))
        return arg.mid(name.size() + 1);
    if (arg == name && i + 1 < args.size())
        return args[++i];
    return std::nullopt;
}

bool takeFlag(const QString &arg, TnefRequest &req)
{
    for (const FlagOption &opt : kFlagOptions) {
        if (arg == QLatin1String(opt.name)) {
            req.flags |= opt.bit;
            req.anyFlag = true;
            return true;
        }
    }
    if (arg == QLatin1String("--save-body") || arg.startsWith(QLatin1String("--save-body="))) {
        req.flags |= OPT_SAVE_BODIES;
        req.anyFlag = true;
        if (arg.contains(QLatin1Char('=')))
            req.bodyPref = arg.mid(arg.indexOf(QLatin1Char('=')) + 1).toLatin1();
        return true;
    }
    return false;
}

// Takes args[i] (and its value); an error text for a usage error.
std::optional<QString> parseArg(const QStringList &args, qsizetype &i, TnefRequest &req)
{
    const QString &arg = args[i];
    if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
        req.help = true;
    } else if (arg == QLatin1String("-C")) {
        if (i + 1 >= args.size())
            return QStringLiteral("-C needs a folder");
        req.directory = args[++i];
    } else if (arg.startsWith(QLatin1String("--body-name"))) {
        const std::optional<QString> v = optionValue(args, i, QStringLiteral("--body-name"));
        if (!v || v->isEmpty())
            return QStringLiteral("--body-name needs a name");
        req.bodyName = QFile::encodeName(*v);
    } else if (arg.startsWith(QLatin1String("--maxsize"))) {
        const std::optional<QString> v = optionValue(args, i, QStringLiteral("--maxsize"));
        bool ok = false;
        const qulonglong n = v ? v->toULongLong(&ok) : 0;
        if (!ok)
            return QStringLiteral("--maxsize needs a number of bytes");
        req.maxSize = static_cast<size_t>(n);
    } else if (arg.startsWith(QLatin1Char('-')) && arg != QLatin1String("-")) {
        return QStringLiteral("unknown option %1").arg(arg);
    } else if (req.file.isEmpty()) {
        req.file = arg;
    } else {
        return QStringLiteral("more than one file given");
    }
    return std::nullopt;
}

// Fills req from args; an error text for a usage error.
std::optional<QString> parseArgs(const QStringList &args, TnefRequest &req)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (takeFlag(args[i], req))
            continue;
        if (std::optional<QString> problem = parseArg(args, i, req))
            return problem;
    }
    if (req.help)
        return std::nullopt;
    if (req.file.isEmpty())
        return QStringLiteral("no file given");
    if (!isValidPref(req.bodyPref))
        return QStringLiteral("--save-body takes \"all\" or up to three of r, h, t");
    return std::nullopt;
}

int decode(const TnefRequest &req)
{
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
    const unsigned int flags = req.anyFlag ? req.flags : OPT_SAVE_BODIES;
    const int rc = parse_file(input, QFile::encodeName(req.directory).constData(), req.bodyName.constData(),
                              req.bodyPref.constData(), flags);
    set_alloc_limit(previousLimit);
    fflush(stdout);
    if (input != stdin)
        fclose(input);
    return rc == TNEF_FATAL ? 1 : rc;
}

} // namespace

int runTnefCommand(const QStringList &args)
{
    TnefRequest req;
    if (const std::optional<QString> problem = parseArgs(args, req))
        return usageError(*problem);
    if (req.help) {
        fputs(kUsage, stdout);
        return 0;
    }
    return decode(req);
}
