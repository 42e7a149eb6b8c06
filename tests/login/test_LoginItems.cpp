// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/login/LoginItems.h"

#include "core/foundation/AutostartFolder.h"
#include "core/platform/DesktopEntry.h"
#include "core/platform/DesktopEntryText.h"
#include "core/platform/ORLayout.h"
#include "support/FixtureTree.h"
#include "support/PkexecStandIn.h"
#include "support/TreeSnapshot.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

using sw::LoginItems;

class LoginItemsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_tree.isValid());
        qunsetenv("XDG_DATA_DIRS");
        m_root = m_tree.folder(QStringLiteral("root"));
        m_home = m_tree.folder(QStringLiteral("home"));
    }
    void TearDown() override { ORLayout::reset(); }

    void useLayout(ORLayout::Kind kind) { ORLayout::set(kind, m_root, m_home); }
    QString entry(const QString &rel, const QByteArray &body) const
    {
        return m_tree.text(rel, "[Desktop Entry]\nType=Application\n" + body);
    }
    QString userFile(const QString &id) const { return m_home + QStringLiteral("/.config/autostart/") + id + ".desktop"; }
    static std::optional<sw::DesktopEntry> load(const QString &path) { return sw::DesktopEntry::load(path); }
    static QStringList ids(const LoginItems &items)
    {
        QStringList out;
        for (const LoginItems::Row &row : items.rows())
            out.append(row.id + (row.on ? QStringLiteral(":on") : QStringLiteral(":off")));
        return out;
    }

    swtest::FixtureTree m_tree;
    QString m_root;
    QString m_home;
};

// A system entry is switched off by a user entry that hides it, and on again
// by a user entry that does not; the system file is never touched. An entry
// switched off with X-GNOME-Autostart-enabled=false reads as off, and a
// helper that belongs to no application is listed after the applications.
TEST_F(LoginItemsTest, SystemEntriesGoOffThroughHiddenAndOnAgain)
{
    useLayout(ORLayout::Kind::Freedesktop);
    entry(QStringLiteral("root/usr/share/applications/mail.desktop"), "Name=Mail\nExec=/usr/bin/mail-client %u\n");
    entry(QStringLiteral("root/usr/share/applications/zed.desktop"), "Name=Zed\nExec=/usr/bin/zed\n");
    entry(QStringLiteral("root/usr/share/applications/menu-only.desktop"), "Name=Secret\nExec=/x\nNoDisplay=true\n");
    entry(QStringLiteral("root/usr/share/applications/org.sweepwright.Sweepwright.desktop"),
          "Name=Sweepwright\nExec=sweepwright\n");
    const QByteArray systemMail = "Name=Mail\nExec=/usr/bin/mail-client --background\nX-Sweepwright-Order=5\n";
    const QString systemFile = entry(QStringLiteral("root/etc/xdg/autostart/mail.desktop"), systemMail);
    entry(QStringLiteral("root/etc/xdg/autostart/applet.desktop"), "Name=Applet\nExec=/usr/libexec/applet\n");
    entry(QStringLiteral("home/.config/autostart/applet.desktop"),
          "Name=Applet\nExec=/usr/libexec/applet\nX-GNOME-Autostart-enabled=false\n");
    entry(QStringLiteral("home/.config/autostart/org.sweepwright.Sweepwright.desktop"), "Name=Sweepwright\nExec=/x\n");
    entry(QStringLiteral("home/.config/autostart/tray.desktop"), "Name=Tray\nExec=/usr/libexec/tray\nX-Sweepwright-Order=9\n");

    LoginItems items;
    items.getAllApps();
    EXPECT_EQ(ids(items), (QStringList{"mail:on", "zed:off", "tray:on", "applet:off"}));
    EXPECT_EQ(items.rows().at(0).path, m_root + "/usr/share/applications/mail.desktop");
    EXPECT_EQ(items.rows().at(2).kind, LoginItems::Kind::Autostart);

    EXPECT_FALSE(items.selectLoginItem(0, false));
    ASSERT_TRUE(load(userFile("mail")));
    EXPECT_TRUE(load(userFile("mail"))->hidden());
    QFile system(systemFile);
    ASSERT_TRUE(system.open(QIODevice::ReadOnly));
    EXPECT_EQ(system.readAll(), "[Desktop Entry]\nType=Application\n" + systemMail);
    EXPECT_EQ(items.countLoginItems(), 1);  // the tray

    // Each switch reads back from disk: a fresh load agrees.
    EXPECT_TRUE(items.selectLoginItem(0, true));
    EXPECT_TRUE(items.selectLoginItem(items.rowOf("applet"), true));
    // A helper of the user's own is hidden, not removed: it stays listed.
    EXPECT_FALSE(items.selectLoginItem(items.rowOf("tray"), false));
    LoginItems again;
    again.getAllApps();
    EXPECT_EQ(ids(again), (QStringList{"mail:on", "zed:off", "tray:off", "applet:on"}));
    EXPECT_EQ(again.loginarray(), (QStringList{"Mail", "Applet"}));
    EXPECT_TRUE(again.selectLoginItem(again.rowOf("tray"), true));
    EXPECT_FALSE(load(userFile("tray"))->hidden());

    // Switched on last, so last in the order.
    EXPECT_TRUE(again.selectLoginItem(1, true));
    EXPECT_EQ(again.autostartItems().constLast().id, QStringLiteral("zed"));
    EXPECT_EQ(load(userFile("zed"))->program(), QStringLiteral("/usr/bin/zed"));
    // A user-only entry goes when switched off; the row stays, and comes back on.
    EXPECT_FALSE(again.selectLoginItem(1, false));
    EXPECT_FALSE(m_tree.exists(QStringLiteral("home/.config/autostart/zed.desktop")));
}

// The page showed every menu application, and the settings daemon's
// plugins as if the user had added them. Now the rows that start at login
// come first with their descriptions, the desktop's own last and marked;
// the other applications are only offered for adding.
TEST_F(LoginItemsTest, StartersFirstTheDesktopsOwnLastTheRestOffered)
{
    useLayout(ORLayout::Kind::Freedesktop);
    entry(QStringLiteral("root/usr/share/applications/zed.desktop"), "Name=Zed\nExec=/usr/bin/zed\n");
    entry(QStringLiteral("root/usr/share/applications/atlas.desktop"),
          "Name=Atlas\nComment=Maps of the world\nExec=/usr/bin/atlas\n");
    entry(QStringLiteral("root/usr/share/applications/chat.desktop"),
          "Name=Chat\nComment=Talk to friends\nExec=/usr/bin/chat\n");
    entry(QStringLiteral("home/.config/autostart/chat.desktop"), "Name=Chat\nExec=/usr/bin/chat --tray\n");
    entry(QStringLiteral("root/etc/xdg/autostart/gsd-color.desktop"),
          "Name=Color\nComment=Color management\nExec=/usr/libexec/gsd-color\nOnlyShowIn=GNOME;\n");
    entry(QStringLiteral("root/etc/xdg/autostart/keyring.desktop"),
          "Name=Keyring\nExec=/usr/bin/keyring-daemon\nX-GNOME-AutoRestart=true\n");
    entry(QStringLiteral("root/etc/xdg/autostart/print-applet.desktop"),
          "Name=Print Queue\nComment=Shows print jobs\nExec=/usr/bin/print-applet\n");
    entry(QStringLiteral("root/etc/xdg/autostart/backup.desktop"), "Name=Backup\nExec=/usr/bin/backup\nHidden=true\n");

    LoginItems items;
    items.getAllApps();
    QStringList shown;
    for (const int row : items.loginOrder()) {
        const LoginItems::Row &r = items.rows().at(row);
        shown.append(QStringLiteral("%1%2%3 %4").arg(r.id, r.on ? "" : ":off", r.partOfDesktop ? ":desktop" : "",
                                                     r.description));
    }
    EXPECT_EQ(shown, (QStringList{"chat Talk to friends", "print-applet Shows print jobs",
                                  "gsd-color:desktop Color management", "keyring:desktop ", "backup:off "}));
    QStringList others;
    for (const int row : items.otherApplications())
        others.append(items.rows().at(row).id);
    EXPECT_EQ(others, (QStringList{"atlas", "zed"}));

    // Added from the offer, an application starts at login and leaves the offer.
    EXPECT_TRUE(items.selectLoginItem(items.rowOf("atlas"), true));
    EXPECT_TRUE(items.loginOrder().contains(items.rowOf("atlas")));
    EXPECT_EQ(items.otherApplications().size(), 1);
    // Its own entry goes when it is switched off: kept on the page only if asked.
    EXPECT_FALSE(items.selectLoginItem(items.rowOf("atlas"), false));
    EXPECT_FALSE(items.loginOrder().contains(items.rowOf("atlas")));
    EXPECT_TRUE(items.loginOrder({QStringLiteral("atlas")}).contains(items.rowOf("atlas")));
}

// Applications and helpers are listed by their Name= in the user's
// language (LANGUAGE's list, else the locale); which entry starts which
// application does not depend on it.
TEST_F(LoginItemsTest, NamesAreInTheUsersLanguage)
{
    useLayout(ORLayout::Kind::Freedesktop);
    const QByteArray names =
        "Name=Text Editor\nName[de]=Texteditor\nName[pt]=Editor de texto\nName[pt_BR]=Editor de textos\n";
    entry(QStringLiteral("root/usr/share/applications/editor.desktop"), names + "Exec=/usr/bin/editor %F\n");
    entry(QStringLiteral("home/.config/autostart/editor.desktop"), names + "Exec=/usr/bin/editor --restore\n");
    entry(QStringLiteral("root/etc/xdg/autostart/clock.desktop"),
          "Name=Clock\nName[de]=Uhr\nName[pt]=Relógio\nExec=/usr/libexec/clock-applet\n");
    const swtest::EnvOverride all("LC_ALL", QByteArray());
    const swtest::EnvOverride messages("LC_MESSAGES", QByteArray());
    const swtest::EnvOverride lang("LANG", "de_DE.UTF-8");
    const struct
    {
        const char *language;
        QStringList names;
    } rows[] = {
        {"pt_BR", {"editor:on Editor de textos", "clock:on Relógio"}},
        {"pt_PT", {"editor:on Editor de texto", "clock:on Relógio"}},
        {"fr:pt", {"editor:on Editor de texto", "clock:on Relógio"}},
        {"en", {"editor:on Text Editor", "clock:on Clock"}},
        {nullptr, {"editor:on Texteditor", "clock:on Uhr"}},
    };
    for (const auto &row : rows) {
        const swtest::EnvOverride language("LANGUAGE", QByteArray(row.language));
        LoginItems items;
        items.getAllApps();
        QStringList shown;
        for (const int at : items.loginOrder())
            shown.append(items.rows().at(at).id + (items.rows().at(at).on ? ":on " : ":off ") + items.rows().at(at).name);
        EXPECT_EQ(shown, row.names) << (row.language ? row.language : "(unset)");
    }
}

// The prefix rule: in the macos layout an entry that runs a login agent
// inside a bundle makes the bundle on, and switching it off hides that
// entry (the user wrote it); in the freedesktop layout /usr/bin/foo does not claim
// /usr/bin/foo-helper, nor one Flatpak another.
TEST_F(LoginItemsTest, PrefixRuleMatchesInsideTheBundleOnly)
{
    useLayout(ORLayout::Kind::MacOS);
    m_tree.folder(QStringLiteral("root/Applications/Foo.app/Contents"));
    m_tree.folder(QStringLiteral("root/Applications/Foo Bar.app"));
    m_tree.folder(QStringLiteral("root/Applications/Sweepwright.app"));
    m_tree.folder(QStringLiteral("root/Applications/Loud.APP"));
    m_tree.folder(QStringLiteral("root/Applications/Tools/Inner.app"));
    const QByteArray agent = sw::DesktopEntry::execForProgram(
                                 m_root + "/Applications/Foo.app/Contents/Library/LoginItems/Agent.app")
                                 .toUtf8();
    entry(QStringLiteral("home/.config/autostart/agent.desktop"), "Name=Agent\nExec=" + agent + "\n");

    LoginItems mac;
    mac.getAllApps();
    EXPECT_EQ(ids(mac), (QStringList{"Foo Bar:off", "Foo:on"}));
    EXPECT_FALSE(mac.selectLoginItem(mac.rowOf("Foo"), false));
    ASSERT_TRUE(load(userFile("agent")));
    EXPECT_TRUE(load(userFile("agent"))->hidden());
    QFile::remove(userFile("agent"));
    EXPECT_TRUE(mac.selectLoginItem(mac.rowOf("Foo Bar"), true));
    EXPECT_FALSE(mac.rows().at(mac.rowOf("Foo")).on);
    ASSERT_TRUE(load(userFile("Foo Bar")));
    EXPECT_EQ(load(userFile("Foo Bar"))->program(), m_root + "/Applications/Foo Bar.app");

    useLayout(ORLayout::Kind::Freedesktop);
    entry(QStringLiteral("root/usr/share/applications/foo.desktop"), "Name=Foo\nExec=/usr/bin/foo\n");
    const QByteArray flatpak = "Exec=/usr/bin/flatpak run --branch=stable --command=%1 org.example.%1 @@u %U @@\n";
    entry(QStringLiteral("root/usr/share/applications/org.example.A.desktop"),
          "Name=A\n" + QByteArray(flatpak).replace("%1", "A"));
    entry(QStringLiteral("root/usr/share/applications/org.example.B.desktop"),
          "Name=B\n" + QByteArray(flatpak).replace("%1", "B"));
    entry(QStringLiteral("home/.config/autostart/foo-helper.desktop"), "Name=Foo helper\nExec=/usr/bin/foo-helper\n");
    entry(QStringLiteral("home/.config/autostart/a-tray.desktop"),
          "Name=A tray\nExec=/usr/bin/flatpak run --branch=stable --command=A org.example.A --tray\n");

    // "Foo Bar" switched on above is now a helper: its program is no menu application's.
    LoginItems desktop;
    desktop.getAllApps();
    EXPECT_EQ(ids(desktop),
              (QStringList{"org.example.A:on", "org.example.B:off", "foo:off", "Foo Bar:on", "foo-helper:on"}));
}

// A link planted under the entry's name is replaced, never written through
// or removed through; a FIFO there neither blocks the listing nor the switch.
// The user's entry behind a link is switched off as a file of its text.
TEST_F(LoginItemsTest, PlantedLinksAndFifosAreReplacedNotFollowed)
{
    useLayout(ORLayout::Kind::Freedesktop);
    entry(QStringLiteral("root/usr/share/applications/mail.desktop"), "Name=Mail\nExec=/usr/bin/mail\n");
    entry(QStringLiteral("root/usr/share/applications/chat.desktop"), "Name=Chat\nExec=/usr/bin/chat\n");
    entry(QStringLiteral("root/usr/share/applications/news.desktop"), "Name=News\nExec=/usr/bin/news\n");
    const QString victim = m_tree.text(QStringLiteral("home/victim.desktop"),
                                       "[Desktop Entry]\nType=Application\nName=Chat\nExec=/usr/bin/chat\n");
    const QString elsewhere = m_tree.folder(QStringLiteral("home/elsewhere"));
    m_tree.link(QStringLiteral("home/.config/autostart/chat.desktop"), victim);
    m_tree.link(QStringLiteral("home/.config/autostart/mail.desktop"), elsewhere + "/mail.desktop");
    ASSERT_EQ(::mkfifo(QFile::encodeName(userFile("news")).constData(), 0600), 0);

    LoginItems items;
    items.getAllApps();
    EXPECT_EQ(ids(items), (QStringList{"chat:on", "mail:off", "news:off"}));

    EXPECT_TRUE(items.selectLoginItem(1, true));
    EXPECT_FALSE(QFileInfo(userFile("mail")).isSymLink());
    EXPECT_FALSE(m_tree.exists(QStringLiteral("home/elsewhere/mail.desktop")));
    EXPECT_TRUE(items.selectLoginItem(2, true));
    EXPECT_TRUE(QFileInfo(userFile("news")).isFile());

    EXPECT_FALSE(items.selectLoginItem(0, false));
    EXPECT_FALSE(QFileInfo(userFile("chat")).isSymLink());
    EXPECT_TRUE(load(userFile("chat"))->hidden());
    ASSERT_TRUE(load(victim));
    EXPECT_FALSE(load(victim)->hidden());
    EXPECT_EQ(items.countLoginItems(), 2);
}

// Switching a user's own entry off and on deleted it: a hand-written
// firefox-work entry was gone, and an override of a system entry came back
// as the plain menu entry without its options. Now off writes Hidden=true
// into the user's file and on takes exactly that key out again, so the
// whole tree ends as it began, byte for byte.
struct KeptEntry
{
    const char *name;
    const char *rowId;    // the row switched
    const char *userId;   // the user's entry that must survive
    QByteArray userText;  // its text
    QByteArray systemText;  // a system entry of the same id, if any
};

class UsersOwnEntry : public LoginItemsTest, public ::testing::WithParamInterface<KeptEntry>
{
};

TEST_P(UsersOwnEntry, SurvivesOffAndOnByteForByte)
{
    const KeptEntry &row = GetParam();
    useLayout(ORLayout::Kind::Freedesktop);
    entry(QStringLiteral("root/usr/share/applications/firefox.desktop"), "Name=Firefox\nExec=/usr/bin/firefox %u\n");
    entry(QStringLiteral("root/usr/share/applications/chat.desktop"), "Name=Chat\nExec=/usr/bin/chat %U\n");
    const QString id = QString::fromLatin1(row.userId);
    const QString user = m_tree.text(QStringLiteral("home/.config/autostart/") + id + ".desktop", row.userText);
    if (!row.systemText.isEmpty())
        m_tree.text(QStringLiteral("root/etc/xdg/autostart/") + id + ".desktop", row.systemText);
    const swtest::TreeSnapshot before = swtest::TreeSnapshot::of(m_tree.root());

    LoginItems items;
    items.getAllApps();
    const int at = items.rowOf(QString::fromLatin1(row.rowId));
    ASSERT_GE(at, 0);
    ASSERT_TRUE(items.rows().at(at).on);
    EXPECT_FALSE(items.selectLoginItem(at, false));
    const swtest::TreeSnapshot off = swtest::TreeSnapshot::of(m_tree.root());
    EXPECT_EQ(before.vanished(off), QStringList());
    EXPECT_EQ(before.changed(off), QStringList{user});
    QFile hidden(user);
    ASSERT_TRUE(hidden.open(QIODevice::ReadOnly));
    sw::DesktopEntryText text(hidden.readAll());
    EXPECT_EQ(text.value("Hidden"), "true");
    text.remove("Hidden");
    EXPECT_EQ(text.text(), row.userText);

    LoginItems fresh;  // what the next session sees
    fresh.getAllApps();
    EXPECT_FALSE(fresh.rows().at(fresh.rowOf(QString::fromLatin1(row.rowId))).on);
    EXPECT_TRUE(fresh.selectLoginItem(fresh.rowOf(QString::fromLatin1(row.rowId)), true));
    const swtest::TreeSnapshot on = swtest::TreeSnapshot::of(m_tree.root());
    EXPECT_EQ(before.vanished(on), QStringList());
    EXPECT_EQ(before.changed(on), QStringList());
    EXPECT_EQ(on.vanished(before), QStringList());  // nothing added either
}

INSTANTIATE_TEST_SUITE_P(
    Entries, UsersOwnEntry,
    ::testing::Values(
        KeptEntry{"hand_written_entry_of_an_application", "firefox", "firefox-work",
                  "# started for work\r\n[Desktop Entry]\r\nType=Application\r\nName=Firefox (work)\r\n"
                  "Name[de]=Firefox (Arbeit)\r\nExec=/usr/bin/firefox -P work https://intranet.example/\r\n"
                  "X-GNOME-Autostart-Delay=30\r\n\r\n[Desktop Action private]\r\nName=Private\r\n"
                  "Exec=/usr/bin/firefox --private-window\r\nHidden=false",
                  {}},
        KeptEntry{"override_of_a_system_entry", "chat", "chat",
                  "[Desktop Entry]\nType=Application\nName=Chat\nExec=/usr/bin/chat --minimized --account=work\n"
                  "X-GNOME-Autostart-Delay=10",
                  "[Desktop Entry]\nType=Application\nName=Chat\nExec=/usr/bin/chat\n"},
        KeptEntry{"entry_the_program_wrote_and_the_user_changed", "chat", "chat",
                  sw::AutostartFolder::markedAsOwn(
                      "[Desktop Entry]\nType=Application\nName=Chat\nExec=/usr/bin/chat %U\nX-Sweepwright-Order=3\n")
                      .replace("%U", "--account=home"),
                  {}},
        KeptEntry{"helper_of_the_user", "tray", "tray",
                  "[Desktop Entry]\nType=Application\nName=Tray\nExec=/usr/libexec/tray --quiet\n", {}}),
    [](const auto &info) { return std::string(info.param.name); });

}  // namespace
