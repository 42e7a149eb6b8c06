// SPDX-License-Identifier: GPL-3.0-or-later
// Which leftovers the uninstaller proposes for an application in the
// freedesktop layout: only what is that application's alone.

#include "support/FixtureTree.h"
#include "support/FreedesktopSystem.h"

#include "core/platform/ORLayout.h"
#include "core/uninst/FlatpakAppSource.h"
#include "core/uninst/LeftoverFinder.h"
#include "core/uninst/ORAppDataCollection.h"

#include <gtest/gtest.h>

#include <vector>

using sw::InstalledApp;
using sw::InstalledApps;
using swtest::FixtureTree;

namespace {

QStringList proposals(const sw::LeftoverFinder &finder, const InstalledApp &app)
{
    return finder.caches(app) + finder.support(app) + finder.preferences(app);
}

// --- Each rule on its own, on records made by hand ---------------------------

InstalledApp record(InstalledApp::Kind kind, const char *name, const char *identifier, const char *program,
                    bool ownsProgram, QStringList dataNames = {})
{
    InstalledApp app;
    app.kind = kind;
    app.name = QLatin1String(name);
    app.identifier = QLatin1String(identifier);
    app.execName = QLatin1String(program);
    app.ownsProgram = ownsProgram;
    if (!app.execName.isEmpty())
        app.programs = {app.execName};
    app.dataNames = std::move(dataNames);
    app.bundlePath = QStringLiteral("/apps/") + app.identifier;
    return app;
}

InstalledApp deb(const char *name, const char *package, const char *program, bool ownsProgram = true,
                 QStringList dataNames = {})
{
    return record(InstalledApp::Kind::Debian, name, package, program, ownsProgram, std::move(dataNames));
}

InstalledApp flatpak(const char *name, const char *id)
{
    return record(InstalledApp::Kind::Flatpak, name, id, "", false);
}

struct RuleRow
{
    const char *name;
    InstalledApps apps;  // the first is the one asked about
    const char *path;    // below the home
    bool proposed;
};

std::vector<RuleRow> ruleRows()
{
    const InstalledApp editor = deb("Editor", "editor", "editor");
    return {
        {"OwnProgramNamesItsLeftovers", {editor}, ".editor", true},
        {"OwnNameNamesItsSettings", {editor}, ".config/Editorrc", true},
        {"LauncherNeverNamesALeftover", {deb("Java Runtime", "javart", "java")}, ".java", false},
        {"VersionedInterpreterNeverNamesALeftover", {deb("Py Tool", "pytool", "python3.11")}, ".config/python3.11", false},
        {"ProgramOfAnotherPackageIsNotItsOwn", {deb("Git GUI", "git-gui", "git", false)}, ".config/git", false},
        {"ProgramAnotherEntryRunsIsNobodys",
         {deb("Mail", "mail", "mailer"), deb("Mail Beta", "mail-beta", "mailer")}, ".mailer", false},
        {"NameAnotherApplicationShipsDataUnderIsNobodys",
         {deb("Term", "term", "term"), deb("Drop", "drop", "drop", true, {QStringLiteral("term")})},
         ".local/share/term", false},
        {"NameAnotherApplicationCarriesIsNobodys", {editor, deb("editor", "editor-nightly", "")}, ".cache/editor",
         false},
        {"FlatpakKeepsToItsOwnFolder", {flatpak("Chat", "org.x.Chat")}, ".var/app/org.x.Chat", true},
        {"FlatpakKeepsToItsOwnEntries", {flatpak("Chat", "org.x.Chat")}, ".config/autostart/org.x.Chat.desktop", true},
        {"FlatpakNeverGetsAConfigFolder", {flatpak("Chat", "org.x.Chat")}, ".config/Chat", false},
        {"FlatpakNeverGetsACacheFolder", {flatpak("Chat", "org.x.Chat")}, ".cache/Chat", false},
        {"FlatpakDoesNotKeepThePackageOfItsNameFromItsFolders",
         {deb("Chat", "chat", "chat"), flatpak("Chat", "org.x.Chat")}, ".config/Chat", true},
        {"TrashIsTheDesktops", {deb("Trash", "trash", "")}, ".local/share/Trash", false},
        {"MenuIsTheDesktops", {deb("applications", "appmenu", "")}, ".local/share/applications", false},
        {"AutostartIsTheDesktops", {deb("autostart", "autostarter", "")}, ".config/autostart", false},
        {"DesktopFoldersWhateverTheCase", {deb("TRASH", "trash", "")}, ".local/share/TRASH", false},
        {"ShellFilesAreTheDesktops", {deb("Profiles", "profiler", "profile")}, ".profile", false},
    };
}

class LeftoverRule : public ::testing::TestWithParam<RuleRow>
{
protected:
    void SetUp() override
    {
        swtest::ensureCoreApplication();
        ORLayout::set(ORLayout::Kind::Freedesktop, tree.folder(QStringLiteral("root")), tree.folder(QStringLiteral("home")));
    }
    void TearDown() override { ORLayout::reset(); }

    FixtureTree tree;
};

TEST_P(LeftoverRule, ProposesOnlyWhatIsTheApplicationsAlone)
{
    const RuleRow &row = GetParam();
    const sw::LeftoverFinder finder(row.apps, {});
    const QString path = ORLayout::homePath(QLatin1String(row.path));
    EXPECT_EQ(proposals(finder, row.apps.constFirst()).contains(path), row.proposed)
        << path.toStdString() << " in " << proposals(finder, row.apps.constFirst()).join(QLatin1Char(' ')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Rules, LeftoverRule, ::testing::ValuesIn(ruleRows()),
                         [](const auto &info) { return std::string(info.param.name); });

// --- A realistic system: what the sources find, judged together -------------

// Packages sharing a suite's core, a terminal and a drop-down terminal on
// one part, a Java runtime, git's GUI, two vims on one runtime, an editor
// whose plugins package has a hidden entry running it, Thunderbird
// packaged and a beta in the home, Signal and Steam both packaged and as
// Flatpaks (in the user's and in a named installation), Neovim as an
// AppImage and unpacked in the home, and applications named after desktop
// folders.
void plantSystem(const FixtureTree &tree)
{
    swtest::FreedesktopSystem system(tree);
    system.package({QStringLiteral("libreoffice-common"), {}, {}, {},
                    {QStringLiteral("/usr/lib/libreoffice/share/registry/main.xcd")}, {}});
    system.package({QStringLiteral("libreoffice-core"), {}, {}, {},
                    {QStringLiteral("/usr/bin/libreoffice"), QStringLiteral("/usr/lib/libreoffice/program/soffice.bin")},
                    "libreoffice-common (= 4:7.4.7-1), libc6 (>= 2.34)"});
    for (const char *part : {"writer", "calc", "impress"}) {
        const QString package = QStringLiteral("libreoffice-") + QLatin1String(part);
        const QByteArray name = QByteArray(part);
        system.package({package, package, "LibreOffice " + name.left(1).toUpper() + name.mid(1),
                        "libreoffice --" + name + " %U", {}, "libreoffice-core (= 4:7.4.7-1)"});
    }
    system.package({QStringLiteral("konsole-kpart"), {}, {}, {},
                    {QStringLiteral("/usr/lib/x86_64-linux-gnu/qt5/plugins/konsolepart.so"),
                     QStringLiteral("/usr/share/konsole/default.keytab")}, {}});
    system.package({QStringLiteral("konsole"), QStringLiteral("org.kde.konsole"), "Konsole", "konsole",
                    {QStringLiteral("/usr/bin/konsole")}, "konsole-kpart (= 4:22.12.3-1), libc6"});
    system.package({QStringLiteral("yakuake"), QStringLiteral("org.kde.yakuake"), "Yakuake", "yakuake",
                    {QStringLiteral("/usr/bin/yakuake")}, "konsole-kpart (>= 4:22), libc6"});
    system.package({QStringLiteral("openjdk-17-jre"), QStringLiteral("openjdk-17-java"), "OpenJDK Java 17 Runtime",
                    "/usr/lib/jvm/java-17-openjdk-amd64/bin/java -jar %f",
                    {QStringLiteral("/usr/lib/jvm/java-17-openjdk-amd64/bin/java")}, {}});
    system.package({QStringLiteral("git"), {}, {}, {}, {QStringLiteral("/usr/bin/git")}, {}});
    system.package({QStringLiteral("git-gui"), QStringLiteral("git-gui"), "Git GUI", "git gui",
                    {QStringLiteral("/usr/lib/git-core/git-gui")}, "git (>= 1:2.39)"});
    system.package({QStringLiteral("vim-runtime"), {}, {}, {}, {QStringLiteral("/usr/share/vim/vim90/defaults.vim")}, {}});
    system.package({QStringLiteral("vim"), QStringLiteral("vim"), "Vim", "vim %F", {QStringLiteral("/usr/bin/vim")},
                    "vim-runtime"});
    system.package({QStringLiteral("vim-gtk3"), QStringLiteral("gvim"), "GVim", "gvim -f %F",
                    {QStringLiteral("/usr/bin/gvim")}, "vim-runtime | vim-tiny"});
    system.package({QStringLiteral("thunderbird"), QStringLiteral("thunderbird"), "Thunderbird", "/usr/bin/thunderbird %u",
                    {QStringLiteral("/usr/bin/thunderbird")}, {}});
    system.package({QStringLiteral("signal-desktop"), QStringLiteral("signal-desktop"), "Signal",
                    "/opt/Signal/signal-desktop --no-sandbox %U", {QStringLiteral("/opt/Signal/signal-desktop")}, {}});
    system.package({QStringLiteral("steam-installer"), QStringLiteral("steam"), "Steam", "/usr/games/steam %U",
                    {QStringLiteral("/usr/games/steam")}, {}});
    system.package({QStringLiteral("trash-viewer"), QStringLiteral("trash-viewer"), "Trash", "trash-viewer",
                    {QStringLiteral("/usr/bin/trash-viewer")}, {}});

    system.package({QStringLiteral("texteditor"), QStringLiteral("texteditor"), "Text Editor", "texteditor %F",
                    {QStringLiteral("/usr/bin/texteditor")}, {}});
    system.package({QStringLiteral("texteditor-plugins"), QStringLiteral("texteditor-plugins"), "Plugins",
                    "texteditor --plugins", {QStringLiteral("/usr/lib/texteditor/plugins/spell.so")}, "texteditor",
                    true});

    system.flatpak(QStringLiteral("home/.local/share/flatpak"), QStringLiteral("org.signal.Signal"), "Signal");
    tree.text(QStringLiteral("root/etc/flatpak/installations.d/extra.conf"),
              "[Installation \"extra\"]\nPath=/srv/flatpak\nDisplayName=Extra\n");
    system.flatpak(QStringLiteral("root/srv/flatpak"), QStringLiteral("com.valvesoftware.Steam"), "Steam");

    tree.file(QStringLiteral("home/Applications/nvim.appimage"), 80);
    system.homeApp(QStringLiteral("home/.local/opt/nvim-linux64/bin/nvim"), QStringLiteral("neovim-nightly"), "Neovim");
    system.homeApp(QStringLiteral("home/.local/opt/thunderbird-beta/thunderbird"), QStringLiteral("thunderbird-beta"),
                   "Thunderbird Beta");
    system.homeApp(QStringLiteral("home/.local/opt/appmenu/bin/appmenu"), QStringLiteral("appmenu"), "applications");
    system.homeApp(QStringLiteral("home/opt/starter/bin/starter"), QStringLiteral("starter"), "autostart");
}

struct SystemRow
{
    const char *name;
    const char *app;   // its identifier, else its name
    const char *path;  // below the home
    bool proposed;
};

class LeftoverOnASystem : public ::testing::TestWithParam<SystemRow>
{
protected:
    void SetUp() override
    {
        swtest::ensureCoreApplication();
        ORLayout::set(ORLayout::Kind::Freedesktop, tree.folder(QStringLiteral("root")), tree.folder(QStringLiteral("home")));
        plantSystem(tree);
    }
    void TearDown() override { ORLayout::reset(); }

    FixtureTree tree;
};

TEST_P(LeftoverOnASystem, ProposesOnlyWhatIsTheApplicationsAlone)
{
    const SystemRow &row = GetParam();
    const InstalledApps apps = ORAppDataCollection::shareInstance().getAppWithContent();
    QStringList installations;
    for (const auto &installation : sw::FlatpakAppSource::installations())
        installations.append(installation.path);
    const sw::LeftoverFinder finder(apps, installations);
    const QString wanted = QLatin1String(row.app);
    const auto app = std::find_if(apps.cbegin(), apps.cend(), [&wanted](const InstalledApp &a) {
        return a.identifier == wanted || (a.identifier.isEmpty() && a.name == wanted);
    });
    ASSERT_NE(app, apps.cend()) << row.app;
    const QString path = ORLayout::homePath(QLatin1String(row.path));
    EXPECT_EQ(proposals(finder, *app).contains(path), row.proposed)
        << path.toStdString() << " in " << proposals(finder, *app).join(QLatin1Char(' ')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LeftoverOnASystem,
    ::testing::Values(
        SystemRow{"SuiteConfigNotForWriterWhileCalcAndImpressStay", "libreoffice-writer", ".config/libreoffice", false},
        SystemRow{"TerminalDataNotForKonsoleWhileYakuakeUsesIt", "konsole", ".local/share/konsole", false},
        SystemRow{"JavaFolderNotForWhatJavaStarts", "openjdk-17-jre", ".java", false},
        SystemRow{"GitConfigNotForGitGui", "git-gui", ".config/git", false},
        SystemRow{"VimFolderNotForVimWhileGvimUsesIt", "vim", ".vim", false},
        SystemRow{"ThunderbirdProfileNotForTheBetaInTheHome", "thunderbird-beta", ".thunderbird", false},
        SystemRow{"ThunderbirdProfileNotForThePackageWhileTheBetaRunsIt", "thunderbird", ".thunderbird", false},
        SystemRow{"NvimConfigNotForTheAppImage", "nvim", ".config/nvim", false},
        SystemRow{"NvimConfigNotForTheHomeNeovim", "neovim-nightly", ".config/nvim", false},
        SystemRow{"SignalConfigNotForTheFlatpak", "org.signal.Signal", ".config/Signal", false},
        SystemRow{"SteamDataNotForTheFlatpak", "com.valvesoftware.Steam", ".local/share/Steam", false},
        SystemRow{"TrashNotForAnApplicationCalledTrash", "trash-viewer", ".local/share/Trash", false},
        SystemRow{"MenuNotForAnApplicationCalledApplications", "appmenu", ".local/share/applications", false},
        SystemRow{"AutostartNotForAnApplicationCalledAutostart", "starter", ".config/autostart", false},
        SystemRow{"EditorSettingsNotForTheEditorWhileAHiddenEntryRunsIt", "texteditor", ".config/texteditor", false},
        SystemRow{"SignalConfigForTheDebianPackage", "signal-desktop", ".config/Signal", true},
        SystemRow{"SteamDataForTheDebianPackage", "steam-installer", ".local/share/Steam", true},
        SystemRow{"FlatpakDataForTheFlatpak", "org.signal.Signal", ".var/app/org.signal.Signal", true},
        SystemRow{"OwnSettingsForYakuake", "yakuake", ".config/yakuakerc", true},
        SystemRow{"UserEntryForKonsole", "konsole", ".local/share/applications/org.kde.konsole.desktop", true},
        SystemRow{"OwnEntryForTheBeta", "thunderbird-beta", ".local/share/applications/thunderbird-beta.desktop", true},
        SystemRow{"OwnCacheForGvim", "vim-gtk3", ".cache/gvim", true}),
    [](const auto &info) { return std::string(info.param.name); });

}  // namespace
