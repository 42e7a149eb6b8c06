// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/foundation/ORNotificationCenter.h"
#include "core/foundation/ORUtility.h"
#include "core/platform/ORLayout.h"
#include "support/FixtureTree.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QLocale>
#include <QLoggingCategory>
#include <QMimeDatabase>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <limits>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

QString md5(const QByteArray &bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex());
}

qint64 lstatSize(const QString &path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_size : -1;
}

class UtilityTest : public ::testing::Test
{
protected:
    QString path(const QString &rel) const { return m_tree.path(rel); }
    swtest::FixtureTree m_tree;
};

// --- sizes ------------------------------------------------------------------------

struct SizeRow
{
    const char *name;
    const char *path;
    qint64 sizeOfFile;
    qint64 fileSizeByPath;
};

class SizeTable : public UtilityTest, public ::testing::WithParamInterface<SizeRow>
{
protected:
    void SetUp() override
    {
        m_tree.file("file100", 100);
        m_tree.text("empty", {});
        QFile sparse(path("sparse"));
        ASSERT_TRUE(sparse.open(QIODevice::WriteOnly));
        ASSERT_TRUE(sparse.resize(10 * 1024 * 1024));
        sparse.close();
        m_tree.link("link", path("file100"));
        m_tree.link("dangling", path("nowhere"));
        m_tree.folder("folder");
        ASSERT_EQ(::mkfifo(QFile::encodeName(path("fifo")).constData(), 0600), 0);
    }
};

TEST_P(SizeTable, countsLogicalBytesAndTreatsLinksAsTheTableSays)
{
    const SizeRow &row = GetParam();
    const QString p = path(QString::fromLatin1(row.path));
    EXPECT_EQ(ORUtility::sizeOfFile(p), row.sizeOfFile);
    const qint64 expected = row.fileSizeByPath < 0 ? lstatSize(p) : row.fileSizeByPath;
    EXPECT_EQ(ORUtility::fileSizeByPath(p), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, SizeTable,
    ::testing::Values(SizeRow{"regular", "file100", 100, 100}, SizeRow{"empty", "empty", 0, 0},
                      SizeRow{"sparse_counts_logical_size", "sparse", 10 << 20, 10 << 20},
                      SizeRow{"link_not_followed_by_sizeOfFile", "link", 0, 100},
                      SizeRow{"dangling_link", "dangling", 0, 0}, SizeRow{"missing", "missing", 0, 0},
                      SizeRow{"plain_folder_gives_its_entry_size", "folder", 0, -1},
                      SizeRow{"fifo_does_not_block", "fifo", 0, 0}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(UtilityTest, fileSizeOfAPackageIsItsRecursiveSize)
{
    m_tree.file("Tool.app/Contents/Info.plist", 500);
    m_tree.file("Tool.app/Contents/MacOS/tool", 1500);
    EXPECT_EQ(ORUtility::fileSizeByPath(path("Tool.app")), ORUtility::folderSizeAtPath2(path("Tool.app")));
    EXPECT_GT(ORUtility::fileSizeByPath(path("Tool.app")), 2000);
}

// --- tests on paths -----------------------------------------------------------------

TEST_F(UtilityTest, existenceAndTypeTestsFollowLinksOnlyWhereTheySay)
{
    m_tree.file("file", 1);
    m_tree.folder("dir");
    m_tree.link("dirlink", path("dir"));
    m_tree.link("filelink", path("file"));
    m_tree.link("dangling", path("none"));

    EXPECT_TRUE(ORUtility::isDirOfPath(path("dirlink")));
    EXPECT_FALSE(ORUtility::isDirOfPath(path("file")));
    EXPECT_FALSE(ORUtility::isValidWithPath(path("dangling")));
    EXPECT_TRUE(ORUtility::isValidWithPath(path("filelink")));
    EXPECT_TRUE(ORUtility::fileIsRegular(path("file")));
    EXPECT_FALSE(ORUtility::fileIsRegular(path("filelink")));
    EXPECT_TRUE(ORUtility::isSymbolicLink(path("dangling")));
}

TEST_F(UtilityTest, missingPathIsNotDeletableAndLogsIt)
{
    swtest::LogCapture log;
    EXPECT_FALSE(ORUtility::isDeletableFileWithCurrentPermission(path("missing")));
    EXPECT_EQ(ORUtility::sizeOfFile(path("missing")), 0);
    EXPECT_EQ(log.count(path("missing") + QStringLiteral(" is not exist.")), 2);
}

TEST_F(UtilityTest, danglingLinkExistsForDeletion)
{
    m_tree.link("dangling", path("none"));
    EXPECT_TRUE(ORUtility::isDeletableFileWithCurrentPermission(path("dangling")));
}

TEST_F(UtilityTest, readOnlyFolderProtectsItsItemsFromAnOrdinaryUser)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write every folder; see the sticky-bit test";
    m_tree.file("ro/file", 10);
    ASSERT_EQ(::chmod(QFile::encodeName(path("ro")).constData(), 0555), 0);
    swtest::LogCapture log;
    EXPECT_FALSE(ORUtility::isDeletableFileWithCurrentPermission(path("ro/file")));
    EXPECT_EQ(ORUtility::sizeOfFile(path("ro/file")), 0);
    EXPECT_EQ(log.count(path("ro/file") + QStringLiteral(" without delete permission.")), 2);
    ::chmod(QFile::encodeName(path("ro")).constData(), 0755);
}

// Root switches its effective user to a stranger to check the ownership rules.
struct DeleteRow
{
    const char *name;
    const char *path;
    bool deletable;
};

class DeletePermission : public UtilityTest, public ::testing::WithParamInterface<DeleteRow>
{
protected:
    static constexpr uid_t kStranger = 54321;
    void SetUp() override
    {
        if (::geteuid() != 0)
            GTEST_SKIP() << "needs root to change owners";
        ::chmod(QFile::encodeName(m_tree.root()).constData(), 0755);
        makeFolder("sticky", 01777);
        makeFolder("open", 0777);
        makeFolder("closed", 0755);
        makeFolder("stickyOwned", 01755, kStranger);
        for (const char *rel : {"sticky/theirs", "open/theirs", "closed/theirs", "stickyOwned/theirs"})
            m_tree.file(QString::fromLatin1(rel), 1);
        m_tree.file("sticky/mine", 1);
        ASSERT_EQ(::chown(QFile::encodeName(path("sticky/mine")).constData(), kStranger, kStranger), 0);
    }
    void makeFolder(const char *rel, mode_t mode, uid_t owner = 0)
    {
        const QByteArray p = QFile::encodeName(path(QString::fromLatin1(rel)));
        ASSERT_EQ(::mkdir(p.constData(), 0700), 0);
        ASSERT_EQ(::chmod(p.constData(), mode), 0);
        ASSERT_EQ(::chown(p.constData(), owner, owner), 0);
    }
};

TEST_P(DeletePermission, followsTheFolderModeAndTheStickyBit)
{
    const DeleteRow &row = GetParam();
    ASSERT_EQ(::seteuid(kStranger), 0);
    const bool deletable = ORUtility::isDeletableFileWithCurrentPermission(path(QString::fromLatin1(row.path)));
    ASSERT_EQ(::seteuid(0), 0);
    EXPECT_EQ(deletable, row.deletable);
    EXPECT_TRUE(ORUtility::isDeletableFileWithCurrentPermission(path(QString::fromLatin1(row.path))));
}

INSTANTIATE_TEST_SUITE_P(Permissions, DeletePermission,
                         ::testing::Values(DeleteRow{"sticky_other_owner", "sticky/theirs", false},
                                           DeleteRow{"sticky_own_item", "sticky/mine", true},
                                           DeleteRow{"sticky_own_folder", "stickyOwned/theirs", true},
                                           DeleteRow{"writable_folder", "open/theirs", true},
                                           DeleteRow{"read_only_folder", "closed/theirs", false}),
                         [](const auto &info) { return std::string(info.param.name); });

// --- kinds of files ---------------------------------------------------------------

struct NameRow
{
    const char *name;
    const char *path;
    bool expected;
};

class ImageFileTable : public ::testing::TestWithParam<NameRow>
{
};

TEST_P(ImageFileTable, decidesByTheNameAgainstTheReadableImageTypes)
{
    EXPECT_EQ(ORUtility::isImageFile(QString::fromLatin1(GetParam().path)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Names, ImageFileTable,
                         ::testing::Values(NameRow{"png", "/x/a.png", true}, NameRow{"upper_case_jpeg", "/x/A.JPG", true},
                                           NameRow{"bitmap", "/x/a.bmp", true}, NameRow{"text", "/x/a.txt", false},
                                           NameRow{"pdf", "/x/a.pdf", false}, NameRow{"no_extension", "/x/png", false}),
                         [](const auto &info) { return std::string(info.param.name); });

// The engines keep their own list of the image types (they do not load
// QtGui); every type the window's image readers open must be on it, or its
// files would lose their previews and their place among the pictures.
TEST(ImageFileTypes, coverEveryTypeTheImageReadersOpen)
{
    const QMimeDatabase db;
    const QList<QByteArray> readable = QImageReader::supportedMimeTypes();
    ASSERT_FALSE(readable.isEmpty());
    for (const QByteArray &name : readable) {
        const QMimeType type = db.mimeTypeForName(QString::fromLatin1(name));
        if (!type.isValid() || type.preferredSuffix().isEmpty())
            continue;
        EXPECT_TRUE(ORUtility::isImageFile(QStringLiteral("/x/a.") + type.preferredSuffix()))
            << name.constData();
    }
}

// --- formatting ----------------------------------------------------------------------

struct FormatRow
{
    const char *name;
    qint64 bytes;
    const char *text;
};

// The figures in English; each test puts the user's locale back.
class EnglishLocale
{
public:
    EnglishLocale() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    ~EnglishLocale() { QLocale::setDefault(m_saved); }

private:
    QLocale m_saved;
};

class SizeFormatTable : public ::testing::TestWithParam<FormatRow>
{
};

TEST_P(SizeFormatTable, isBase1000WithThreeSignificantDigitsAndUnitsThatAgree)
{
    const EnglishLocale english;
    EXPECT_EQ(ORUtility::sizeFormatWithNumber(GetParam().bytes), QString::fromLatin1(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, SizeFormatTable,
    ::testing::Values(FormatRow{"zero", 0, "0 B"}, FormatRow{"negative", -5, "0 B"},
                      FormatRow{"largest_in_bytes", 999, "999 B"}, FormatRow{"one_kilobyte", 1000, "1 kB"},
                      FormatRow{"one_and_a_half_kib", 1536, "1.54 kB"}, FormatRow{"rounds_half_up", 1005, "1.01 kB"},
                      FormatRow{"two_digits_one_decimal", 12345, "12.3 kB"},
                      FormatRow{"three_digits_no_decimal", 385000000, "385 MB"},
                      FormatRow{"rounds_up_into_the_next_unit", 999999, "1 MB"},
                      FormatRow{"just_below_the_next_unit", 999499, "999 kB"},
                      FormatRow{"one_mib_is_not_one_mb", 1048576, "1.05 MB"},
                      FormatRow{"trailing_zeros_dropped", 6100000000LL, "6.1 GB"},
                      FormatRow{"ten_after_rounding", 9996000, "10 MB"},
                      FormatRow{"terabytes", 2500000000000LL, "2.5 TB"},
                      FormatRow{"largest_count", std::numeric_limits<qint64>::max(), "9.22 EB"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(SizeFormat, writesTheNumberInTheUsersLocale)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(ORUtility::sizeFormatWithNumber(6100000000LL), QStringLiteral("6,1 GB"));
    QLocale::setDefault(saved);
}

TEST(SizeFileFormat, splitsNumberAndUnitIntoTwoFields)
{
    const EnglishLocale english;
    struct Field
    {
        QString text;
        void setText(const QString &t) { text = t; }
    } number, unit;
    ORUtility::sizeFileFormat(&number, &unit, ORUtility::sizeFormatWithNumber(1536));
    EXPECT_EQ(number.text, QStringLiteral("1.54"));
    EXPECT_EQ(unit.text, QStringLiteral("kB"));
}

TEST(FriendlyDate, isTodayFromLocalMidnightOnAndTheLocalesDateBefore)
{
    const EnglishLocale english;
    const QDateTime midnight = QDate::currentDate().startOfDay();
    EXPECT_EQ(ORUtility::friendlyDate(QDateTime::currentSecsSinceEpoch()), QStringLiteral("today"));
    EXPECT_EQ(ORUtility::friendlyDate(midnight.toSecsSinceEpoch()), QStringLiteral("today"));
    EXPECT_EQ(ORUtility::friendlyDate(midnight.toSecsSinceEpoch() - 1),
              QLocale().toString(QDate::currentDate().addDays(-1), QLocale::ShortFormat));
}

// The calendar year, not the year of the week the day falls in.
TEST(StringShortFromDate, isTheLocalesShortDateOfTheCalendarDay)
{
    const EnglishLocale english;
    const auto at = [](int y, int m, int d) { return QDateTime(QDate(y, m, d), QTime(12, 0)); };
    EXPECT_EQ(ORUtility::stringShortFromDate(at(2024, 12, 30)), QStringLiteral("12/30/24"));
    EXPECT_EQ(ORUtility::stringShortFromDate(at(2021, 1, 1)), QStringLiteral("1/1/21"));
    EXPECT_TRUE(ORUtility::stringShortFromDate(QDateTime()).isEmpty());
}

TEST(ShortenFilePath, replacesHomeThenTheFolderNamesInOrder)
{
    const QByteArray saved = qgetenv("HOME");
    qputenv("HOME", "/home/tester");
    const auto shorten = [](const char *path) { return ORUtility::shortenFilePath(QString::fromUtf8(path)); };
    EXPECT_EQ(shorten("/home/tester/Library/Caches/com.x"), QStringLiteral("~/././com.x"));
    EXPECT_EQ(shorten("/Library/Application Support/x"), QStringLiteral("/././x"));
    EXPECT_EQ(shorten("/Applications/Utilities/X.app/Contents/Resources/y"), QStringLiteral("/././X.app/../y"));
    EXPECT_EQ(shorten("/Library/Saved Application State/z"), QStringLiteral("/././z"));
    EXPECT_EQ(shorten("/var/tmp/plain"), QStringLiteral("/var/tmp/plain"));
    qputenv("HOME", saved);
}

// --- digests ------------------------------------------------------------------------------

TEST_F(UtilityTest, lazyMD5OfSmallFileIsItsPlainMD5AndEmptyHasNone)
{
    QByteArray bytes;
    for (int i = 0; i < 100; ++i)
        bytes.append(char(i * 7));
    m_tree.text("small", bytes);
    m_tree.text("empty", {});
    m_tree.folder("folder");
    EXPECT_EQ(ORUtility::lazyMD5File(path("small")), md5(bytes));
    EXPECT_TRUE(ORUtility::lazyMD5File(path("empty")).isNull());
    EXPECT_TRUE(ORUtility::lazyMD5File(path("missing")).isNull());
    EXPECT_TRUE(ORUtility::lazyMD5File(path("folder")).isNull());
}

TEST_F(UtilityTest, lazyMD5SamplesTwoBlocksOfAMediumFile)
{
    QByteArray bytes(5000, 'a');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char(i % 251);
    m_tree.text("medium", bytes);
    EXPECT_EQ(ORUtility::lazyMD5File(path("medium")), md5(bytes.left(4096) + bytes.mid(2500, 4096)));
}

TEST_F(UtilityTest, lazyMD5SeesOnlyTheThreeSamplesOfALargeFile)
{
    const qint64 size = 1 << 20;
    QByteArray base(size, 'z');
    QByteArray atMiddle = base, atSample = base;
    atMiddle[200000] = 'y';
    atSample[size / 3 + 10] = 'y';
    m_tree.text("a", base);
    m_tree.text("b", atMiddle);
    m_tree.text("c", atSample);
    const QString digest = ORUtility::lazyMD5File(path("a"));
    EXPECT_EQ(digest.size(), 32);
    EXPECT_EQ(ORUtility::lazyMD5File(path("b")), digest);
    EXPECT_NE(ORUtility::lazyMD5File(path("c")), digest);
}

TEST(HashData, givesLowerCaseHexForTheFourKindsOnly)
{
    const QByteArray abc("abc");
    EXPECT_EQ(ORUtility::hashData(abc, 0), QStringLiteral("900150983cd24fb0d6963f7d28e17f72"));
    EXPECT_EQ(ORUtility::hashData(abc, 1), QStringLiteral("a9993e364706816aba3e25717850c26c9cd0d89d"));
    EXPECT_EQ(ORUtility::hashData(abc, 2),
              QStringLiteral("ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"));
    EXPECT_EQ(ORUtility::hashData(abc, 3).size(), 128);
    EXPECT_TRUE(ORUtility::hashData(abc, 4).isNull());
    EXPECT_TRUE(ORUtility::hashData(abc, -1).isNull());
    EXPECT_EQ(ORUtility::hashString(QStringLiteral("\u00e9"), 0), md5(QByteArray("\xc3\xa9")));
}

// --- patterns ----------------------------------------------------------------------------------

struct PatternRow
{
    const char *name;
    const char *pattern;
    const char *content;
    bool matches;
};

class PatternTable : public ::testing::TestWithParam<PatternRow>
{
};

TEST_P(PatternTable, treatsDotsLiterallyAndIgnoresCase)
{
    const PatternRow &row = GetParam();
    EXPECT_EQ(ORUtility::contains(QString::fromLatin1(row.pattern), QString::fromLatin1(row.content)), row.matches);
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, PatternTable,
    ::testing::Values(PatternRow{"docset", "[^/]*.docset$", "/Users/u/Docs/Guide.docset", true},
                      PatternRow{"dot_is_literal", "[^/]*.docset$", "/Users/u/Docs/Guidexdocset", false},
                      PatternRow{"case_ignored", "[^/]*.docset$", "/Users/u/Docs/GUIDE.DOCSET", true},
                      PatternRow{"anchor_kept", "[^/]*.docset$", "/Users/u/Guide.docset/inner", false},
                      PatternRow{"anchor_before_final_break", "[^/]*.docset$", "/u/Guide.docset\n", true},
                      PatternRow{"hidden_component", "/.[^/]*", "/home/u/.cache/x", true},
                      PatternRow{"no_hidden_component", "/.[^/]*", "/home/u/a.b/c", false},
                      PatternRow{"anywhere", "node_modules", "/src/node_modules/x", true},
                      PatternRow{"regex_kept", "/(tmp|var)/[a-z]+$", "/x/var/log", true},
                      PatternRow{"invalid_pattern", "[", "/x[", false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(IsExcludedFolder, logsTheFirstMatch)
{
    swtest::LogCapture log;
    EXPECT_TRUE(ORUtility::isExcludedFolder({QStringLiteral("nomatch"), QStringLiteral(".git$")},
                                            QStringLiteral("/src/.git")));
    EXPECT_FALSE(ORUtility::isExcludedFolder({QStringLiteral("nomatch")}, QStringLiteral("/src")));
    EXPECT_EQ(log.lines().filter(QStringLiteral("Exclude:")), QStringList{QStringLiteral("Exclude: /src/.git")});
}

// --- destinations and drawing ---------------------------------------------------------------------

TEST_F(UtilityTest, desDirectoryFindsTheFirstFreeNumberedName)
{
    EXPECT_EQ(ORUtility::desDirectory(path("a.pdf")), path("a.pdf"));
    m_tree.file("a.pdf", 1);
    EXPECT_EQ(ORUtility::desDirectory(path("a.pdf")), path("a(0).pdf"));
    m_tree.file("a(0).pdf", 1);
    EXPECT_EQ(ORUtility::desDirectory(path("a.pdf")), path("a(1).pdf"));
    EXPECT_EQ(ORUtility::desDirectory(path("a(0).pdf")), path("a(0)(1).pdf"));
    m_tree.file(".profile", 1);
    EXPECT_EQ(ORUtility::desDirectory(path(".profile")), path(".profile(0)"));
    m_tree.link("dangling", path("none"));
    EXPECT_EQ(ORUtility::desDirectory(path("dangling")), path("dangling(0)"));
}

TEST_F(UtilityTest, desDirectoryStaysInTheFolderOfItsSource)
{
    m_tree.file("out(0)/a.pdf", 1);
    EXPECT_EQ(ORUtility::desDirectory(path("out(0)/a.pdf")), path("out(0)/a(0).pdf"));
}

// --- standard folders and notifications -------------------------------------------------------------

TEST(RealHomeDirectory, ignoresTheHomeVariable)
{
    const QByteArray saved = qgetenv("HOME");
    qputenv("HOME", "/nonexistent/elsewhere");
    const QString home = ORUtility::realHomeDirectory();
    qputenv("HOME", saved);
    EXPECT_FALSE(home.isEmpty());
    EXPECT_NE(home, QStringLiteral("/nonexistent/elsewhere"));
}

TEST_F(UtilityTest, appNameArrayNamesTheVendorsApplications)
{
    const auto info = [](const char *id, const char *name) {
        QByteArray xml = "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>CFBundleIdentifier</key><string>";
        xml += id;
        xml += "</string>";
        if (name)
            xml += QByteArray("<key>CFBundleName</key><string>") + name + "</string>";
        return xml + "</dict></plist>";
    };
    m_tree.text("Applications/Safe.app/Contents/Info.plist", info("com.apple.Safe", "Safe"));
    m_tree.text("Applications/Other.app/Contents/Info.plist", info("org.other.app", "Other"));
    m_tree.text("Applications/Nameless.app/Contents/Info.plist", info("com.apple.nameless", nullptr));
    m_tree.text("Applications/Tool.txt", info("com.apple.tool", "Tool"));
    m_tree.text("Applications/Broken.app/Contents/Info.plist", "garbage");

    ORLayout::set(ORLayout::Kind::MacOS, m_tree.root(), path("home"));
    const QStringList mac = ORUtility::appNameArray();
    ORLayout::set(ORLayout::Kind::Freedesktop, m_tree.root(), path("home"));
    const QStringList freedesktop = ORUtility::appNameArray();
    ORLayout::reset();
    EXPECT_EQ(mac, QStringList{QStringLiteral("Safe")});
    EXPECT_TRUE(freedesktop.isEmpty());
}

TEST(NotifyOnMainThread, deliversInOrderOnTheMainThreadWithAPlaceholderForNoObject)
{
    QCoreApplication *app = swtest::ensureCoreApplication();
    QObject observer;
    QList<QVariant> received;
    QList<QThread *> threads;
    for (const char *name : {"first", "second"}) {
        ORNotificationCenter::defaultCenter().addObserver(&observer, QString::fromLatin1(name), [&](const QVariant &o) {
            received.append(o);
            threads.append(QThread::currentThread());
        });
    }
    QThread *worker = QThread::create([] {
        ORUtility::notifyOnMainThread(QStringLiteral("first"));
        ORUtility::notifyOnMainThread(QStringLiteral("second"), QStringLiteral("payload"));
    });
    worker->start();
    worker->wait();
    delete worker;
    for (int i = 0; i < 100 && received.size() < 2; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    ASSERT_EQ(received.size(), 2);
    EXPECT_TRUE(received[0].isValid());
    EXPECT_TRUE(ORNotificationCenter::isNull(received[0]));
    EXPECT_EQ(received[1].toString(), QStringLiteral("payload"));
    EXPECT_EQ(threads, (QList<QThread *>{app->thread(), app->thread()}));
}

}  // namespace
