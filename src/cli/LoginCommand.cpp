#include "LoginCommand.h"

#include "JsonWriter.h"
#include "LoginItems.h"
#include "ORLayout.h"

#include <cstdio>

using sw::LoginItems;

LoginCommand::LoginCommand()
    : CliCommand("login", true)
{
}

QString LoginCommand::help() const
{
    return QStringLiteral(
               "Usage: sweepwright-cli login [--layout L] [--root R] [--home H] [--json]\n"
               "                             [--on ID] [--off ID]\n"
               "Lists the applications with their login switch (on: an autostart entry starts\n"
               "the application when you log in), then the autostart entries that belong to no\n"
               "application. --on writes the user's autostart entry ID.desktop; --off removes\n"
               "the user's entries of the application, and hides a system-wide entry with a\n"
               "user entry that says Hidden=true. ID is the desktop-file id without \".desktop\"\n"
               "(the bundle name in the macos layout), as listed.\n"
               "\n"
               "  --json      print one JSON object instead of a list\n"
               "  --on ID     switch ID on at login (repeatable)\n"
               "  --off ID    switch ID off at login (repeatable)\n"
               "  --help      show this text\n"
               "  --version   show the version\n")
           + ORLayout::optionsHelp();
}

void LoginCommand::declareOptions(CliOptions &options) const
{
    options.addFlags({QStringLiteral("--json")});
    options.addValued({QStringLiteral("--on"), QStringLiteral("--off")});
    options.setValueName(QStringLiteral("--on"), QStringLiteral("an id"));
    options.setValueName(QStringLiteral("--off"), QStringLiteral("an id"));
}

std::optional<QString> LoginCommand::configure(const CliOptions &options)
{
    if (!options.positional().isEmpty())
        return QStringLiteral("unexpected argument \"%1\"").arg(options.positional().constFirst());
    m_on = options.values(QStringLiteral("--on"));
    m_off = options.values(QStringLiteral("--off"));
    for (const QString &id : std::as_const(m_on))
        if (m_off.contains(id))
            return QStringLiteral("\"%1\" is both in --on and --off").arg(id);
    return std::nullopt;
}

int LoginCommand::execute(const CliOptions &options)
{
    LoginItems items;
    items.getAllApps();

    // An id that is not listed is a usage error, found before anything changes.
    for (const QString &id : m_off + m_on)
        if (items.rowOf(id) < 0)
            return usageError(QStringLiteral("no login item \"%1\" (see the list without --on and --off)").arg(id));

    int status = 0;
    const auto switchAll = [&](const QStringList &ids, bool on) {
        for (const QString &id : ids) {
            if (items.selectLoginItem(items.rowOf(id), on) != on) {
                std::fprintf(stderr, "login: could not switch \"%s\" %s\n", id.toLocal8Bit().constData(),
                             on ? "on" : "off");
                status = 1;
            }
        }
    };
    switchAll(m_off, false);
    switchAll(m_on, true);

    if (options.isSet(QStringLiteral("--json"))) {
        JsonWriter json(stdout);
        json.beginObject();
        json.key("loginItems").beginArray();
        for (const LoginItems::Row &row : items.rows()) {
            json.beginObject(JsonWriter::Layout::Inline);
            json.member("id", row.id);
            json.member("name", row.name);
            json.member("path", row.path);
            json.member("enabled", row.on);
            json.member("kind", row.kind == LoginItems::Kind::Application ? "application" : "autostart");
            json.endObject();
        }
        json.endArray();
        json.endObject();
        return json.ok() ? status : 1;
    }

    QString text;
    for (const LoginItems::Row &row : items.rows())
        text += QStringLiteral("%1  %2  %3  %4\n")
                    .arg(row.on ? QStringLiteral("on ") : QStringLiteral("off"),
                         row.kind == LoginItems::Kind::Application ? QStringLiteral("application")
                                                                   : QStringLiteral("autostart  "),
                         row.id, row.path);
    text += QStringLiteral("%1 of %2 on at login.\n").arg(items.countLoginItems()).arg(items.rows().size());
    std::fputs(text.toLocal8Bit().constData(), stdout);
    return status;
}
