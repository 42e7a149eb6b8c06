// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/JunkCommand.h"

#include "cli/JsonWriter.h"
#include "cli/JunkHelp.h"
#include "cli/JunkReport.h"
#include "cli/KeepPathOption.h"
#include "cli/OlderThanOption.h"
#include "cli/ScheduledRunNotice.h"
#include "core/foundation/MainQueue.h"
#include "core/foundation/ORPrefConfig.h"
#include "core/foundation/ORSelection.h"
#include "core/junk/JunkOverlap.h"
#include "core/junk/ORJunkCategory.h"
#include "core/junk/ORJunkFilesCollection.h"
#include "core/junk/ScheduledProfile.h"
#include "core/platform/ORLayout.h"

#include <QCoreApplication>

namespace {

// One context for the texts of this file, whichever function shows them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(JunkCommand)
};

// A category that leaves what it finds unmarked (the Trash, the Downloads
// folder) is taken when it was named with --category: the user asked for it.
// Items only an administrator may remove are marked only with --admin.
void markAskedFor(ORJunkData &data, const QSet<qint64> &named, bool admin)
{
    for (ORJunkDataGroup &group : data.junkGroups) {
        const auto category = ORJunkCategory::byID(group.groupID);
        if (!category)
            continue;
        const bool wholeCategory = !category->initiallyMarked && named.contains(group.groupID);
        if (!category->initiallyMarked && !wholeCategory)
            continue;
        for (qsizetype i = 0; i < group.groupItems.size(); ++i) {
            const ORjunkDataItem &item = group.groupItems.at(i);
            if (item.needsAdmin ? admin : wholeCategory)
                sw::selection::setItemMarked(group, i, true);
        }
    }
}

}  // namespace

JunkCommand::JunkCommand()
    : ToolCommand("junk", Removal{QStringLiteral("--clean"), {sw::RemovalWording::Action::DeleteJunk, false},
                                  clirun::Deed::Remove, false})
{
}

QString JunkCommand::help() const
{
    return junkHelp();
}

void JunkCommand::declareOptions(CliOptions &options) const
{
    ToolCommand::declareOptions(options);
    options.addFlags({QStringLiteral("--all"), QStringLiteral("--admin"), QStringLiteral("--stats")});
    options.addValued({QStringLiteral("--category")});
    KeepPathOption::declare(options);
    options.addValued({QStringLiteral("--profile")});
    OlderThanOption::declare(options);
}

// The switch keys to read as on: the named categories, all of them, or those
// whose switch is on at every start of the application.
std::optional<QString> JunkCommand::configure(const CliOptions &options)
{
    if (!options.positional().isEmpty())
        return unexpectedArgument(options.positional().first());
    if (options.isSet(QStringLiteral("--profile")))
        return configureProfile(options);
    for (const ORJunkCategory &c : ORJunkCategory::categories())
        if (options.isSet(QStringLiteral("--all"))
            || (!options.isSet(QStringLiteral("--category")) && ORPrefConfig::startupValue(c.switchKey).toBool()))
            m_switchKeys.insert(c.switchKey);
    for (const QString &value : options.values(QStringLiteral("--category"))) {
        bool ok = false;
        const qint64 id = value.toLongLong(&ok);
        const auto category = ok ? ORJunkCategory::byID(id) : std::nullopt;
        if (!category)
            return Text::tr("no category %1 in the %2 layout").arg(value, ORLayout::kindName());
        m_switchKeys.insert(category->switchKey);
        m_named.insert(id);
    }
    KeepPathOption::apply(options);
    m_admin = options.isSet(QStringLiteral("--admin"));
    m_stats = options.isSet(QStringLiteral("--stats"));
    std::optional<QString> badAge;
    const std::optional<int> olderThan = OlderThanOption::read(options, badAge);
    if (badAge)
        return badAge;
    // The ages set in the preferences hold unless the command names one.
    shareChoice().setAgeRules(olderThan ? std::optional(sw::JunkAgeRules::everyCategory(*olderThan))
                                        : std::nullopt);
    return std::nullopt;
}

// The profile's categories count as named: a category that starts
// unmarked (the Trash) was ticked for the schedule by the user. Nothing
// needs an administrator, so nothing asks for a password.
std::optional<QString> JunkCommand::configureProfile(const CliOptions &options)
{
    if (options.value(QStringLiteral("--profile")) != QLatin1String("scheduled"))
        return Text::tr("no profile \"%1\" (there is \"scheduled\")").arg(options.value(QStringLiteral("--profile")));
    for (const char *other : {"--category", "--all", "--admin"})
        if (options.isSet(QString::fromLatin1(other)))
            return Text::tr("--profile takes its categories from the settings; it cannot go with %1")
                .arg(QLatin1String(other));
    for (const qint64 id : sw::ScheduledProfile::categories()) {
        m_switchKeys.insert(ORJunkCategory::byID(id)->switchKey);
        m_named.insert(id);
    }
    m_scheduled = true;
    shareChoice();
    return std::nullopt;
}

// Hands the categories chosen and --admin to the engine.
ORJunkFilesCollection &JunkCommand::shareChoice() const
{
    ORJunkFilesCollection &engine = ORJunkFilesCollection::shareInstance();
    engine.setSwitchReader([keys = m_switchKeys](const QString &key) { return keys.contains(key); });
    engine.setAdminRemoval(m_admin);
    return engine;
}

int JunkCommand::execute(const CliOptions &options)
{
    const int status = ToolCommand::execute(options);
    if (m_stats)
        std::fprintf(stderr, "stats: main-thread wake-ups %llu\n",
                     static_cast<unsigned long long>(sw::MainQueue::instance().wakeCount()));
    return status;
}

bool JunkCommand::scan(sw::JobControl &job)
{
    m_data = ORJunkFilesCollection::shareInstance().scan(job);
    if (!m_data)
        return false;
    markAskedFor(*m_data, m_named, m_admin);
    return true;
}

ToolCommand::Plan JunkCommand::plan()
{
    return Plan{JunkReport::planned(*m_data), sw::JunkOverlap::selectedSize(*m_data)};
}

sw::RemovalReport JunkCommand::remove(sw::JobControl &job)
{
    return ORJunkFilesCollection::shareInstance().remove(job);
}

void JunkCommand::writeResult(JsonWriter &json) const
{
    JunkReport::writeJson(json, *m_data);
}

void JunkCommand::writeResult(FILE *out) const
{
    JunkReport::writeTable(out, *m_data);
}

// After a plan its size, counting a byte two categories share once; after a
// removal what was left for an administrator.
void JunkCommand::writeExtras(JsonWriter &json, const Outcome &outcome) const
{
    if (outcome.plan)
        json.member("planSize", outcome.plan->bytes);
    if (outcome.report)
        json.stringArray("skipped", JunkReport::leftToAdmin(*m_data));
}

void JunkCommand::writeExtras(FILE *out, const Outcome &outcome) const
{
    if (!outcome.report)
        return;
    for (const QString &path : JunkReport::leftToAdmin(*m_data))
        std::fprintf(out, "%s\n",
                     Text::tr("Skipped, needs administrator rights (use --admin): %1")
                         .arg(path)
                         .toLocal8Bit()
                         .constData());
}

// The end of a scheduled run the user is not watching: a notification.
void JunkCommand::finished(const Outcome &outcome)
{
    if (m_scheduled && outcome.report)
        scheduledrun::notify(*outcome.report, int(JunkReport::leftToAdmin(*m_data).size()));
}
