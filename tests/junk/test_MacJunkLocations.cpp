// SPDX-License-Identifier: GPL-3.0-or-later
// Where the junk categories look in the macos layout, checked through the
// engine's scan so that measuring (empty folders dropped) takes part too.

#include "JunkTestSupport.h"

#include "core/junk/MacJunkLocations.h"

#include <QDir>

using swtest::JunkFixture;
using swtest::LocationCase;

namespace {

const QList<LocationCase> kCases = {
    {"LibraryCachesSkipDSStoreEmptyFoldersAndEmptyFiles", 0,
     {{"home/Library/Caches/com.foo.app/Cache.db", 100},
      {"home/Library/Caches/.DS_Store", 10},
      {"home/Library/Caches/Empty/", 0},
      {"home/Library/Caches/zero.bin", 0}},
     {"home/Library/Caches/com.foo.app"}},
    {"ContainerCachesSkipSafariAndOurOwnContainer", 0,
     {{"home/Library/Containers/com.apple.Safari/Data/Library/Caches/WebKit/x", 10},
      {"home/Library/Containers/com.other/Data/Library/Caches/c.db", 10},
      {"home/Library/Containers/org.sweepwright.Sweepwright/Data/Library/Caches/own", 10},
      {"home/Library/Containers/.DS_Store", 5}},
     {"home/Library/Containers/com.other/Data/Library/Caches/c.db"}},
    {"AppLogsIncludeContainerLogsButOurOwn", 0,
     {{"home/Library/Logs/app.log", 10},
      {"home/Library/Containers/com.other/Data/Library/Logs/o.log", 10},
      {"home/Library/Containers/com.apple.Safari/Data/Library/Logs/s.log", 10},
      {"home/Library/Containers/org.sweepwright.Sweepwright/Data/Library/Logs/own.log", 10}},
     {"home/Library/Containers/com.apple.Safari/Data/Library/Logs/s.log",
      "home/Library/Containers/com.other/Data/Library/Logs/o.log", "home/Library/Logs/app.log"}},
    {"SystemCachesInLocalAndSystemDomains", 2,
     {{"root/Library/Caches/com.sys/x", 10},
      {"root/System/Library/Caches/com.sys2/y", 10},
      {"root/Library/Caches/.DS_Store", 3},
      {"home/Library/Caches/user-only", 10}},
     {"root/Library/Caches/com.sys", "root/System/Library/Caches/com.sys2"}},
    {"SystemLogs", 3,
     {{"root/Library/Logs/DiagnosticReports/r.crash", 10}, {"root/var/log/asl/2024.asl", 10}},
     {"root/Library/Logs/DiagnosticReports", "root/var/log/asl/2024.asl"}},
    {"MailDownloadsWholeAndMailImagesByExtensionAnyCase", 10,
     {{"home/Library/Containers/com.apple.mail/Data/Library/Mail Downloads/X/a.pdf", 10},
      {"home/Library/Containers/com.apple.mail/Data/Library/Mail Downloads/.DS_Store", 4},
      {"home/Library/Mail/V10/box/a.PNG", 10},
      {"home/Library/Mail/V10/box/b.GIF", 10},
      {"home/Library/Mail/V10/box/c.gif", 10},
      {"home/Library/Mail/V10/box/deep/er/d.Gif", 10},
      {"home/Library/Mail/V10/box/e.txt", 10},
      {"home/Library/Mail/V10/box/f.pdf", 10}},
     {"home/Library/Containers/com.apple.mail/Data/Library/Mail Downloads/.DS_Store",
      "home/Library/Containers/com.apple.mail/Data/Library/Mail Downloads/X", "home/Library/Mail/V10/box/b.GIF",
      "home/Library/Mail/V10/box/c.gif", "home/Library/Mail/V10/box/deep/er/d.Gif", "home/Library/Mail/V10/box/e.txt"}},
    {"ITunesTakesCaseSensitiveSuffixes", 9,
     {{"home/Library/iTunes/iPhone Software Updates/iPhone.ipsw", 10},
      {"home/Library/iTunes/iPhone Software Updates/notes.txt", 5},
      {"home/Library/iTunes/iPad Software Updates/iPad.IPSW", 5},
      {"home/Library/iTunes/iPad Software Updates/iPad.ipsw", 5},
      {"home/Music/iTunes/iTunes Media/Mobile Applications/App.ipa", 10}},
     {"home/Library/iTunes/iPad Software Updates/iPad.ipsw", "home/Library/iTunes/iPhone Software Updates/iPhone.ipsw",
      "home/Music/iTunes/iTunes Media/Mobile Applications/App.ipa"}},
    {"IOSUpdatesOnlyFirmware", 12,
     {{"home/Library/iTunes/iPhone Software Updates/iPhone.ipsw", 10},
      {"home/Music/iTunes/iTunes Media/Mobile Applications/App.ipa", 10}},
     {"home/Library/iTunes/iPhone Software Updates/iPhone.ipsw"}},
    {"IOSBackupsOneItemPerDevice", 13,
     {{"home/Library/Application Support/MobileSync/Backup/device1/Manifest.db", 10},
      {"home/Library/Application Support/MobileSync/Backup/device2/Info.plist", 10}},
     {"home/Library/Application Support/MobileSync/Backup/device1",
      "home/Library/Application Support/MobileSync/Backup/device2"}},
    {"Trash", 6,
     {{"home/.Trash/old.txt", 10}, {"home/.Trash/.DS_Store", 2}, {"home/.Trash/dir/x", 10}},
     {"home/.Trash/dir", "home/.Trash/old.txt"}},
    {"Downloads", 8, {{"home/Downloads/a.zip", 10}, {"home/Downloads/.DS_Store", 10}}, {"home/Downloads/a.zip"}},
    {"XcodeDerivedDataEveryName", 14,
     {{"home/Library/Developer/Xcode/DerivedData/Proj-abc/Build/x", 10},
      {"home/Library/Developer/Xcode/DerivedData/.DS_Store", 5}},
     {"home/Library/Developer/Xcode/DerivedData/.DS_Store", "home/Library/Developer/Xcode/DerivedData/Proj-abc"}},
    {"BrowserFoldersListedFilesIgnored", 7,
     {{"home/Library/Cookies/Cookies.binarycookies", 10},
      {"home/Library/Caches/com.apple.Safari/Cache.db", 10},
      {"home/Library/Caches/Metadata/Safari/History/h.webhistory", 10},
      {"home/Library/Application Support/Google/Chrome/Default/History", 10},
      {"home/Library/Application Support/Google/Chrome/Default/Local Storage/leveldb/000.log", 10},
      {"home/Library/Caches/Google/Chrome/Default/Cache/data_0", 10}},
     {"home/Library/Application Support/Google/Chrome/Default/Local Storage/leveldb",
      "home/Library/Caches/Google/Chrome/Default/Cache/data_0", "home/Library/Caches/Metadata/Safari/History/h.webhistory",
      "home/Library/Caches/com.apple.Safari/Cache.db", "home/Library/Cookies/Cookies.binarycookies"}},
};

class MacLocations : public JunkFixture, public ::testing::WithParamInterface<LocationCase>
{
protected:
    void SetUp() override
    {
        JunkFixture::SetUp();
        useLayout(ORLayout::Kind::MacOS);
    }
};

TEST_P(MacLocations, FindsExactlyTheExpectedItems)
{
    plant(GetParam().plants);
    EXPECT_EQ(found(GetParam().groupID), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Categories, MacLocations, ::testing::ValuesIn(kCases),
                         [](const auto &info) { return std::string(info.param.name); });

QByteArray infoPlist(const char *identifier, const char *name)
{
    return QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>"
                      "<key>CFBundleIdentifier</key><string>")
           + identifier + "</string><key>CFBundleName</key><string>" + name + "</string></dict></plist>\n";
}

class MacLeftovers : public MacLocations
{
};

TEST_F(MacLeftovers, SkipSystemNamesAndSettingsOfInstalledApplications)
{
    tree.text(QStringLiteral("root/Applications/Safari.app/Contents/Info.plist"), infoPlist("com.apple.Safari", "Safari"));
    tree.text(QStringLiteral("root/Applications/Inst.app/Contents/Info.plist"), infoPlist("com.installed.app", "Inst"));
    tree.text(QStringLiteral("home/Applications/Mine.app/Contents/Info.plist"), infoPlist("org.home.mine", "Mine"));
    for (const char *name : {"com.gone.app.plist", "com.installed.app.plist", "com.installed.app.helper.plist",
                             "org.home.mine.plist", "Safari", "com.apple.finder.plist", "AppleDock.plist",
                             ".GlobalPreferences.plist", "ByHost", "loginwindow.plist", "callservicesd.plist",
                             "org.sweepwright.Sweepwright.plist", "gone.installed.app.plist"})
        homeFile(QStringLiteral("Library/Preferences/") + QLatin1String(name), 10);
    rootFile(QStringLiteral("Library/LaunchAgents/com.gone.agent.plist"), 10);
    rootFile(QStringLiteral("Library/LaunchAgents/com.installed.app.agent.plist"), 10);
    homeFile(QStringLiteral("Library/Saved Application State/com.gone.app.savedState/data.data"), 10);
    homeFile(QStringLiteral("Library/Parallels/old.pvm"), 10);
    homeFile(QStringLiteral(".cleverfiles/x"), 10);

    EXPECT_EQ(found(1), (QStringList{"home/.cleverfiles/x", "home/Library/Parallels/old.pvm",
                                     "home/Library/Preferences/com.gone.app.plist",
                                     "home/Library/Preferences/gone.installed.app.plist",
                                     "home/Library/Saved Application State/com.gone.app.savedState",
                                     "root/Library/LaunchAgents/com.gone.agent.plist"}));
}

TEST_F(MacLeftovers, InstalledIdentifiersComeFromBothApplicationFolders)
{
    tree.text(QStringLiteral("root/Applications/A.app/Contents/Info.plist"), infoPlist("com.a", "A"));
    tree.text(QStringLiteral("home/Applications/B.app/Contents/Info.plist"), infoPlist("com.b", "B"));
    tree.text(QStringLiteral("home/Applications/NotAnApp/Contents/Info.plist"), infoPlist("com.c", "C"));
    tree.folder(QStringLiteral("root/Applications/Broken.app/Contents"));
    QStringList ids = sw::MacJunkLocations::installedBundleIdentifiers();
    ids.sort();
    EXPECT_EQ(ids, (QStringList{"com.a", "com.b"}));
}

// The per-user cache folder comes from the layout's root, never from
// $TMPDIR: a fixture run must not reach the machine's own folders.
class MacTempCache : public MacLocations
{
protected:
    void SetUp() override
    {
        MacLocations::SetUp();
        m_savedTmp = qgetenv("TMPDIR");
        qputenv("TMPDIR", tree.folder(QStringLiteral("elsewhere/T")).toLocal8Bit());
    }
    void TearDown() override
    {
        if (m_savedTmp.isEmpty())
            qunsetenv("TMPDIR");
        else
            qputenv("TMPDIR", m_savedTmp);
        MacLocations::TearDown();
    }

private:
    QByteArray m_savedTmp;
};

TEST_F(MacTempCache, CacheFolderBesideTheUsersTemporaryFolderBelowTheRootSkipsOurOwnEntries)
{
    tree.folder(QStringLiteral("root/var/folders/zz/abc123/T"));
    tree.file(QStringLiteral("root/var/folders/zz/abc123/C/com.other.cache/x"), 10);
    tree.file(QStringLiteral("root/var/folders/zz/abc123/C/org.sweepwright.Sweepwright/y"), 10);
    tree.file(QStringLiteral("root/var/folders/zz/abc123/C/.DS_Store"), 10);
    tree.file(QStringLiteral("elsewhere/C/outside-the-fixture/z"), 10);  // beside $TMPDIR
    EXPECT_EQ(found(0), QStringList{"root/var/folders/zz/abc123/C/com.other.cache"});
}

}  // namespace
