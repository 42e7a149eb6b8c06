// SPDX-License-Identifier: GPL-3.0-or-later
// sweepwright-cli login, run as a program on a fixture root and home.

#include "CliRunner.h"
#include "support/FixtureTree.h"
#include "support/TreeSnapshot.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

using swtest::CliRun;

class LoginCommand : public ::testing::Test
{
protected:
    void SetUp() override
    {
        swtest::ensureCoreApplication();
        ASSERT_TRUE(tree.isValid());
        tree.folder(QStringLiteral("root"));
        tree.folder(QStringLiteral("home"));
        tree.folder(QStringLiteral("config"));
    }

    // `login` on the fixture's root and home, with args after it.
    CliRun run(const QStringList &args, const QStringList &env = {}) const
    {
        return swtest::runCli(QStringList{QStringLiteral("login"), QStringLiteral("--root"),
                                          tree.path(QStringLiteral("root")), QStringLiteral("--home"),
                                          tree.path(QStringLiteral("home"))}
                                  + args,
                              tree.path(QStringLiteral("config")), QString(),
                              QStringList{QStringLiteral("XDG_DATA_DIRS=")} + env);
    }

    swtest::FixtureTree tree;
};

// Lists what starts at login (the other applications with --all), switches
// a system helper off (a hiding user entry, the system one untouched) and an
// application on, and refuses an id it does not know before switching
// anything.
TEST_F(LoginCommand, ListsAndSwitchesOnAFixtureRoot)
{
    tree.text(QStringLiteral("root/usr/share/applications/notes.desktop"),
              "[Desktop Entry]\nType=Application\nName=Notes\nComment=Takes notes\nComment[de]=Macht Notizen\n"
              "Exec=/usr/bin/notes %F\n");
    const QByteArray applet = "[Desktop Entry]\nType=Application\nName=Applet\nExec=/usr/libexec/applet\n";
    tree.text(QStringLiteral("root/etc/xdg/autostart/applet.desktop"), applet);

    const auto json = [this](const QStringList &args) { return run(QStringList{QStringLiteral("--json")} + args); };
    auto items = [](const CliRun &r) {
        QStringList out;
        for (const QJsonValue &v : QJsonDocument::fromJson(r.out).object().value("loginItems").toArray()) {
            const QJsonObject item = v.toObject();
            EXPECT_EQ(item.keys(),
                      (QStringList{"description", "enabled", "id", "kind", "name", "partOfDesktop", "path"}));
            out.append(QStringLiteral("%1 %2 %3 %4")
                           .arg(item.value("kind").toString(), item.value("id").toString(),
                                item.value("name").toString(), item.value("enabled").toBool() ? "on" : "off"));
        }
        return out;
    };

    const CliRun listed = json({});
    ASSERT_EQ(listed.code, 0) << listed.err.toStdString();
    EXPECT_EQ(items(listed), (QStringList{"autostart applet Applet on"}));
    const CliRun all = json({QStringLiteral("--all")});
    EXPECT_EQ(items(all), (QStringList{"autostart applet Applet on", "application notes Notes off"}));
    EXPECT_TRUE(QJsonDocument::fromJson(all.out)
                    .object()
                    .value("loginItems")
                    .toArray()
                    .at(1)
                    .toObject()
                    .value("path")
                    .toString()
                    .endsWith("/root/usr/share/applications/notes.desktop"));

    const CliRun switched = json({QStringLiteral("--off"), QStringLiteral("applet"), QStringLiteral("--on"),
                                 QStringLiteral("notes")});
    ASSERT_EQ(switched.code, 0) << switched.err.toStdString();
    EXPECT_EQ(items(switched), (QStringList{"application notes Notes on", "autostart applet Applet off"}));
    EXPECT_EQ(items(json({})), items(switched));
    // The description in the user's language, in the list as in JSON; the
    // list's own words are German too.
    const CliRun german = run({}, {QStringLiteral("LANGUAGE=de")});
    EXPECT_TRUE(german.out.contains("  notes  Notes: Macht Notizen\n")) << german.out.toStdString();
    EXPECT_FALSE(german.out.contains("application")) << german.out.toStdString();
    QFile system(tree.path(QStringLiteral("root/etc/xdg/autostart/applet.desktop")));
    ASSERT_TRUE(system.open(QIODevice::ReadOnly));
    EXPECT_EQ(system.readAll(), applet);
    EXPECT_TRUE(tree.exists(QStringLiteral("home/.config/autostart/applet.desktop")));
    EXPECT_TRUE(tree.exists(QStringLiteral("home/.config/autostart/notes.desktop")));

    // An unknown id stops the run before the known one is switched.
    const CliRun unknown = json({QStringLiteral("--off"), QStringLiteral("notes"), QStringLiteral("--on"),
                                QStringLiteral("nothing")});
    EXPECT_EQ(unknown.code, 2);
    EXPECT_TRUE(unknown.err.contains("nothing"));
    EXPECT_EQ(items(json({})), items(switched));
}

// `login --off` deleted a hand-written entry (a work profile with its URL
// and delay) and `--on` gave an override of a system entry back as the plain
// menu entry. Off now writes Hidden=true into the user's files and on takes
// it out again: the tree ends as it began, byte for byte.
TEST_F(LoginCommand, OffAndOnGiveTheUsersOwnEntriesBackAsTheyWere)
{
    tree.text(QStringLiteral("root/usr/share/applications/firefox.desktop"),
              "[Desktop Entry]\nType=Application\nName=Firefox\nExec=/usr/bin/firefox %u\n");
    tree.text(QStringLiteral("root/usr/share/applications/chat.desktop"),
              "[Desktop Entry]\nType=Application\nName=Chat\nExec=/usr/bin/chat %U\n");
    tree.text(QStringLiteral("root/etc/xdg/autostart/chat.desktop"),
              "[Desktop Entry]\nType=Application\nName=Chat\nExec=/usr/bin/chat\n");
    const QString work = tree.text(QStringLiteral("home/.config/autostart/firefox-work.desktop"),
                                   "[Desktop Entry]\nType=Application\nName=Firefox (work)\n"
                                   "Exec=/usr/bin/firefox -P work https://intranet.example/\n"
                                   "X-GNOME-Autostart-Delay=30\n");
    const QString chat = tree.text(QStringLiteral("home/.config/autostart/chat.desktop"),
                                   "[Desktop Entry]\nType=Application\nName=Chat\n"
                                   "Exec=/usr/bin/chat --minimized --account=work\n");
    const swtest::TreeSnapshot before = swtest::TreeSnapshot::of(tree.root());

    const CliRun off = run({QStringLiteral("--off"), QStringLiteral("firefox"), QStringLiteral("--off"),
                            QStringLiteral("chat")});
    ASSERT_EQ(off.code, 0) << off.err.toStdString();
    EXPECT_TRUE(off.out.contains("off  application  firefox")) << off.out.toStdString();
    EXPECT_TRUE(off.out.contains("off  application  chat")) << off.out.toStdString();
    const swtest::TreeSnapshot hidden = swtest::TreeSnapshot::of(tree.root());
    EXPECT_EQ(before.vanished(hidden), QStringList());
    EXPECT_EQ(before.changed(hidden), (QStringList{chat, work}));
    for (const QString &file : {chat, work}) {
        QFile entry(file);
        ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
        EXPECT_TRUE(entry.readAll().startsWith("[Desktop Entry]\nHidden=true\n")) << file.toStdString();
    }

    const CliRun on = run({QStringLiteral("--on"), QStringLiteral("firefox"), QStringLiteral("--on"),
                           QStringLiteral("chat")});
    ASSERT_EQ(on.code, 0) << on.err.toStdString();
    EXPECT_TRUE(on.out.contains("on   application  firefox")) << on.out.toStdString();
    const swtest::TreeSnapshot after = swtest::TreeSnapshot::of(tree.root());
    EXPECT_EQ(before.vanished(after), QStringList());
    EXPECT_EQ(after.vanished(before), QStringList());
    EXPECT_EQ(before.changed(after), QStringList());
}

}  // namespace
