#include "JunkCommand.h"

#include "CliOptions.h"
#include "CliRemoval.h"
#include "JunkHelp.h"
#include "JunkOverlap.h"
#include "JunkReport.h"
#include "MainQueue.h"
#include "ORJunkCategory.h"
#include "ORJunkFilesCollection.h"
#include "ORLayout.h"
#include "ORPrefConfig.h"
#include "ORSelection.h"
#include "ORUtility.h"
#include "ProgressLine.h"

#include <QSet>

#include <cstdio>
#include <optional>

#include <unistd.h>

namespace {

struct JunkRequest
{
    QSet<QString> switchKeys;  // the categories to scan, by switch key
    bool json = false;
    bool clean = false;
    bool admin = false;
    bool stats = false;
};

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

// With --admin the items only an administrator may remove are marked as well
// (in the categories that mark what they find).
void markAdminItems(ORJunkData &data)
{
    for (ORJunkDataGroup &group : data.junkGroups) {
        const auto category = ORJunkCategory::byID(group.groupID);
        if (!category || !category->initiallyMarked)
            continue;
        for (qsizetype i = 0; i < group.groupItems.size(); ++i)
            if (group.groupItems.at(i).needsAdmin)
                sw::selection::setItemMarked(group, i, true);
    }
}

QString question(const ORJunkData &data)
{
    qsizetype items = 0;
    for (const ORJunkDataGroup &group : data.junkGroups)
        if (group.isGroupDelFlag != 0)
            items += std::count_if(group.groupItems.cbegin(), group.groupItems.cend(),
                                   [](const ORjunkDataItem &item) { return item.isDel; });
    return QStringLiteral("Remove %1 items (%2)?")
        .arg(items)
        .arg(ORUtility::sizeFormatWithNumber(sw::JunkOverlap::selectedSize(data)));
}

void write(const QByteArray &text)
{
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    std::fflush(stdout);
}

int run(const JunkRequest &request, const CliOptions &options)
{
    if (::geteuid() == 0)
        std::fputs("sweepwright-cli: running as root is never needed; protected system folders stay untouched.\n",
                   stderr);
    ORJunkFilesCollection &engine = ORJunkFilesCollection::shareInstance();
    const QSet<QString> keys = request.switchKeys;
    engine.setSwitchReader([keys](const QString &key) { return keys.contains(key); });
    engine.setAdminRemoval(request.admin);
    std::shared_ptr<ORJunkData> data;
    std::optional<sw::RemovalReport> report;
    ProgressLine progress(stderr, QStringLiteral("junktitle"), QStringLiteral("junksize"));
    clirun::onWorker([&] { data = engine.junkData(); });
    if (request.admin)
        markAdminItems(*data);
    JunkReport::Removal removal;
    if (request.clean) {
        progress.clear();
        removal.consent = clirun::askConsent("junk", options, question(*data));
        if (removal.consent == clirun::Consent::Go) {
            progress.setPhase(QStringLiteral("Removing"));
            clirun::onWorker([&] { engine.deleteJunks(); });
            removal.report = engine.removalReport();
        }
    }
    progress.clear();
    write(request.json ? JunkReport::json(*data, removal) : JunkReport::table(*data, removal).toLocal8Bit());
    if (request.stats)
        std::fprintf(stderr, "stats: main-thread wake-ups %llu\n",
                     static_cast<unsigned long long>(sw::MainQueue::instance().wakeCount()));
    if (removal.consent == clirun::Consent::Refused)
        return 2;  // no --yes and nobody to ask
    return removal.report && !removal.report->isClean() ? 1 : 0;
}

}  // namespace

int runJunkCommand(const QStringList &args)
{
    CliOptions options(QStringList{QStringLiteral("--json"), QStringLiteral("--clean"), QStringLiteral("--all"),
                                   QStringLiteral("--admin"), QStringLiteral("--help"), QStringLiteral("-h"),
                                   QStringLiteral("--stats")}
                           + clirun::consentFlags(),
                       {QStringLiteral("--layout"), QStringLiteral("--root"), QStringLiteral("--home"),
                        QStringLiteral("--category")});
    if (const auto problem = options.parse(args))
        return usageError(*problem);
    if (!options.positional().isEmpty())
        return usageError(QStringLiteral("unexpected argument %1").arg(options.positional().first()));
    if (const QString problem = ORLayout::configure(args); !problem.isEmpty())
        return usageError(problem);
    if (options.isSet(QStringLiteral("--help")) || options.isSet(QStringLiteral("-h"))) {
        std::fputs(junkHelp().toLocal8Bit().constData(), stdout);
        return 0;
    }
    JunkRequest request;
    if (const auto problem = chooseCategories(options, request.switchKeys))
        return usageError(*problem);
    request.json = options.isSet(QStringLiteral("--json"));
    request.clean = options.isSet(QStringLiteral("--clean")) || options.isSet(QStringLiteral("--dry-run"));
    request.admin = options.isSet(QStringLiteral("--admin"));
    request.stats = options.isSet(QStringLiteral("--stats"));
    return run(request, options);
}
