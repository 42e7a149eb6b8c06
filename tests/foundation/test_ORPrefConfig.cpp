// SPDX-License-Identifier: GPL-3.0-or-later
// The settings store: absent values, registered defaults, the start-up
// values, and that a setter's value is on disk at once.

#include "core/foundation/ORPrefConfig.h"
#include "core/platform/ORLayout.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

namespace {

class PrefConfig : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ORPrefConfig::setStorePath(dir.filePath(QStringLiteral("Sweepwright.conf")));
    }
    void TearDown() override { ORPrefConfig::setStorePath(QString()); }

    QVariant onDisk(const QString &key) const
    {
        return QSettings(dir.filePath(QStringLiteral("Sweepwright.conf")), QSettings::IniFormat).value(key);
    }

    QTemporaryDir dir;
};

TEST_F(PrefConfig, AbsentValuesReadNoAndZero)
{
    EXPECT_FALSE(ORPrefConfig::appJunkEnable());
    EXPECT_FALSE(ORPrefConfig::autostartEnable());
    EXPECT_EQ(ORPrefConfig::memoryUsageEnable(), 0);
    EXPECT_FALSE(ORPrefConfig::objectForKey(QStringLiteral("leftover")).isValid());
}

TEST_F(PrefConfig, SettersWriteThroughToTheFileAtOnce)
{
    ORPrefConfig::setXcodeEnable(true);
    ORPrefConfig::setMemoryUsageEnable(70);
    ORPrefConfig::setTrashEnable(false);
    EXPECT_TRUE(onDisk(QStringLiteral("orxcode")).toBool());
    EXPECT_EQ(onDisk(QStringLiteral("memoryusage")).toLongLong(), 70);
    EXPECT_TRUE(ORPrefConfig::xcodeEnable());
    EXPECT_EQ(ORPrefConfig::memoryUsageEnable(), 70);
    EXPECT_FALSE(ORPrefConfig::trashEnable());
}

struct BoolText
{
    const char *stored;
    bool expected;
};

class StoredBoolText : public PrefConfig, public ::testing::WithParamInterface<BoolText>
{
};

TEST_P(StoredBoolText, ReadsAsItsBooleanValue)
{
    {
        QSettings raw(dir.filePath(QStringLiteral("Sweepwright.conf")), QSettings::IniFormat);
        raw.setValue(QStringLiteral("syslog"), QString::fromLatin1(GetParam().stored));
    }
    EXPECT_EQ(ORPrefConfig::sysLogEnable(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, StoredBoolText,
                         ::testing::Values(BoolText{"true", true}, BoolText{"false", false}, BoolText{"1", true},
                                           BoolText{"0", false}, BoolText{"YES", true}, BoolText{"", false},
                                           BoolText{"garbage", false}));

TEST_F(PrefConfig, RegisteredDefaultAnswersUntilAValueIsStored)
{
    ORPrefConfig::registerDefaults(ORPrefConfig::archiveDefaults());
    EXPECT_EQ(ORPrefConfig::integerForKey(QStringLiteral("filenameEncoding")), 4);
    EXPECT_EQ(ORPrefConfig::integerForKey(QStringLiteral("autoDetectionThreshold")), 80);
    EXPECT_EQ(ORPrefConfig::stringForKey(QStringLiteral("openExtractedFolder")), QStringLiteral("0"));
    ORPrefConfig::setObject(QStringLiteral("filenameEncoding"), QStringLiteral("0"));
    EXPECT_EQ(ORPrefConfig::integerForKey(QStringLiteral("filenameEncoding")), 0);
    ORPrefConfig::removeObject(QStringLiteral("filenameEncoding"));
    EXPECT_EQ(ORPrefConfig::integerForKey(QStringLiteral("filenameEncoding")), 4);
}

TEST(PrefConfigStartup, ValuesAreWrittenInTheirFixedOrder)
{
    ORLayout::set(ORLayout::Kind::MacOS);
    QStringList keys;
    QVariantList values;
    for (const auto &[key, value] : ORPrefConfig::startupValues()) {
        keys.append(key);
        values.append(value);
    }
    EXPECT_EQ(keys, (QStringList{"autostart", "automemory", "memoryusage", "application junks", "leftover",
                                 "syscache", "syslog", "mailjunk", "itunesjunk", "orxcode", "APPlanguage", "download",
                                 "trash", "orbrowser", "IOSupdate", "IOSbackups"}));
    EXPECT_EQ(values, (QVariantList{true, false, 85, true, true, true, true, true, true, false, true, true, true, true,
                                    true, true}));
    EXPECT_FALSE(ORPrefConfig::startupValue(QStringLiteral("orxcode")).toBool());
    EXPECT_TRUE(ORPrefConfig::startupValue(QStringLiteral("trash")).toBool());
    EXPECT_FALSE(ORPrefConfig::startupValue(QStringLiteral("no such key")).isValid());

    // On the desktop the program joins the login items only when asked.
    ORLayout::set(ORLayout::Kind::Freedesktop);
    EXPECT_FALSE(ORPrefConfig::startupValue(QStringLiteral("autostart")).toBool());
    EXPECT_EQ(ORPrefConfig::startupValues().size(), keys.size());
    ORLayout::reset();
}

TEST_F(PrefConfig, EveryAccessorPairUsesItsOwnKey)
{
    struct Pair
    {
        const char *key;
        bool (*get)();
        void (*set)(bool);
    };
    const Pair pairs[] = {
        {"autostart", ORPrefConfig::autostartEnable, ORPrefConfig::setAutostartEnable},
        {"automemory", ORPrefConfig::autoMemoryEnable, ORPrefConfig::setAutoMemoryEnable},
        {"application junks", ORPrefConfig::appJunkEnable, ORPrefConfig::setAppJunkEnable},
        {"leftover", ORPrefConfig::leftoverEnable, ORPrefConfig::setLeftoverEnable},
        {"syscache", ORPrefConfig::sysCacheEnable, ORPrefConfig::setSysCacheEnable},
        {"syslog", ORPrefConfig::sysLogEnable, ORPrefConfig::setSysLogEnable},
        {"mailjunk", ORPrefConfig::mailEnable, ORPrefConfig::setMailEnable},
        {"itunesjunk", ORPrefConfig::iTuneJunkEnable, ORPrefConfig::setiTuneJunkEnable},
        {"IOSbackups", ORPrefConfig::iOSBackupEnable, ORPrefConfig::setIOSBackupEnable},
        {"IOSupdate", ORPrefConfig::iOSUpdateEnable, ORPrefConfig::setIOSUpdateEnable},
        {"trash", ORPrefConfig::trashEnable, ORPrefConfig::setTrashEnable},
        {"download", ORPrefConfig::downloadsEnable, ORPrefConfig::setDownloadsEnable},
        {"orxcode", ORPrefConfig::xcodeEnable, ORPrefConfig::setXcodeEnable},
        {"orbrowser", ORPrefConfig::browserEnable, ORPrefConfig::setBrowserEnable},
        {"APPlanguage", ORPrefConfig::languageEnable, ORPrefConfig::setLanguageEnable},
    };
    for (const Pair &p : pairs) {
        p.set(true);
        EXPECT_TRUE(onDisk(QString::fromLatin1(p.key)).toBool()) << p.key;
        EXPECT_TRUE(p.get()) << p.key;
        ORPrefConfig::setObject(QString::fromLatin1(p.key), false);
        EXPECT_FALSE(p.get()) << p.key;
    }
}

// Something other than a regular file under the settings name hung every
// start before a window showed (QSettings waits on a FIFO for a writer).
// It is now neither read nor written: the defaults answer, a value set
// lasts for the run, and the thing under the name stays as it was.
struct NotAFile
{
    const char *name;
    bool (*plant)(const QString &path, const QString &scratch);
};

class UnusableStore : public PrefConfig, public ::testing::WithParamInterface<NotAFile>
{
};

TEST_P(UnusableStore, NeitherBlocksNorIsWrittenAndTheDefaultsAnswer)
{
    const QString path = dir.filePath(QStringLiteral("Sweepwright.conf"));
    ASSERT_TRUE(GetParam().plant(path, dir.filePath(QStringLiteral("scratch"))));
    struct stat before;
    ASSERT_EQ(::lstat(QFile::encodeName(path).constData(), &before), 0);

    ORPrefConfig::registerDefaults(ORPrefConfig::archiveDefaults());
    EXPECT_EQ(ORPrefConfig::integerForKey(QStringLiteral("filenameEncoding")), 4);
    EXPECT_FALSE(ORPrefConfig::autoMemoryEnable());
    ORPrefConfig::setMissingObjects(ORPrefConfig::startupValues());
    EXPECT_TRUE(ORPrefConfig::trashEnable());
    ORPrefConfig::setAutoMemoryEnable(true);
    EXPECT_TRUE(ORPrefConfig::autoMemoryEnable());
    ORPrefConfig::removeObject(QStringLiteral("automemory"));
    EXPECT_FALSE(ORPrefConfig::autoMemoryEnable());

    struct stat after;
    ASSERT_EQ(::lstat(QFile::encodeName(path).constData(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mode, before.st_mode);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot).size(),
              GetParam().name == std::string("link_to_fifo") ? 2 : 1);

    // Another file of the user's: the session's values were this one's only.
    ORPrefConfig::setStorePath(dir.filePath(QStringLiteral("other.conf")));
    EXPECT_FALSE(ORPrefConfig::trashEnable());
}

INSTANTIATE_TEST_SUITE_P(
    Planted, UnusableStore,
    ::testing::Values(
        NotAFile{"fifo", [](const QString &path, const QString &) {
                     return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
                 }},
        NotAFile{"link_to_fifo", [](const QString &path, const QString &scratch) {
                     return ::mkfifo(QFile::encodeName(scratch).constData(), 0600) == 0
                            && QFile::link(scratch, path);
                 }},
        NotAFile{"folder", [](const QString &path, const QString &) { return QDir().mkdir(path); }}),
    [](const auto &info) { return std::string(info.param.name); });

}  // namespace
