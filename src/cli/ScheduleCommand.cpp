// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ScheduleCommand.h"

#include "cli/JsonWriter.h"
#include "core/junk/CleanSchedule.h"
#include "core/junk/ORJunkCategory.h"
#include "core/junk/ScheduledProfile.h"

#include <QCoreApplication>

#include <cstdio>

using sw::ScheduleFrequency;

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(ScheduleCommand)
};

struct Choice
{
    const char *flag;
    ScheduleFrequency frequency;
};

const Choice kChoices[] = {
    {"--daily", ScheduleFrequency::Daily},
    {"--weekly", ScheduleFrequency::Weekly},
    {"--monthly", ScheduleFrequency::Monthly},
    {"--off", ScheduleFrequency::Never},
};

QString frequencyText(ScheduleFrequency frequency)
{
    switch (frequency) {
    case ScheduleFrequency::Daily: return Text::tr("every day");
    case ScheduleFrequency::Weekly: return Text::tr("every week");
    case ScheduleFrequency::Monthly: return Text::tr("every month");
    case ScheduleFrequency::Never: break;
    }
    return Text::tr("never");
}

struct State
{
    ScheduleFrequency frequency = ScheduleFrequency::Never;
    bool enabled = false;
    QString unavailable;
    QList<qint64> categories;
};

void writeJson(const State &state)
{
    JsonWriter json(stdout);
    json.beginObject();
    json.member("frequency", sw::ScheduleUnits::word(state.frequency));
    json.member("enabled", state.enabled);
    json.member("available", state.unavailable.isEmpty());
    if (!state.unavailable.isEmpty())
        json.member("reason", state.unavailable);
    json.key("categories").beginArray(JsonWriter::Layout::Inline);
    for (const qint64 id : state.categories)
        json.value(id);
    json.endArray();
    json.member("timer", sw::ScheduleUnits::folder() + QLatin1Char('/') + QLatin1String(sw::ScheduleUnits::kTimer));
    json.member("program", sw::CleanSchedule::program());
    json.endObject();
}

void writeText(const State &state)
{
    QString text = Text::tr("Junk is cleaned automatically: %1").arg(frequencyText(state.frequency));
    if (state.frequency != ScheduleFrequency::Never && !state.enabled)
        text += QLatin1Char(' ') + Text::tr("(but the timer is not enabled)");
    text += QLatin1Char('\n') + Text::tr("Categories:") + QLatin1Char('\n');
    for (const qint64 id : state.categories)
        text += QStringLiteral("  %1 %2\n").arg(id, 3).arg(ORJunkCategory::byID(id)->groupName());
    if (!state.unavailable.isEmpty())
        text += state.unavailable + QLatin1Char('\n');
    std::fputs(text.toLocal8Bit().constData(), stdout);
}

}  // namespace

ScheduleCommand::ScheduleCommand() : CliCommand("schedule", false)
{
}

QString ScheduleCommand::help() const
{
    return Text::tr(
        "Usage: sweepwright-cli schedule [--daily | --weekly | --monthly | --off] [--json]\n"
        "Tells whether junk is cleaned automatically, how often and which categories, or\n"
        "changes it. A schedule is a systemd user timer and service in\n"
        "$XDG_CONFIG_HOME/systemd/user (sweepwright-clean.timer and .service), enabled with\n"
        "systemctl --user; the service runs \"sweepwright-cli junk --clean --yes --profile\n"
        "scheduled\" at low priority, which never asks for a password and ends with a desktop\n"
        "notification. The categories are chosen in the preferences of the window program.\n"
        "--off disables the timer and removes both files. Exits 1 when the change failed\n"
        "(no systemd user session, for one).\n"
        "\n"
        "  --daily        clean every day\n"
        "  --weekly       clean every week\n"
        "  --monthly      clean every month\n"
        "  --off          clean no more\n"
        "  --json         print one JSON object instead of text\n"
        "  --help         show this text\n"
        "  -V, --version  show the version\n");
}

void ScheduleCommand::declareOptions(CliOptions &options) const
{
    options.addFlags({QStringLiteral("--json")});
    for (const Choice &c : kChoices)
        options.addFlags({QString::fromLatin1(c.flag)});
}

std::optional<QString> ScheduleCommand::configure(const CliOptions &options)
{
    if (!options.positional().isEmpty())
        return unexpectedArgument(options.positional().constFirst());
    QStringList given;
    for (const Choice &c : kChoices) {
        if (options.isSet(QString::fromLatin1(c.flag))) {
            given.append(QString::fromLatin1(c.flag));
            m_change = c.frequency;
        }
    }
    if (given.size() > 1)
        return Text::tr("choose one of %1").arg(given.join(QStringLiteral(", ")));
    return std::nullopt;
}

int ScheduleCommand::execute(const CliOptions &options)
{
    int status = 0;
    if (m_change) {
        if (const auto failed = sw::CleanSchedule::apply(*m_change)) {
            tell("schedule", *failed);
            status = 1;
        }
    }
    State state;
    state.frequency = sw::CleanSchedule::frequency();
    state.unavailable = sw::CleanSchedule::unavailableReason();
    state.enabled = state.unavailable.isEmpty() && state.frequency != ScheduleFrequency::Never
                    && sw::CleanSchedule::isEnabled();
    state.categories = sw::ScheduledProfile::categories();
    if (options.isSet(QStringLiteral("--json")))
        writeJson(state);
    else
        writeText(state);
    return std::ferror(stdout) ? tellWriteError() : status;
}
