#include "JunkCommand.h"

#include "CliOptions.h"
#include "JunkReport.h"
#include "MainQueue.h"
#include "ORDispatch.h"
#include "ORJunkCategory.h"
#include "ORJunkFilesCollection.h"
#include "ORLayout.h"
#include "ORPrefConfig.h"
#include "ProgressLine.h"

#include <QEventLoop>
#include <QSet>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <optional>

#include <unistd.h>

namespace {

struct JunkRequest
{
    QSet<QString> switchKeys;  // the categories to scan, by switch key
    bool json = false;
    bool clean = false;
    bool stats = false;
};

struct JunkOutcome
{
    std::shared_ptr<ORJunkData> data;
    std::optional<qint64> delSize;
};

QString usage()
{
    QString text = QStringLiteral(
        "Usage: sweepwright-cli junk [--layout L] [--root R] [--home H] [--json] [--clean]\n"
        "                            [--category ID]... [--all]\n"
        "Scans the junk categories and lists what they found. With --clean it then removes\n"
        "what is marked by default (iOS software updates and backups never are) and reports\n"
        "the size removed. Nothing is written to the settings; login items are not touched.\n"
        "\n"
        "  --json         print one JSON object instead of a table\n"
        "  --clean        remove the marked items after the scan\n"
        "  --category ID  scan this category (repeatable) instead of the default ones\n"
        "  --all          scan every category of the layout\n"
        "  --help         show this text\n");
    text += ORLayout::optionsHelp();
    text += QStringLiteral("\nCategories of the %1 layout (* scanned by default):\n").arg(ORLayout::kindName());
    for (const ORJunkCategory &c : ORJunkCategory::categories()) {
        const bool byDefault = ORPrefConfig::startupValue(c.switchKey).toBool();
        text += QStringLiteral("  %1 %2 %3\n").arg(c.groupID, 3).arg(byDefault ? '*' : ' ').arg(c.groupName());
    }
    return text;
}

int usageError(const QString &problem)
{
    std::fprintf(stderr, "junk: %s\nTry 'sweepwright-cli junk --help'.\n", problem.toLocal8Bit().constData());
    return 2;
}

// The switch keys to read as on: the named categories, all of them, or those
// whose switch is on at every start of the application.
std::optional<QString> chooseCategories(const CliOptions &options, QSet<QString> &keys)
{
    const QList<ORJunkCategory> offered = ORJunkCategory::categories();
    for (const ORJunkCategory &c : offered)
        if (options.isSet(QStringLiteral("--all"))
            || (!options.isSet(QStringLiteral("--category")) && ORPrefConfig::startupValue(c.switchKey).toBool()))
            keys.insert(c.switchKey);
    for (const QString &value : options.values(QStringLiteral("--category"))) {
        bool ok = false;
        const qint64 id = value.toLongLong(&ok);
        const auto category = ok ? ORJunkCategory::byID(id) : std::nullopt;
        if (!category)
            return QStringLiteral("no category %1 in the %2 layout").arg(value, ORLayout::kindName());
        keys.insert(category->switchKey);
    }
    return std::nullopt;
}

// Counts the engine's removal failures and shows every warning on stderr.
class FailureLog
{
public:
    FailureLog() { s_previous = qInstallMessageHandler(&FailureLog::handle); }
    ~FailureLog() { qInstallMessageHandler(s_previous); }
    int failures() const { return s_failures.load(); }

private:
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        if (type == QtDebugMsg || type == QtInfoMsg)
            return;
        if (context.category && std::strcmp(context.category, "sweepwright.junk") == 0)
            ++s_failures;
        std::fprintf(stderr, "sweepwright-cli: %s\n", message.toLocal8Bit().constData());
    }
    static inline std::atomic<int> s_failures{0};
    static inline QtMessageHandler s_previous = nullptr;
};

// Scans (and cleans) on a worker while the main loop delivers the progress.
JunkOutcome runEngine(const JunkRequest &request, ProgressLine &progress)
{
    ORJunkFilesCollection &engine = ORJunkFilesCollection::shareInstance();
    const QSet<QString> keys = request.switchKeys;
    engine.setSwitchReader([keys](const QString &key) { return keys.contains(key); });
    JunkOutcome outcome;
    QEventLoop loop;
    ORDispatch::global(ORDispatch::Priority::Default, [&] {
        outcome.data = engine.junkData();
        if (request.clean) {
            ORDispatch::main([&progress] { progress.setPhase(QStringLiteral("Removing")); });
            engine.deleteJunks();
            outcome.delSize = engine.delSize();
        }
        ORDispatch::main([&loop] { loop.quit(); });
    });
    loop.exec();
    return outcome;
}

int run(const JunkRequest &request)
{
    if (::geteuid() == 0)
        std::fputs("sweepwright-cli: running as root is never needed; protected system folders stay untouched.\n",
                   stderr);
    FailureLog failures;
    JunkOutcome outcome;
    {
        ProgressLine progress(stderr, QStringLiteral("junktitle"), QStringLiteral("junksize"));
        outcome = runEngine(request, progress);
    }
    const QByteArray text = request.json ? JunkReport::json(*outcome.data, outcome.delSize)
                                         : JunkReport::table(*outcome.data, outcome.delSize).toLocal8Bit();
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    std::fflush(stdout);
    if (request.stats)
        std::fprintf(stderr, "stats: main-thread wake-ups %llu\n",
                     static_cast<unsigned long long>(sw::MainQueue::instance().wakeCount()));
    return failures.failures() > 0 ? 1 : 0;
}

}  // namespace

int runJunkCommand(const QStringList &args)
{
    CliOptions options({QStringLiteral("--json"), QStringLiteral("--clean"), QStringLiteral("--all"),
                        QStringLiteral("--help"), QStringLiteral("-h"), QStringLiteral("--stats")},
                       {QStringLiteral("--layout"), QStringLiteral("--root"), QStringLiteral("--home"),
                        QStringLiteral("--category")});
    if (const auto problem = options.parse(args))
        return usageError(*problem);
    if (!options.positional().isEmpty())
        return usageError(QStringLiteral("unexpected argument %1").arg(options.positional().first()));
    if (const QString problem = ORLayout::configure(args); !problem.isEmpty())
        return usageError(problem);
    if (options.isSet(QStringLiteral("--help")) || options.isSet(QStringLiteral("-h"))) {
        std::fputs(usage().toLocal8Bit().constData(), stdout);
        return 0;
    }
    JunkRequest request;
    if (const auto problem = chooseCategories(options, request.switchKeys))
        return usageError(*problem);
    request.json = options.isSet(QStringLiteral("--json"));
    request.clean = options.isSet(QStringLiteral("--clean"));
    request.stats = options.isSet(QStringLiteral("--stats"));
    return run(request);
}
