// SPDX-License-Identifier: GPL-3.0-or-later
// Where the tools look: options against the environment, the XDG rules and
// the user-dirs.dirs file.

#include "support/FixtureTree.h"

#include "core/foundation/ORUtility.h"
#include "core/platform/ORLayout.h"

#include <gtest/gtest.h>

#include <QMap>

namespace {

// Sets environment variables for one test and restores them afterwards.
class EnvGuard
{
public:
    void set(const char *name, const QByteArray &value)
    {
        remember(name);
        qputenv(name, value);
    }
    void unset(const char *name)
    {
        remember(name);
        qunsetenv(name);
    }
    ~EnvGuard()
    {
        for (auto it = m_saved.cbegin(); it != m_saved.cend(); ++it)
            it.value().isNull() ? qunsetenv(it.key().constData()) : qputenv(it.key().constData(), it.value());
    }

private:
    void remember(const char *name)
    {
        if (!m_saved.contains(name))
            m_saved.insert(name, qEnvironmentVariableIsSet(name) ? qgetenv(name) : QByteArray());
    }
    QMap<QByteArray, QByteArray> m_saved;
};

class Layout : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const char *name : {"SWEEPWRIGHT_LAYOUT", "SWEEPWRIGHT_ROOT", "SWEEPWRIGHT_HOME", "XDG_CACHE_HOME",
                                 "XDG_CONFIG_HOME", "XDG_DATA_HOME"})
            env.unset(name);
        ORLayout::reset();
    }
    void TearDown() override { ORLayout::reset(); }

    EnvGuard env;
};

TEST_F(Layout, DefaultsAreFreedesktopTheRealRootAndTheRealHome)
{
    EXPECT_EQ(ORLayout::configure({}), QString());
    EXPECT_TRUE(ORLayout::isFreedesktop());
    EXPECT_EQ(ORLayout::root(), QStringLiteral("/"));
    EXPECT_EQ(ORLayout::home(), ORUtility::realHomeDirectory());
    EXPECT_FALSE(ORLayout::homeOverridden());
    EXPECT_EQ(ORLayout::rootPath(QStringLiteral("var/cache")), QStringLiteral("/var/cache"));
    EXPECT_EQ(ORLayout::rootPath(QStringLiteral("/var/log")), QStringLiteral("/var/log"));
}

TEST_F(Layout, EnvironmentIsReadAndOptionsWin)
{
    env.set("SWEEPWRIGHT_LAYOUT", "macos");
    env.set("SWEEPWRIGHT_ROOT", "/srv/envroot");
    env.set("SWEEPWRIGHT_HOME", "/srv/envhome");
    EXPECT_EQ(ORLayout::configure({}), QString());
    EXPECT_TRUE(ORLayout::isMacOS());
    EXPECT_EQ(ORLayout::root(), QStringLiteral("/srv/envroot"));
    EXPECT_EQ(ORLayout::home(), QStringLiteral("/srv/envhome"));

    EXPECT_EQ(ORLayout::configure({QStringLiteral("junk"), QStringLiteral("--layout"), QStringLiteral("freedesktop"),
                                   QStringLiteral("--root=/srv/optroot/"), QStringLiteral("--home"),
                                   QStringLiteral("/srv/opthome/./x/..")}),
              QString());
    EXPECT_TRUE(ORLayout::isFreedesktop());
    EXPECT_EQ(ORLayout::root(), QStringLiteral("/srv/optroot"));
    EXPECT_EQ(ORLayout::home(), QStringLiteral("/srv/opthome"));
    EXPECT_EQ(ORLayout::homePath(QStringLiteral("Downloads")), QStringLiteral("/srv/opthome/Downloads"));
}

TEST_F(Layout, UnknownLayoutIsAnErrorAndChangesNothing)
{
    ORLayout::set(ORLayout::Kind::MacOS, QStringLiteral("/srv/r"));
    const QString error = ORLayout::configure({QStringLiteral("--layout"), QStringLiteral("windows")});
    EXPECT_TRUE(error.contains(QStringLiteral("windows"))) << error.toStdString();
    EXPECT_TRUE(ORLayout::isMacOS());
    EXPECT_EQ(ORLayout::root(), QStringLiteral("/srv/r"));
}

TEST_F(Layout, RelativeRootIsMadeAbsolute)
{
    ORLayout::set(ORLayout::Kind::Freedesktop, QStringLiteral("fixture/root"));
    EXPECT_TRUE(ORLayout::root().startsWith(QLatin1Char('/')));
    EXPECT_TRUE(ORLayout::root().endsWith(QStringLiteral("/fixture/root")));
}

struct XdgCase
{
    const char *name;
    const char *cacheVar;  // nullptr: unset
    bool homeOverride;
    const char *expected;  // "H" stands for the home in use
};

void PrintTo(const XdgCase &c, std::ostream *os)
{
    *os << c.name;
}

class XdgBase : public Layout, public ::testing::WithParamInterface<XdgCase>
{
};

TEST_P(XdgBase, CacheHomeFollowsTheRules)
{
    const XdgCase &c = GetParam();
    if (c.cacheVar) {
        QByteArray value(c.cacheVar);
        if (value.startsWith('H'))
            value.replace(0, 1, QFile::encodeName(ORLayout::home()));
        env.set("XDG_CACHE_HOME", value);
    }
    if (c.homeOverride)
        ORLayout::set(ORLayout::Kind::Freedesktop, QString(), QStringLiteral("/srv/fixturehome"));
    QString expected = QString::fromLatin1(c.expected);
    if (expected.startsWith(QLatin1Char('H')))
        expected.replace(0, 1, ORLayout::home());
    EXPECT_EQ(ORLayout::cacheHome(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, XdgBase,
    ::testing::Values(XdgCase{"UnsetGivesTheDefault", nullptr, false, "H/.cache"},
                      XdgCase{"AbsoluteIsHonoured", "/srv/cache//x/", false, "/srv/cache/x"},
                      XdgCase{"RelativeIsIgnored", "relative/cache", false, "H/.cache"},
                      XdgCase{"EmptyIsIgnored", "", false, "H/.cache"},
                      XdgCase{"FileSystemRootIsIgnored", "/", false, "H/.cache"},
                      XdgCase{"HomeItselfIsIgnored", "H/", false, "H/.cache"},
                      XdgCase{"FolderHoldingTheHomeIsIgnored", "H/..", false, "H/.cache"},
                      XdgCase{"FolderInsideTheHomeIsHonoured", "H/cache2", false, "H/cache2"},
                      XdgCase{"HomeOverrideWins", "/srv/cache", true, "/srv/fixturehome/.cache"},
                      XdgCase{"HomeOverrideWithoutVariable", nullptr, true, "/srv/fixturehome/.cache"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(Layout, ConfigAndDataHomesFollowTheSameRules)
{
    env.set("XDG_CONFIG_HOME", "/srv/conf");
    env.set("XDG_DATA_HOME", "/srv/data");
    EXPECT_EQ(ORLayout::configHome(), QStringLiteral("/srv/conf"));
    EXPECT_EQ(ORLayout::dataHome(), QStringLiteral("/srv/data"));
    EXPECT_EQ(ORLayout::trashDir(), QStringLiteral("/srv/data/Trash"));
    ORLayout::set(ORLayout::Kind::Freedesktop, QString(), QStringLiteral("/srv/h"));
    EXPECT_EQ(ORLayout::configHome(), QStringLiteral("/srv/h/.config"));
    EXPECT_EQ(ORLayout::dataHome(), QStringLiteral("/srv/h/.local/share"));
    EXPECT_EQ(ORLayout::trashDir(), QStringLiteral("/srv/h/.local/share/Trash"));
    ORLayout::set(ORLayout::Kind::MacOS, QString(), QStringLiteral("/srv/h"));
    EXPECT_EQ(ORLayout::trashDir(), QStringLiteral("/srv/h/.Trash"));
}

struct UserDirsCase
{
    const char *name;
    QByteArray file;  // empty: no user-dirs.dirs at all
    const char *expected;  // relative to the home, or absolute
};

void PrintTo(const UserDirsCase &c, std::ostream *os)
{
    *os << c.name;
}

class UserDirs : public Layout, public ::testing::WithParamInterface<UserDirsCase>
{
};

TEST_P(UserDirs, DownloadFolderIsReadFromTheFile)
{
    swtest::FixtureTree tree;
    const QString home = tree.folder(QStringLiteral("home"));
    ORLayout::set(ORLayout::Kind::Freedesktop, QString(), home);
    if (!GetParam().file.isEmpty())
        tree.text(QStringLiteral("home/.config/user-dirs.dirs"), GetParam().file);
    const QString expected = QString::fromUtf8(GetParam().expected);
    EXPECT_EQ(ORLayout::downloadDir(), expected.startsWith(QLatin1Char('/')) ? expected : home + '/' + expected);
}

INSTANTIATE_TEST_SUITE_P(
    Files, UserDirs,
    ::testing::Values(
        UserDirsCase{"NoFile", QByteArray(), "Downloads"},
        UserDirsCase{"HomeRelative", "XDG_DOWNLOAD_DIR=\"$HOME/Téléchargements\"\n", "Téléchargements"},
        UserDirsCase{"Absolute", "XDG_DOWNLOAD_DIR=\"/srv/dl\"\n", "/srv/dl"},
        UserDirsCase{"CommentsAndOtherKeysSkipped",
                     "# XDG_DOWNLOAD_DIR=\"$HOME/commented\"\nXDG_DESKTOP_DIR=\"$HOME/Desk\"\n"
                     "  XDG_DOWNLOAD_DIR = \"$HOME/dl\"  \n",
                     "dl"},
        UserDirsCase{"KeyPrefixIsNotEnough", "XDG_DOWNLOAD_DIRS=\"$HOME/wrong\"\n", "Downloads"},
        UserDirsCase{"PointingAtTheHomeMeansNone", "XDG_DOWNLOAD_DIR=\"$HOME/\"\n", "Downloads"},
        UserDirsCase{"FolderHoldingTheHomeIsIgnored", "XDG_DOWNLOAD_DIR=\"$HOME/..\"\n", "Downloads"},
        UserDirsCase{"FileSystemRootIsIgnored", "XDG_DOWNLOAD_DIR=\"/\"\n", "Downloads"},
        UserDirsCase{"LaterValidLineWins", "XDG_DOWNLOAD_DIR=\"/\"\nXDG_DOWNLOAD_DIR=\"$HOME/dl2\"\n", "dl2"},
        UserDirsCase{"RelativeIsIgnored", "XDG_DOWNLOAD_DIR=\"dl\"\n", "Downloads"},
        UserDirsCase{"UnquotedValue", "XDG_DOWNLOAD_DIR=$HOME/plain\n", "plain"},
        UserDirsCase{"LastLineWithoutNewline", "XDG_DOWNLOAD_DIR=\"$HOME/end\"", "end"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(Layout, MacosDownloadsIgnoreUserDirs)
{
    swtest::FixtureTree tree;
    const QString home = tree.folder(QStringLiteral("home"));
    tree.text(QStringLiteral("home/.config/user-dirs.dirs"), "XDG_DOWNLOAD_DIR=\"$HOME/dl\"\n");
    ORLayout::set(ORLayout::Kind::MacOS, QString(), home);
    EXPECT_EQ(ORLayout::downloadDir(), home + QStringLiteral("/Downloads"));
}

}  // namespace
