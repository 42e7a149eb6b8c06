// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/LoginCommand.h"

#include "cli/JsonWriter.h"
#include "cli/WordColumn.h"
#include "core/login/LoginItems.h"
#include "core/platform/ORLayout.h"

#include <QCoreApplication>

#include <cstdio>

using sw::LoginItems;

namespace {

// One context for the texts of this file, whichever function shows them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(LoginCommand)
};

// The list for people: state, kind, id, name and description, one item a line.
QString listText(const LoginItems &items, const QList<int> &listed)
{
    const QString on = Text::tr("on", "starts at login");
    const QString off = Text::tr("off", "does not start at login");
    const QString application = Text::tr("application", "a login item that is a menu application");
    const QString autostart = Text::tr("autostart", "a login item that is an autostart entry");
    const WordColumn states({on, off});
    const WordColumn kinds({application, autostart});
    QString text;
    for (const int at : listed) {
        const LoginItems::Row &row = items.rows().at(at);
        text += QStringLiteral("%1  %2  %3  %4")
                    .arg(states.cell(row.on ? on : off),
                         kinds.cell(row.kind == LoginItems::Kind::Application ? application : autostart), row.id,
                         row.name);
        if (!row.description.isEmpty())
            text += QStringLiteral(": ") + row.description;
        if (row.partOfDesktop)
            text += QStringLiteral("  ") + Text::tr("(part of the desktop)");
        text += QLatin1Char('\n');
    }
    text += Text::tr("%n item(s) start at login.", nullptr, items.countLoginItems()) + QLatin1Char('\n');
    return text;
}

}  // namespace

LoginCommand::LoginCommand()
    : CliCommand("login", true)
{
}

QString LoginCommand::help() const
{
    return Text::tr(
               "Usage: sweepwright-cli login [--layout L] [--root R] [--home H] [--json] [--all]\n"
               "                             [--on ID] [--off ID]\n"
               "Lists what starts when you log in (on), then the autostart entries switched off\n"
               "(off), each with its description; entries the desktop starts for itself are\n"
               "marked \"part of the desktop\" and listed last. --all lists the other menu\n"
               "applications after them, which --on can add. --on writes the user's autostart\n"
               "entry ID.desktop; --off removes the user's entries of the application, and\n"
               "hides a system-wide entry with a user entry that says Hidden=true. ID is the\n"
               "desktop-file id without \".desktop\" (the bundle name in the macos layout).\n"
               "\n"
               "  --json          print one JSON object instead of a list\n"
               "  --all           list the applications that do not start at login too\n"
               "  --on ID         switch ID on at login (repeatable)\n"
               "  --off ID        switch ID off at login (repeatable)\n"
               "  --help          show this text\n"
               "  -V, --version   show the version\n")
           + ORLayout::optionsHelp();
}

void LoginCommand::declareOptions(CliOptions &options) const
{
    options.addFlags({QStringLiteral("--json"), QStringLiteral("--all")});
    options.addValued({QStringLiteral("--on"), QStringLiteral("--off")});
    options.setMissingValueText(QStringLiteral("--on"), Text::tr("%1 needs an id"));
    options.setMissingValueText(QStringLiteral("--off"), Text::tr("%1 needs an id"));
}

std::optional<QString> LoginCommand::configure(const CliOptions &options)
{
    if (!options.positional().isEmpty())
        return Text::tr("unexpected argument \"%1\"").arg(options.positional().constFirst());
    m_on = options.values(QStringLiteral("--on"));
    m_off = options.values(QStringLiteral("--off"));
    for (const QString &id : std::as_const(m_on))
        if (m_off.contains(id))
            return Text::tr("\"%1\" is both in --on and --off").arg(id);
    return std::nullopt;
}

int LoginCommand::execute(const CliOptions &options)
{
    LoginItems items;
    items.getAllApps();

    // An id that is not listed is a usage error, found before anything changes.
    for (const QString &id : m_off + m_on)
        if (items.rowOf(id) < 0)
            return usageError(Text::tr("no login item \"%1\" (see the list without --on and --off)").arg(id));

    int status = 0;
    const auto switchAll = [&](const QStringList &ids, bool on) {
        for (const QString &id : ids) {
            if (items.selectLoginItem(items.rowOf(id), on) != on) {
                tell("login", (on ? Text::tr("could not switch \"%1\" on") : Text::tr("could not switch \"%1\" off"))
                                  .arg(id));
                status = 1;
            }
        }
    };
    switchAll(m_off, false);
    switchAll(m_on, true);

    // What was just switched stays listed, so the run shows its own effect.
    const QStringList both = m_on + m_off;
    const QSet<QString> switched(both.cbegin(), both.cend());
    QList<int> listed = items.loginOrder(switched);
    if (options.isSet(QStringLiteral("--all")))
        listed += items.otherApplications(switched);

    if (options.isSet(QStringLiteral("--json"))) {
        JsonWriter json(stdout);
        json.beginObject();
        json.key("loginItems").beginArray();
        for (const int at : std::as_const(listed)) {
            const LoginItems::Row &row = items.rows().at(at);
            json.beginObject(JsonWriter::Layout::Inline);
            json.member("id", row.id);
            json.member("name", row.name);
            json.member("description", row.description);
            json.member("path", row.path);
            json.member("enabled", row.on);
            json.member("kind", row.kind == LoginItems::Kind::Application ? "application" : "autostart");
            json.member("partOfDesktop", row.partOfDesktop);
            json.endObject();
        }
        json.endArray();
        json.endObject();
        return json.ok() ? status : 1;
    }

    const QString text = listText(items, listed);
    std::fputs(text.toLocal8Bit().constData(), stdout);
    return status;
}
