// SPDX-License-Identifier: GPL-3.0-or-later
// Where the junk categories look in the freedesktop layout, checked through
// the engine's scan so that measuring (empty folders dropped) takes part too.

#include "JunkTestSupport.h"

#include "core/junk/FreedesktopJunkLocations.h"

#include <sys/stat.h>
#include <sys/sysmacros.h>

using swtest::JunkFixture;
using swtest::LocationCase;

namespace {

// In paths of the table, "%USER%" stands for the login name.
const QList<LocationCase> kCases = {
    {"CacheHomeSkipsOurOwnCacheAndEmptyFolders", 0,
     {{"home/.cache/fontconfig/x", 10},
      {"home/.cache/org.sweepwright.Sweepwright/y", 10},
      {"home/.cache/Sweepwright/z", 10},
      {"home/.cache/empty/", 0}},
     {"home/.cache/fontconfig"}},
    {"FlatpakCachesButOurOwn", 0,
     {{"home/.var/app/org.foo.App/cache/fontconfig/f", 10},
      {"home/.var/app/org.foo.App/config/settings", 10},
      {"home/.var/app/org.sweepwright.Sweepwright/cache/own", 10}},
     {"home/.var/app/org.foo.App/cache/fontconfig"}},
    {"OrphanFlatpakDataOnly", 1,
     {{"home/.var/app/org.gone.App/data/x", 10},
      {"home/.var/app/org.sys.App/data/y", 10},
      {"root/var/lib/flatpak/app/org.sys.App/", 0},
      {"home/.var/app/org.user.App/config/z", 10},
      {"home/.local/share/flatpak/app/org.user.App/", 0},
      {"home/.var/app/org.sweepwright.Sweepwright/d", 10}},
     {"home/.var/app/org.gone.App"}},
    {"VarCacheWithoutDebconf", 2,
     {{"root/var/cache/apt/archives/a.deb", 10}, {"root/var/cache/debconf/config.dat", 10}},
     {"root/var/cache/apt"}},
    {"VarLog", 3,
     {{"root/var/log/syslog.1", 10}, {"root/var/log/apt/history.log", 10}},
     {"root/var/log/apt", "root/var/log/syslog.1"}},
    {"MailAttachmentsOfTheLoginUser", 10,
     {{"root/tmp/mozilla_%USER%0/att.pdf", 10}, {"root/tmp/mozilla_someoneelse0/b.pdf", 10}},
     {"root/tmp/mozilla_%USER%0/att.pdf"}},
    {"TrashFilesNotInfo", 6,
     {{"home/.local/share/Trash/files/old.txt", 10},
      {"home/.local/share/Trash/files/dir/x", 10},
      {"home/.local/share/Trash/info/old.txt.trashinfo", 50}},
     {"home/.local/share/Trash/files/dir", "home/.local/share/Trash/files/old.txt"}},
    {"DownloadsDefaultFolder", 8, {{"home/Downloads/a.iso", 10}}, {"home/Downloads/a.iso"}},
    {"DeveloperCaches", 14,
     {{"home/.npm/_cacache/index-v5/x", 10},
      {"home/.npm/_logs/l.log", 10},
      {"home/.gradle/caches/modules-2/y", 10},
      {"home/.cargo/registry/cache/index/z", 10},
      {"home/go/pkg/mod/cache/download/w", 10}},
     {"home/.cargo/registry/cache/index", "home/.gradle/caches/modules-2", "home/.npm/_cacache/index-v5",
      "home/go/pkg/mod/cache/download"}},
    {"FirefoxCache2AndChromeProfileEntries", 7,
     {{"home/.cache/mozilla/firefox/abc.default/cache2/entries/E1", 10},
      {"home/.cache/mozilla/firefox/nocache.default/startupCache/s", 10},
      {"home/.config/google-chrome/Default/History", 10},
      {"home/.config/google-chrome/Default/Cookies", 10},
      {"home/.config/google-chrome/Default/Local Storage/leveldb/l", 10},
      {"home/.config/google-chrome/Default/Preferences", 10},
      {"home/.config/google-chrome/Profile 1/History", 10},
      {"home/.config/chromium/Default/History-journal", 10},
      {"home/.config/chromium/Default/Cookies-journal", 10}},
     {"home/.cache/mozilla/firefox/abc.default/cache2", "home/.config/chromium/Default/Cookies-journal",
      "home/.config/chromium/Default/History-journal", "home/.config/google-chrome/Default/Cookies",
      "home/.config/google-chrome/Default/History", "home/.config/google-chrome/Default/Local Storage"}},
};

class FreedesktopLocations : public JunkFixture, public ::testing::WithParamInterface<LocationCase>
{
protected:
    void SetUp() override
    {
        JunkFixture::SetUp();
        useLayout(ORLayout::Kind::Freedesktop);
    }
    static QString withUser(QString text) { return text.replace(QLatin1String("%USER%"), ORLayout::loginName()); }
};

TEST_P(FreedesktopLocations, FindsExactlyTheExpectedItems)
{
    const LocationCase &c = GetParam();
    plant(c.plants, withUser);
    QStringList expected;
    for (const QString &e : c.expected)
        expected.append(withUser(e));
    EXPECT_EQ(found(c.groupID), expected);
}

INSTANTIATE_TEST_SUITE_P(Categories, FreedesktopLocations, ::testing::ValuesIn(kCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(FreedesktopLocations, DownloadsComeFromUserDirs)
{
    homeText(QStringLiteral(".config/user-dirs.dirs"),
             "# written by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
             "XDG_DOWNLOAD_DIR=\"$HOME/T\xc3\xa9l\xc3\xa9\x63hargements\"\n");
    homeFile(QStringLiteral("Downloads/not-this.iso"), 10);
    homeFile(QStringLiteral("T\u00e9l\u00e9chargements/this.iso"), 10);
    EXPECT_EQ(found(8), QStringList{QStringLiteral("home/T\u00e9l\u00e9chargements/this.iso")});
}

TEST_F(FreedesktopLocations, DownloadsSetToTheFolderHoldingTheHomeFallBackToHomeDownloads)
{
    homeText(QStringLiteral(".config/user-dirs.dirs"), "XDG_DOWNLOAD_DIR=\"$HOME/..\"\n");
    homeFile(QStringLiteral("Downloads/a.iso"), 10);
    rootFile(QStringLiteral("precious"), 10);
    EXPECT_EQ(found(8), QStringList{QStringLiteral("home/Downloads/a.iso")});
}

TEST_F(FreedesktopLocations, XdgVariablesIgnoredUnderAHomeOverride)
{
    const QByteArray saved = qgetenv("XDG_CACHE_HOME");
    qputenv("XDG_CACHE_HOME", tree.folder(QStringLiteral("elsewhere/cache")).toLocal8Bit());
    tree.file(QStringLiteral("elsewhere/cache/foreign/x"), 10);
    homeFile(QStringLiteral(".cache/mine/x"), 10);
    const QStringList paths = found(0);
    saved.isNull() ? qunsetenv("XDG_CACHE_HOME") : qputenv("XDG_CACHE_HOME", saved);
    EXPECT_EQ(paths, QStringList{QStringLiteral("home/.cache/mine")});
}

TEST_F(FreedesktopLocations, LogFolderLinkedIntoEtcListsNothing)
{
    rootFile(QStringLiteral("etc/passwd"), 10);
    rootFolder(QStringLiteral("var"));
    tree.link(QStringLiteral("root/var/log"), QStringLiteral("../etc"));
    EXPECT_EQ(found(3), QStringList());
}

// --- whose an item is ---------------------------------------------------------------

// An item inside an application's cache folder names the application (the
// Flatpak's own Name=, else its identifier's last part); a browser's item
// names the browser and the profile as the browser shows it. What the
// programs' files do not tell falls back to the folder's name, and a profile
// list that is a FIFO is never read.
TEST_F(FreedesktopLocations, ItemsNameTheApplicationOrBrowserProfileTheyBelongTo)
{
    homeFile(QStringLiteral(".cache/fontconfig/x"), 10);
    homeFile(QStringLiteral(".var/app/com.discordapp.Discord/cache/data.bin"), 10);
    homeText(QStringLiteral(".local/share/flatpak/exports/share/applications/com.discordapp.Discord.desktop"),
             "[Desktop Entry]\nType=Application\nName=Discord\nExec=discord\n");
    homeFile(QStringLiteral(".var/app/org.example.Notes/cache/data.bin"), 10);
    homeFile(QStringLiteral(".cache/mozilla/firefox/x1y2.default-release/cache2/entries/e"), 10);
    homeFile(QStringLiteral(".cache/mozilla/firefox/k9.work/cache2/entries/e"), 10);
    homeText(QStringLiteral(".mozilla/firefox/profiles.ini"),
             "[Profile1]\nName=Personal\nIsRelative=1\nPath=x1y2.default-release\n\n"
             "[Profile0]\nName=Renamed\nPath=elsewhere.default\n");
    homeFile(QStringLiteral(".config/google-chrome/Default/History"), 10);
    homeText(QStringLiteral(".config/google-chrome/Local State"),
             R"({"profile":{"info_cache":{"Default":{"name":"Work"}}}})");
    homeFile(QStringLiteral(".config/chromium/Default/Cookies"), 10);
    homeText(QStringLiteral(".config/chromium/Local State"), "not json");
    // The items of a category, each as "owner|path in the tree".
    const auto owners = [this](const std::shared_ptr<ORJunkData> &data, qint64 groupID) {
        QStringList out;
        for (const ORjunkDataItem &item : group(*data, groupID)->groupItems)
            out.append(item.itemOwner + QLatin1Char('|') + relative(item.itemPath));
        out.sort();
        return out;
    };

    const auto data = scan({0, 7});
    EXPECT_EQ(owners(data, 0),
              (QStringList{"Discord|home/.var/app/com.discordapp.Discord/cache/data.bin",
                           "Notes|home/.var/app/org.example.Notes/cache/data.bin", "|home/.cache/fontconfig",
                           "|home/.cache/mozilla"}));
    EXPECT_EQ(owners(data, 7),
              (QStringList{"Chromium (Default)|home/.config/chromium/Default/Cookies",
                           "Firefox (Personal)|home/.cache/mozilla/firefox/x1y2.default-release/cache2",
                           "Firefox (work)|home/.cache/mozilla/firefox/k9.work/cache2",
                           "Google Chrome (Work)|home/.config/google-chrome/Default/History"}));

    QFile::remove(tree.path(QStringLiteral("home/.mozilla/firefox/profiles.ini")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(tree.path(QStringLiteral("home/.mozilla/firefox/profiles.ini"))).constData(),
                       0600),
              0);
    EXPECT_EQ(owners(scan({7}), 7).at(1),
              QStringLiteral("Firefox (default-release)|home/.cache/mozilla/firefox/x1y2.default-release/cache2"));
}

// --- roots that lead where no category may look ------------------------------------

TEST_F(FreedesktopLocations, CacheFolderThatLeadsToTheHomeOrAUserFolderIsLeftAlone)
{
    homeFile(QStringLiteral("Documents/thesis.odt"), 10);
    homeFile(QStringLiteral("Pictures/cat.png"), 10);
    tree.link(QStringLiteral("home/.cache"), home);
    swtest::LogCapture log;
    EXPECT_EQ(found(0), QStringList());
    EXPECT_EQ(log.count(QStringLiteral("Leaving ") + home + QStringLiteral("/.cache alone")), 1)
        << log.lines().join('\n').toStdString();
    QFile::remove(tree.path(QStringLiteral("home/.cache")));
    tree.link(QStringLiteral("home/.cache"), QStringLiteral("Pictures"));
    EXPECT_EQ(found(0), QStringList());
    // A cache kept on another disk is fine once resolved.
    QFile::remove(tree.path(QStringLiteral("home/.cache")));
    tree.file(QStringLiteral("disk/cache/app/x"), 10);
    tree.link(QStringLiteral("home/.cache"), tree.path(QStringLiteral("disk/cache")));
    EXPECT_EQ(found(0), QStringList{"home/.cache/app"});
}

TEST_F(FreedesktopLocations, DownloadsThatLeadToTheHomeOrDocumentsAreLeftAlone)
{
    homeFile(QStringLiteral("Documents/thesis.odt"), 10);
    tree.link(QStringLiteral("home/dl"), home);
    homeText(QStringLiteral(".config/user-dirs.dirs"), "XDG_DOWNLOAD_DIR=\"$HOME/dl\"\n");
    EXPECT_EQ(found(8), QStringList());
    homeText(QStringLiteral(".config/user-dirs.dirs"), "XDG_DOWNLOAD_DIR=\"$HOME/Documents\"\n");
    EXPECT_EQ(found(8), QStringList());
    EXPECT_TRUE(tree.exists(QStringLiteral("home/Documents/thesis.odt")));
}

TEST_F(FreedesktopLocations, XdgCacheHomeThatLeadsToTheRealHomeIsLeftAlone)
{
    // No home override: the XDG variables count, and the real home is at stake.
    ORLayout::set(ORLayout::Kind::Freedesktop, root);
    const QByteArray saved = qgetenv("XDG_CACHE_HOME");
    qputenv("XDG_CACHE_HOME", tree.link(QStringLiteral("cachelink"), ORLayout::realHome()).toLocal8Bit());
    const auto data = scan({0});
    saved.isNull() ? qunsetenv("XDG_CACHE_HOME") : qputenv("XDG_CACHE_HOME", saved);
    for (const ORjunkDataItem &item : group(*data, 0)->groupItems)
        EXPECT_FALSE(item.itemRoot.startsWith(tree.path(QStringLiteral("cachelink")))) << item.itemPath.toStdString();
}

// /tmp is sticky and anyone may write it: the mail attachment folder there
// counts only when it is a real folder of the user's own.
TEST_F(FreedesktopLocations, MailFolderMadeByAnotherUserIsLeftAlone)
{
    const QString tmp = rootFolder(QStringLiteral("tmp"));
    ASSERT_TRUE(::chmod(QFile::encodeName(tmp).constData(), 01777) == 0);
    const QString rel = withUser(QStringLiteral("tmp/mozilla_%USER%0"));
    rootFile(rel + QStringLiteral("/att.pdf"), 10);
    EXPECT_EQ(found(10), QStringList{QStringLiteral("root/") + rel + QStringLiteral("/att.pdf")});
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(QFile::encodeName(tree.path(QStringLiteral("root/") + rel)).constData(), 65534, 65534), 0);
        EXPECT_EQ(found(10), QStringList());
    }
    QDir(tree.path(QStringLiteral("root/") + rel)).removeRecursively();
    homeFile(QStringLiteral("Documents/thesis.odt"), 10);
    tree.link(QStringLiteral("root/") + rel, tree.path(QStringLiteral("home/Documents")));
    EXPECT_EQ(found(10), QStringList());
}

TEST_F(FreedesktopLocations, DeviceNodesAreNeverOpenedAndCountNothing)
{
    homeFile(QStringLiteral(".cache/app/data"), 10);
    const bool made = ::mknod(QFile::encodeName(homeFolder(QStringLiteral(".cache/app")) + "/zero").constData(),
                              S_IFCHR | 0600, makedev(1, 5)) == 0
                      && ::mknod(QFile::encodeName(homeFolder(QStringLiteral(".cache/nodes")) + "/zero").constData(),
                                 S_IFCHR | 0600, makedev(1, 5)) == 0;
    if (!made)
        GTEST_SKIP() << "device nodes cannot be made here";
    ASSERT_EQ(::mkfifo(QFile::encodeName(tree.path(QStringLiteral("home/.cache/fifo"))).constData(), 0600), 0);
    const auto data = scan({0});
    EXPECT_EQ(itemPaths(*group(*data, 0)), QStringList{"home/.cache/app"});
    EXPECT_EQ(data->junkTotalSize, 10);
}

TEST_F(FreedesktopLocations, FlatpakDataOfAnAppInAnExtraInstallationIsNoLeftover)
{
    rootText(QStringLiteral("etc/flatpak/installations.d/extra.conf"),
             "[Installation \"extra\"]\nPath=/opt/flatpak\nDisplayName=Extra\n");
    rootFolder(QStringLiteral("opt/flatpak/app/org.extra.App/current"));
    homeFile(QStringLiteral(".var/app/org.extra.App/data/x"), 10);
    homeFile(QStringLiteral(".var/app/org.gone.App/data/y"), 10);
    EXPECT_EQ(found(1), QStringList{"home/.var/app/org.gone.App"});
}

class OrphanDesktopEntries : public FreedesktopLocations
{
protected:
    void SetUp() override
    {
        FreedesktopLocations::SetUp();
        m_savedPath = qgetenv("PATH");
        qputenv("PATH", "/usr/local/bin:/usr/bin:relative/bin");
    }
    void TearDown() override
    {
        qputenv("PATH", m_savedPath);
        FreedesktopLocations::TearDown();
    }
    void entry(const QString &rel, const QByteArray &exec)
    {
        homeText(rel, "[Desktop Entry]\nType=Application\nName=X\nExec=" + exec + "\n");
    }

private:
    QByteArray m_savedPath;
};

TEST_F(OrphanDesktopEntries, ProgramIsLookedUpBelowTheRootAndOnPath)
{
    rootFile(QStringLiteral("opt/live/bin/live"), 10);
    rootFile(QStringLiteral("usr/bin/livetool"), 10);
    const QString apps = QStringLiteral(".local/share/applications/");
    entry(apps + "gone.desktop", "/opt/gone/bin/gone %U");
    entry(apps + "live.desktop", "/opt/live/bin/live %U");
    entry(apps + "onpath.desktop", "livetool --new-window");
    entry(apps + "envprefix.desktop", "env LANG=C livetool");
    entry(apps + "missing.desktop", "nosuchtool-xyz");
    entry(apps + "quoted.desktop", "\"/opt/gone dir/bin/x\" %f");
    entry(apps + "org.sweepwright.Sweepwright.desktop", "/opt/nothing/sweepwright");
    entry(apps + "notadesktopfile.txt", "/opt/gone/bin/gone");
    homeText(apps + "noexec.desktop", "[Desktop Entry]\nType=Link\nURL=https://example.org\n");
    homeText(apps + "garbage.desktop", "\x01\x02 not an entry");
    entry(QStringLiteral(".config/autostart/gone-auto.desktop"), "/usr/bin/gone-daemon");
    entry(QStringLiteral(".config/autostart/live-auto.desktop"), "livetool");
    // An AppImage in the home is the home's own, not looked for below the root.
    homeFile(QStringLiteral("Applications/Viewer.AppImage"), 10);
    entry(apps + "viewer.desktop", QFile::encodeName(ORLayout::homePath(QStringLiteral("Applications/Viewer.AppImage"))));

    EXPECT_EQ(found(1), (QStringList{"home/.config/autostart/gone-auto.desktop",
                                     "home/.local/share/applications/gone.desktop",
                                     "home/.local/share/applications/missing.desktop",
                                     "home/.local/share/applications/quoted.desktop"}));
}

TEST(FreedesktopTrashInfo, InfoFileSitsBesideTheFilesFolder)
{
    EXPECT_EQ(sw::FreedesktopJunkLocations::trashInfoPath(QStringLiteral("/h/.local/share/Trash/files/a b.txt")),
              QStringLiteral("/h/.local/share/Trash/info/a b.txt.trashinfo"));
}

}  // namespace
