// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArchiveBuilder.h"
#include "core/foundation/JobControl.h"
#include "core/winmail/names/EncodingChoice.h"
#include "core/winmail/sevenzip/StallGuard.h"
#include "core/winmail/unarchiver/TemporaryFolder.h"
#include "core/winmail/unarchiver/XADSimpleUnarchiver.h"
#include "support/FixtureTree.h"
#include "support/LoopingArchives.h"
#include "support/TreeSnapshot.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QStringEncoder>

#include <gtest/gtest.h>

#include <chrono>
#include <iostream>
#include <thread>

#include <sys/stat.h>
#include <sys/statvfs.h>

#include <cstring>

using swtest::ArchiveBuilder;
using swtest::FixtureTree;
using swtest::TreeSnapshot;

namespace {

// Answers the password requests with its passwords in turn (and refuses
// once none is left), and chooses the names' encoding as the default
// settings do.
class Delegate : public XADSimpleUnarchiverDelegate
{
public:
    QStringList passwords;
    QStringList problems;  // what the unarchiver said at each request
    int encodingRequests = 0;

    bool simpleUnarchiverNeedsPassword(XADSimpleUnarchiver &unarchiver) override
    {
        problems << unarchiver.errorDescription();
        if (passwords.isEmpty())
            return false;
        unarchiver.setPassword(passwords.takeFirst());
        return true;
    }
    QString simpleUnarchiver(XADSimpleUnarchiver &, const XADString &names) override
    {
        ++encodingRequests;
        return sw::EncodingChoice::choose(names, qint64(4), qint64(80));  // UTF-8, threshold 80
    }
};

struct Extraction
{
    std::unique_ptr<XADSimpleUnarchiver> unarchiver;
    int error = -1;  // the first error of parse() and unarchive()
};

int openDescriptors()
{
    return int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System).size());
}

// Extracts as the archive page does: straight into destination. Every
// descriptor opened on the way is closed again, whatever the archive did.
Extraction extract(const QString &archive, const QString &destination, Delegate *delegate = nullptr)
{
    const int descriptors = openDescriptors();
    Extraction run;
    run.unarchiver = XADSimpleUnarchiver::simpleUnarchiverForPath(archive);
    if (!run.unarchiver)
        return run;
    run.unarchiver->setDelegate(delegate);
    run.unarchiver->setAlwaysRenamesFiles(true);
    run.unarchiver->setPropagatesRelevantMetadata(true);
    run.unarchiver->setRemovesEnclosingDirectoryForSoloItems(true);
    run.error = run.unarchiver->parse();
    if (run.error == XADSimpleUnarchiver::XADNoError) {
        QDir().mkpath(destination);
        run.unarchiver->setDestination(destination);
        run.error = run.unarchiver->unarchive();
    }
    EXPECT_EQ(openDescriptors(), descriptors);
    return run;
}

// Paths that appeared, vanished or changed outside inside (a folder below root).
QStringList changesOutside(const TreeSnapshot &before, const TreeSnapshot &after, const QString &inside)
{
    QStringList out = before.vanished(after) + before.changed(after) + after.vanished(before);
    out.removeIf([&](const QString &path) { return TreeSnapshot::isUnder(path, {inside}); });
    return out;
}

QStringList skippedNames(const XADSimpleUnarchiver &unarchiver)
{
    QStringList out;
    for (const XADSkippedItem &item : unarchiver.skippedItems())
        out.append(item.path);
    out.sort();
    return out;
}

// Every item reported as extracted is on disk with the size reported, and
// nothing else is there (no part of a file, no hidden leftover).
void expectReportedIsOnDisk(const XADSimpleUnarchiver &unarchiver, const QString &destination)
{
    QStringList reported;
    for (const XADExtractedItem &item : unarchiver.extractedItems()) {
        reported.append(destination + QLatin1Char('/') + item.path);
        QFileInfo info(reported.last());
        EXPECT_TRUE(info.exists() || info.isSymLink()) << item.path.toStdString();
        if (item.type == XADEntry::Type::File) {
            EXPECT_EQ(info.size(), item.size) << item.path.toStdString();
        }
    }
    QStringList onDisk;
    for (const QByteArray &path : TreeSnapshot::of(destination).entries().keys())
        if (QFile::decodeName(path) != destination)
            onDisk.append(QFile::decodeName(path));
    onDisk.sort();
    reported.sort();
    EXPECT_EQ(onDisk, reported);
}

bool runIn(const QString &folder, const QString &shell)
{
    return ArchiveBuilder::runTool(QStringLiteral("sh"), {QStringLiteral("-c"), shell}, folder);
}

// Runs the current test again inside a user and mount namespace with a
// small tmpfs (mounted with options) at the path SW_TEST_SMALL_TMPFS names,
// where filling the disk harms nothing. True in that second run; false in
// the first, once the second has been run and judged (or skipped).
bool inSmallTmpfs(const char *options)
{
    if (qEnvironmentVariableIsSet("SW_TEST_SMALL_TMPFS"))
        return true;
    FixtureTree tree;
    const QString mountPoint = tree.folder(QStringLiteral("small"));
    const QString script = QStringLiteral("mount -t tmpfs -o %1 none \"$0\" || exit 77; "
                                          "SW_TEST_SMALL_TMPFS=\"$0\" exec \"$1\" --gtest_filter=\"$2\"")
                               .arg(QLatin1String(options));
    const ::testing::TestInfo *test = ::testing::UnitTest::GetInstance()->current_test_info();
    QProcess child;
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QStringLiteral("unshare"),
                {"-Urm", "sh", "-c", script, mountPoint, QFile::symLinkTarget(QStringLiteral("/proc/self/exe")),
                 QLatin1String(test->test_suite_name()) + QLatin1Char('.') + QLatin1String(test->name())});
    EXPECT_TRUE(child.waitForFinished(120000));
    const QByteArray output = child.readAll();
    if (child.exitCode() == 77 || output.contains("unshare failed") || output.contains("unshare:")) {
        std::cout << "no user namespace with a tmpfs mount here: " << output.toStdString() << std::endl;
        return false;
    }
    EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
    return false;
}

}  // namespace

TEST(XADSimpleUnarchiver, NamesThatClimbOrAreAbsoluteStayInsideTheDestination)
{
    for (const QString &format : {QStringLiteral("zip"), QStringLiteral("tar")}) {
        SCOPED_TRACE(format.toStdString());
        FixtureTree tree;
        const QString archive = tree.path(QStringLiteral("names.") + format);
        ASSERT_TRUE(ArchiveBuilder(format)
                        .file("../x", "climb")
                        .file("../../x", "climb")
                        .file("a/../../x", "climb")
                        .file("/abs", "abs")
                        .file("..\\x", "backslash")
                        .file("C:/x", "drive")
                        .write(archive));
        const QString destination = tree.folder(QStringLiteral("deep/dest"));
        const TreeSnapshot before = TreeSnapshot::of(tree.root());

        const Extraction run = extract(archive, destination);

        ASSERT_TRUE(run.unarchiver);
        EXPECT_EQ(run.error, XADSimpleUnarchiver::XADNoError);
        EXPECT_EQ(changesOutside(before, TreeSnapshot::of(tree.root()), destination), QStringList());
        EXPECT_EQ(FixtureTree::bytesAt(destination + "/abs"), "abs");
        EXPECT_EQ(FixtureTree::bytesAt(destination + "/x"), "drive");
        if (format == QLatin1String("zip")) {
            // Zip readers take a backslash for the separator Windows tools
            // write, so "..\x" climbs there too.
            EXPECT_EQ(skippedNames(*run.unarchiver), QStringList({"../../x", "../x", "../x", "a/../../x"}));
        } else {
            EXPECT_EQ(skippedNames(*run.unarchiver), QStringList({"../../x", "../x", "a/../../x"}));
            EXPECT_EQ(FixtureTree::bytesAt(destination + "/.._x"), "backslash");
        }
    }
}

TEST(XADSimpleUnarchiver, NoLinkLeadsOutAndNothingIsWrittenThroughOne)
{
    for (const QString &format : {QStringLiteral("zip"), QStringLiteral("tar")}) {
        SCOPED_TRACE(format.toStdString());
        FixtureTree tree;
        const QString outside = tree.folder(QStringLiteral("outside"));
        tree.text(QStringLiteral("outside/kept"), "mine");
        const QString archive = tree.path(QStringLiteral("links.") + format);
        ASSERT_TRUE(ArchiveBuilder(format)
                        .symlink("up", "../outside")
                        .file("up/evil", "through the link")
                        .symlink("abs", outside.toUtf8())
                        .file("abs/kept", "overwritten?")
                        .folder("d/z")
                        .symlink("d/l2", "../d/z")     // inside: climbs, then descends
                        .symlink("l1", "d/l2/../..")  // lexically inside, but l2 is a link
                        .file("d/z/f", "inside")
                        .symlink("ok", "d/z/f")
                        .write(archive));
        const QString destination = tree.folder(QStringLiteral("dest"));
        const TreeSnapshot before = TreeSnapshot::of(tree.root());

        const Extraction run = extract(archive, destination);

        ASSERT_TRUE(run.unarchiver);
        EXPECT_EQ(run.error, XADSimpleUnarchiver::XADNoError);
        EXPECT_EQ(changesOutside(before, TreeSnapshot::of(tree.root()), destination), QStringList());
        EXPECT_EQ(skippedNames(*run.unarchiver), QStringList({"abs", "l1", "up"}));
        EXPECT_EQ(FixtureTree::bytesAt(destination + "/ok"), "inside");
        EXPECT_EQ(QFileInfo(destination + "/d/l2").symLinkTarget(), destination + "/d/z");
        // The files named through the refused links went to real folders inside.
        EXPECT_EQ(FixtureTree::bytesAt(destination + "/up/evil"), "through the link");
        EXPECT_FALSE(QFileInfo(destination + "/up").isSymLink());
    }
}

TEST(XADSimpleUnarchiver, HardLinksSpecialFilesAndModesAreKeptSafe)
{
    FixtureTree tree;
    tree.text(QStringLiteral("outside"), "secret");
    const QString archive = tree.path(QStringLiteral("special.tar"));
    ASSERT_TRUE(ArchiveBuilder(QStringLiteral("tar"))
                    .file("f", "data", 06777)
                    .hardlink("same", "f")
                    .hardlink("out", "../outside")
                    .hardlink("abs", QFile::encodeName(tree.path(QStringLiteral("outside"))))
                    .special("fifo", AE_IFIFO)
                    .special("dev", AE_IFCHR)
                    .write(archive));
    const QString destination = tree.folder(QStringLiteral("dest"));
    const TreeSnapshot before = TreeSnapshot::of(tree.root());

    const Extraction run = extract(archive, destination);

    ASSERT_TRUE(run.unarchiver);
    EXPECT_EQ(run.error, XADSimpleUnarchiver::XADNoError);
    EXPECT_EQ(changesOutside(before, TreeSnapshot::of(tree.root()), destination), QStringList());
    EXPECT_EQ(skippedNames(*run.unarchiver), QStringList({"abs", "dev", "fifo", "out"}));
    struct stat f, same;
    ASSERT_EQ(::lstat(QFile::encodeName(destination + "/f").constData(), &f), 0);
    ASSERT_EQ(::lstat(QFile::encodeName(destination + "/same").constData(), &same), 0);
    EXPECT_EQ(f.st_ino, same.st_ino);
    EXPECT_EQ(f.st_mode & 07777, mode_t(0775));  // no setuid, setgid, sticky or others' write
}

// The archive page's flow: extract into a fresh private folder, then lift a
// single top-level folder out beside it.
TEST(XADSimpleUnarchiver, AFolderNamedAfterTheArchiveHoldsTheEntriesUnderAFreeName)
{
    FixtureTree tree;
    tree.text(QStringLiteral("src/top/a.txt"), "a");
    tree.text(QStringLiteral("src/top/sub/b.txt"), "b");
    tree.text(QStringLiteral("src/c.txt"), "c");
    ASSERT_TRUE(ArchiveBuilder::runTool(QStringLiteral("7zz"), {"a", "-bd", "../several.7z", "top", "c.txt"},
                                        tree.path(QStringLiteral("src"))));
    ASSERT_TRUE(ArchiveBuilder(QStringLiteral("tar.gz"))
                    .folder("top")
                    .file("top/a.txt", "a")
                    .file("top/sub/b.txt", "b")
                    .write(tree.path(QStringLiteral("several.tar.gz"))));
    const QString destination = tree.folder(QStringLiteral("dest"));
    tree.text(QStringLiteral("dest/several"), "taken");

    for (const QString &name : {QStringLiteral("several.tar.gz"), QStringLiteral("several.7z")}) {
        SCOPED_TRACE(name.toStdString());
        std::unique_ptr<XADSimpleUnarchiver> unarchiver = XADSimpleUnarchiver::simpleUnarchiverForPath(tree.path(name));
        ASSERT_TRUE(unarchiver);
        unarchiver->setRemovesEnclosingDirectoryForSoloItems(false);
        ASSERT_EQ(unarchiver->parse(), XADSimpleUnarchiver::XADNoError);
        unarchiver->setDestination(destination);
        ASSERT_EQ(unarchiver->unarchive(), XADSimpleUnarchiver::XADNoError);
        const QString made = unarchiver->createdItem();
        EXPECT_EQ(made, destination + QStringLiteral("/several 2"));
        EXPECT_EQ(unarchiver->enclosingDirectoryName(), QStringLiteral("several 2"));
        EXPECT_EQ(FixtureTree::bytesAt(made + "/top/sub/b.txt"), "b");
        EXPECT_EQ(FixtureTree::bytesAt(tree.path(QStringLiteral("dest/several"))), "taken");
        QStringList paths;
        for (const XADExtractedItem &item : unarchiver->extractedItems())
            paths.append(item.path);
        EXPECT_TRUE(paths.contains(QStringLiteral("top/sub/b.txt"))) << paths.join(' ').toStdString();
        QDir(made).removeRecursively();
    }
}

TEST(XADSimpleUnarchiver, EmptyTruncatedAndUnknownFiles)
{
    FixtureTree tree;
    ASSERT_TRUE(ArchiveBuilder(QStringLiteral("zip")).write(tree.path(QStringLiteral("empty.zip"))));
    const Extraction empty = extract(tree.path(QStringLiteral("empty.zip")), tree.path(QStringLiteral("e")));
    ASSERT_TRUE(empty.unarchiver);
    EXPECT_EQ(empty.error, XADSimpleUnarchiver::XADNoError);
    EXPECT_TRUE(empty.unarchiver->extractedItems().isEmpty());

    ASSERT_TRUE(ArchiveBuilder(QStringLiteral("zip"))
                    .file("a", QByteArray(100000, 'a'))
                    .file("b", QByteArray(100000, 'b'))
                    .write(tree.path(QStringLiteral("cut.zip"))));
    QByteArray bytes = FixtureTree::bytesAt(tree.path(QStringLiteral("cut.zip")));
    tree.text(QStringLiteral("cut.zip"), bytes.left(bytes.size() / 2));
    const Extraction cut = extract(tree.path(QStringLiteral("cut.zip")), tree.path(QStringLiteral("c")));
    ASSERT_TRUE(cut.unarchiver);
    EXPECT_EQ(cut.error, XADSimpleUnarchiver::XADDamagedError);
    EXPECT_FALSE(QFileInfo::exists(tree.path(QStringLiteral("c/b"))));

    tree.text(QStringLiteral("notes.txt"), "just some text\nand more text\n");
    tree.text(QStringLiteral("nothing.zip"), "");
    int error = 0;
    EXPECT_EQ(XADSimpleUnarchiver::simpleUnarchiverForPath(tree.path(QStringLiteral("notes.txt")), &error), nullptr);
    EXPECT_EQ(error, XADSimpleUnarchiver::XADNotSupportedError);
    EXPECT_EQ(XADSimpleUnarchiver::simpleUnarchiverForPath(tree.path(QStringLiteral("nothing.zip"))), nullptr);
}

TEST(XADSimpleUnarchiver, AnEntryFailingItsChecksumEndsTheExtractionAndLeavesNoPart)
{
    FixtureTree tree;
    const QByteArray second(5000, 's');
    ASSERT_TRUE(ArchiveBuilder(QStringLiteral("zip"), true)
                    .file("first", "first entry")
                    .file("second", second)
                    .file("third", "third entry")
                    .write(tree.path(QStringLiteral("crc.zip"))));
    QByteArray bytes = FixtureTree::bytesAt(tree.path(QStringLiteral("crc.zip")));
    const qsizetype at = bytes.indexOf(second);
    ASSERT_GT(at, 0);
    bytes[at + 2500] = 'X';
    tree.text(QStringLiteral("crc.zip"), bytes);
    const QString destination = tree.path(QStringLiteral("dest"));

    const Extraction run = extract(tree.path(QStringLiteral("crc.zip")), destination);

    ASSERT_TRUE(run.unarchiver);
    EXPECT_EQ(run.error, XADSimpleUnarchiver::XADDamagedError);
    EXPECT_EQ(FixtureTree::bytesAt(destination + "/first"), "first entry");
    EXPECT_EQ(QDir(destination).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList{"first"});
    ASSERT_EQ(run.unarchiver->extractedItems().size(), 1);
    EXPECT_EQ(run.unarchiver->extractedItems().first().path, QStringLiteral("first"));
}

// The reader runs ahead of the writer, a window of entries at a time and a
// big file's data block by block: in a long archive every entry still comes
// out whole and in its place, also after entries whose data the writer
// passes over because their names are taken.
TEST(XADSimpleUnarchiver, ALongArchiveComesOutWholeAroundTheEntriesSkipped)
{
    FixtureTree tree;
    QRandomGenerator random(7);
    QHash<QString, QByteArray> expected;
    ArchiveBuilder zip(QStringLiteral("zip"));
    ArchiveBuilder tarGz(QStringLiteral("tar.gz"));
    for (int i = 0; i < 3000; ++i) {
        const QByteArray name = "d" + QByteArray::number(i / 100) + "/f" + QByteArray::number(i);
        QByteArray data = QByteArray::number(i).repeated(1 + i % 50);
        if (i % 1000 == 500) {
            data.resize(3 << 20);
            random.fillRange(reinterpret_cast<quint32 *>(data.data()), data.size() / 4);
        }
        zip.file(name, data);
        tarGz.file(name, data);
        expected.insert(QString::fromLatin1(name), data);
    }
    ASSERT_TRUE(zip.write(tree.path(QStringLiteral("long.zip"))));
    ASSERT_TRUE(tarGz.write(tree.path(QStringLiteral("long.tar.gz"))));
    const QStringList taken = {QStringLiteral("d0/f1"), QStringLiteral("d15/f1500"), QStringLiteral("d29/f2999")};
    for (const QString &archive : {QStringLiteral("long.zip"), QStringLiteral("long.tar.gz")}) {
        const QString destination = tree.folder(archive + QStringLiteral(".out"));
        for (const QString &name : taken)
            tree.text(archive + QStringLiteral(".out/") + name, "mine");
        const auto unarchiver = XADSimpleUnarchiver::simpleUnarchiverForPath(tree.path(archive));
        ASSERT_TRUE(unarchiver);
        unarchiver->setAlwaysSkipsFiles(true);
        unarchiver->setExtractsIntoEnclosingDirectory(false);
        ASSERT_EQ(unarchiver->parse(), XADSimpleUnarchiver::XADNoError);
        unarchiver->setDestination(destination);
        ASSERT_EQ(unarchiver->unarchive(), XADSimpleUnarchiver::XADNoError) << archive.toStdString();
        EXPECT_EQ(skippedNames(*unarchiver), taken);
        for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
            const QByteArray want = taken.contains(it.key()) ? QByteArray("mine") : it.value();
            ASSERT_EQ(FixtureTree::bytesAt(destination + QLatin1Char('/') + it.key()), want) << it.key().toStdString();
        }
    }
}

// Each password, wrong or missing, is told to the delegate, which gives
// another or gives up; only the right one writes anything.
TEST(XADSimpleUnarchiver, EncryptedZipNeedsTheRightPassword)
{
    FixtureTree tree;
    tree.text(QStringLiteral("src/secret.txt"), QByteArray(20000, 's'));
    ASSERT_TRUE(ArchiveBuilder::runTool(QStringLiteral("zip"), {"-q", "-P", "right", "../zipcrypto.zip", "secret.txt"},
                                        tree.path(QStringLiteral("src"))));
    ASSERT_TRUE(ArchiveBuilder::runTool(QStringLiteral("7zz"),
                                        {"a", "-bd", "-tzip", "-pright", "-mem=AES256", "../aes.zip", "secret.txt"},
                                        tree.path(QStringLiteral("src"))));
    struct Case
    {
        QStringList passwords;
        int error;
        QStringList problems;
    };
    const Case cases[] = {
        {{"right"}, XADSimpleUnarchiver::XADNoError, {""}},
        {{"wrong", "", "right"}, XADSimpleUnarchiver::XADNoError, {"", "Wrong password", "Wrong password"}},
        {{"wrong"}, XADSimpleUnarchiver::XADBreakError, {"", "Wrong password"}},
        {{}, XADSimpleUnarchiver::XADBreakError, {""}},
    };
    for (const QString &archive : {QStringLiteral("zipcrypto.zip"), QStringLiteral("aes.zip")}) {
        for (const Case &c : cases) {
            SCOPED_TRACE((archive + QLatin1Char(' ') + c.passwords.join(QLatin1Char(','))).toStdString());
            Delegate delegate;
            delegate.passwords = c.passwords;
            const QString destination = tree.path(QStringLiteral("dest"));
            const Extraction run = extract(tree.path(archive), destination, &delegate);
            ASSERT_TRUE(run.unarchiver);
            EXPECT_EQ(run.error, c.error);
            EXPECT_EQ(delegate.problems, c.problems);
            if (c.error == XADSimpleUnarchiver::XADNoError)
                EXPECT_EQ(FixtureTree::bytesAt(destination + "/secret.txt"), QByteArray(20000, 's'));
            else
                EXPECT_FALSE(QFileInfo::exists(destination + "/secret.txt"));  // no part left behind
            QDir(destination).removeRecursively();
        }
    }
}

TEST(XADSimpleUnarchiver, StopsBeforeTheDiskIsFullAndKeepsWhatWasWritten)
{
    if (!inSmallTmpfs("size=32m"))
        return;
    const QString small = qEnvironmentVariable("SW_TEST_SMALL_TMPFS");
    FixtureTree tree;
    ASSERT_TRUE(ArchiveBuilder(QStringLiteral("zip"))
                    .file("first", "small")
                    .file("bomb", QByteArray(80 << 20, '\0'))
                    .write(tree.path(QStringLiteral("bomb.zip"))));
    ASSERT_TRUE(ArchiveBuilder(QStringLiteral("gz")).file("data", QByteArray(80 << 20, 'a')).write(tree.path(QStringLiteral("stream.gz"))));

    const Extraction zip = extract(tree.path(QStringLiteral("bomb.zip")), small + "/zip");
    ASSERT_TRUE(zip.unarchiver);
    EXPECT_EQ(zip.error, XADSimpleUnarchiver::XADNoSpaceError);
    EXPECT_EQ(zip.unarchiver->errorDescription(), QStringLiteral("Not enough free space"));
    EXPECT_EQ(FixtureTree::bytesAt(small + "/zip/first"), "small");
    EXPECT_FALSE(QFileInfo::exists(small + "/zip/bomb"));
    ASSERT_EQ(zip.unarchiver->extractedItems().size(), 1);

    // A stream does not say how big it is: writing stops on the way.
    const Extraction stream = extract(tree.path(QStringLiteral("stream.gz")), small + "/gz");
    ASSERT_TRUE(stream.unarchiver);
    EXPECT_EQ(stream.error, XADSimpleUnarchiver::XADNoSpaceError);
    EXPECT_EQ(QDir(small + "/gz").entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
}

// Names a Japanese system stores in Shift JIS, without the zip's UTF-8 flag,
// come out right under the default settings; UTF-8 names stay as they are,
// flagged or not.
TEST(XADSimpleUnarchiver, NamesAreDecodedInTheEncodingFoundForAllOfThem)
{
    FixtureTree tree;
    const QStringList names = {
        QStringLiteral("会議資料/２０２３年度_予算案.xlsx"),
        QStringLiteral("会議資料/議事録（第三回）.docx"),
        QStringLiteral("見積書_株式会社山田商事.pdf"),
        QStringLiteral("写真/京都旅行の思い出.jpg"),
        QStringLiteral("新しいフォルダー/報告書の下書き.txt"),
        QStringLiteral("請求書_令和五年十月分.pdf"),
    };
    QStringEncoder shiftJis("Shift_JIS");
    ASSERT_TRUE(shiftJis.isValid());
    ArchiveBuilder sjis(QStringLiteral("zip"));
    ArchiveBuilder utf8(QStringLiteral("zip"));
    for (const QString &name : names) {
        sjis.file(shiftJis(name), name.toUtf8());
        utf8.file(name.toUtf8(), name.toUtf8());
        tree.text(QStringLiteral("src/") + name, name.toUtf8());
    }
    ASSERT_TRUE(sjis.write(tree.path(QStringLiteral("sjis.zip"))));
    ASSERT_TRUE(utf8.write(tree.path(QStringLiteral("utf8.zip"))));
    ASSERT_TRUE(ArchiveBuilder::runTool(QStringLiteral("7zz"),
                                        {"a", "-bd", "-tzip", "-mcu=on", "../flagged.zip", "."},
                                        tree.path(QStringLiteral("src"))));
    // General purpose bit 11 of the first entry: the names are flagged UTF-8.
    const auto flagged = [&](const QString &zip) { return (FixtureTree::bytesAt(tree.path(zip)).at(7) & 0x08) != 0; };
    ASSERT_FALSE(flagged(QStringLiteral("sjis.zip")));
    ASSERT_FALSE(flagged(QStringLiteral("utf8.zip")));
    ASSERT_TRUE(flagged(QStringLiteral("flagged.zip")));

    for (const QString &zip :
         {QStringLiteral("sjis.zip"), QStringLiteral("utf8.zip"), QStringLiteral("flagged.zip")}) {
        SCOPED_TRACE(zip.toStdString());
        Delegate delegate;
        const QString destination = tree.path(QStringLiteral("dest-") + zip);
        const Extraction run = extract(tree.path(zip), destination, &delegate);
        ASSERT_TRUE(run.unarchiver);
        EXPECT_EQ(run.error, XADSimpleUnarchiver::XADNoError);
        for (const QString &name : names)
            EXPECT_EQ(FixtureTree::bytesAt(destination + QLatin1Char('/') + name), name.toUtf8()) << name.toStdString();
        const bool japanese = zip == QLatin1String("sjis.zip");
        EXPECT_EQ(delegate.encodingRequests, japanese ? 1 : 0);
        EXPECT_EQ(run.unarchiver->encodingName(),
                  japanese ? QStringLiteral("Shift_JIS") : QStringLiteral("UTF-8"));
        if (!japanese) {
            EXPECT_EQ(run.unarchiver->encodingConfidence(), 100);
        }
    }
}

// A 7z whose listing is encrypted, and one whose entries are: libarchive
// reads neither, so 7zz does, once it has the password.
TEST(XADSimpleUnarchiver, EncryptedSevenZipNeedsTheRightPassword)
{
    FixtureTree tree;
    tree.text(QStringLiteral("src/top/secret.txt"), "the plans");
    ASSERT_TRUE(ArchiveBuilder::runTool(QStringLiteral("7zz"),
                                        {"a", "-bd", "-pright", "-mhe=on", "../headers.7z", "top"},
                                        tree.path(QStringLiteral("src"))));
    ASSERT_TRUE(ArchiveBuilder::runTool(QStringLiteral("7zz"),
                                        {"a", "-bd", "-pright", "../entries.7z", "top"},
                                        tree.path(QStringLiteral("src"))));
    struct Case
    {
        QStringList passwords;
        int error;
        QStringList problems;
    };
    const Case cases[] = {
        {{}, XADSimpleUnarchiver::XADBreakError, {""}},
        {{"wrong"}, XADSimpleUnarchiver::XADBreakError, {"", "Wrong password"}},
        {{"wrong", "", "right"}, XADSimpleUnarchiver::XADNoError, {"", "Wrong password", "Wrong password"}},
    };
    for (const QString &archive : {QStringLiteral("headers.7z"), QStringLiteral("entries.7z")}) {
        for (const Case &c : cases) {
            SCOPED_TRACE((archive + QLatin1Char(' ') + c.passwords.join(QLatin1Char(','))).toStdString());
            Delegate delegate;
            delegate.passwords = c.passwords;
            const QString destination = tree.path(QStringLiteral("dest"));
            const Extraction run = extract(tree.path(archive), destination, &delegate);
            ASSERT_TRUE(run.unarchiver);
            EXPECT_EQ(run.error, c.error);
            EXPECT_EQ(delegate.problems, c.problems);
            if (c.error == XADSimpleUnarchiver::XADNoError) {
                EXPECT_EQ(FixtureTree::bytesAt(destination + "/top/secret.txt"), "the plans");
                EXPECT_EQ(run.unarchiver->enclosingDirectoryName(), QStringLiteral("top"));
                QStringList paths;
                for (const XADExtractedItem &item : run.unarchiver->extractedItems())
                    paths.append(item.path);
                paths.sort();
                EXPECT_EQ(paths, QStringList({"top", "top/secret.txt"}));
            }
            if (c.error != XADSimpleUnarchiver::XADNoError && QFileInfo::exists(destination)) {
                // Nothing of a failed run is left: no file, no staging folder.
                EXPECT_EQ(QDir(destination).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                          QStringList());
            }
            QDir(destination).removeRecursively();
        }
    }
}

// GNU cpio's newc and crc formats send a file's bytes with its last link;
// the links before it came out as empty files, reported as extracted.
TEST(XADSimpleUnarchiver, CpioLinksWhoseBytesComeWithTheLastLinkAllGetThem)
{
    for (const char *format : {"newc", "crc"}) {
        SCOPED_TRACE(format);
        FixtureTree tree;
        const QByteArray data = QByteArray(70000, 'd') + "end";
        tree.text(QStringLiteral("src/one"), data);
        tree.text(QStringLiteral("src/alone"), "alone");
        ASSERT_TRUE(runIn(tree.path(QStringLiteral("src")), QStringLiteral("mkdir d && ln one two && ln one d/three")));
        const QString archive = tree.path(QStringLiteral("links.cpio"));
        ASSERT_TRUE(runIn(tree.path(QStringLiteral("src")),
                          QStringLiteral("printf 'one\\ntwo\\nd\\nd/three\\nalone\\n' | cpio -o --quiet -H %1 > %2")
                              .arg(QLatin1String(format), archive)));
        const QString destination = tree.path(QStringLiteral("dest"));

        const Extraction run = extract(archive, destination);

        ASSERT_TRUE(run.unarchiver);
        EXPECT_EQ(run.error, XADSimpleUnarchiver::XADNoError);
        for (const char *name : {"one", "two", "d/three"})
            EXPECT_EQ(FixtureTree::bytesAt(destination + QLatin1Char('/') + QLatin1String(name)), data) << name;
        struct stat one, three;
        ASSERT_EQ(::lstat(QFile::encodeName(destination + "/one").constData(), &one), 0);
        ASSERT_EQ(::lstat(QFile::encodeName(destination + "/d/three").constData(), &three), 0);
        EXPECT_EQ(one.st_ino, three.st_ino);
        EXPECT_EQ(FixtureTree::bytesAt(destination + "/alone"), "alone");
        expectReportedIsOnDisk(*run.unarchiver, destination);
    }
}

// An entry the reader ends before the archive's size for it (libarchive
// reads some multi-volume and some compressed entries short) was reported
// as extracted, cut or empty. Every reader seen here tells a cut archive
// as such, so the rule is held on archives cut short and on a zisofs image
// with a damaged block table: a failure, the entry's part removed, and only
// whole entries reported.
TEST(XADSimpleUnarchiver, AnEntryThatCannotBeWrittenWholeIsAFailureAndLeavesNoPart)
{
    FixtureTree tree;
    QByteArray big;
    for (int i = 0; big.size() < 400000; ++i)
        big += QByteArray::number(i * 7919 % 100003) + ' ';
    tree.text(QStringLiteral("src/a.txt"), "first entry");
    tree.text(QStringLiteral("src/big.bin"), big);
    const QString src = tree.path(QStringLiteral("src"));
    struct Row
    {
        const char *name;
        QString make;  // shell line run in src, writing ../<name>
        int cutPercent;  // 0: damaged instead of cut
    };
    const Row rows[] = {
        {"cut.tar", QStringLiteral("tar -cf ../cut.tar a.txt big.bin"), 70},
        {"cut.cpio", QStringLiteral("printf 'a.txt\\nbig.bin\\n' | cpio -o --quiet -H newc > ../cut.cpio"), 70},
        {"cut.zip", QStringLiteral("zip -q0 ../cut.zip a.txt big.bin"), 70},
        {"cut.iso", QStringLiteral("genisoimage -quiet -R -o ../cut.iso ."), 45},  // 300 KiB of padding at its end
        {"zisofs.iso", QStringLiteral("xorriso -outdev ../zisofs.iso -zisofs block_size=32k -map . / "
                                      "-set_filter_r --zisofs / -- 2>/dev/null"), 0},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const QString archive = tree.path(QLatin1String(row.name));
        ASSERT_TRUE(runIn(src, row.make));
        QByteArray bytes = FixtureTree::bytesAt(archive);
        if (row.cutPercent) {
            bytes.truncate(bytes.size() * row.cutPercent / 100);
        } else {
            // The block table of the zisofs file: its second block starts
            // 50 bytes early, inside the first block's compressed data.
            const qsizetype magic = bytes.indexOf(QByteArray::fromHex("37E45396C9DBD607"));
            ASSERT_GT(magic, 0);
            quint32 second = 0;
            std::memcpy(&second, bytes.constData() + magic + 20, 4);
            second -= 50;
            std::memcpy(bytes.data() + magic + 20, &second, 4);
        }
        tree.text(QLatin1String(row.name), bytes);
        const QString destination = tree.path(QStringLiteral("dest-") + QLatin1String(row.name));

        const Extraction run = extract(archive, destination);

        ASSERT_TRUE(run.unarchiver);
        EXPECT_EQ(run.error, XADSimpleUnarchiver::XADDamagedError);
        EXPECT_FALSE(run.unarchiver->errorDescription().isEmpty());
        EXPECT_FALSE(QFileInfo::exists(destination + "/big.bin"));
        expectReportedIsOnDisk(*run.unarchiver, destination);
    }
}

// A 35 KB tar.gz of 5,000 empty files used up every inode of the file
// system while its blocks stayed free.
TEST(XADSimpleUnarchiver, StopsBeforeTheInodesRunOut)
{
    if (!inSmallTmpfs("size=32m,nr_inodes=1000"))
        return;
    const QString small = qEnvironmentVariable("SW_TEST_SMALL_TMPFS");
    FixtureTree tree;
    const QString src = tree.folder(QStringLiteral("src"));
    ASSERT_TRUE(runIn(src, QStringLiteral("mkdir d && cd d && seq 1 5000 | xargs touch && cd .. && "
                                          "tar -czf ../empty.tar.gz d")));
    const QString destination = small + "/dest";

    const Extraction run = extract(tree.path(QStringLiteral("empty.tar.gz")), destination);

    ASSERT_TRUE(run.unarchiver);
    EXPECT_EQ(run.error, XADSimpleUnarchiver::XADNoSpaceError);
    EXPECT_EQ(run.unarchiver->errorDescription(), QStringLiteral("Not enough free space"));
    struct statvfs fs;
    ASSERT_EQ(::statvfs(QFile::encodeName(small).constData(), &fs), 0);
    EXPECT_GE(qint64(fs.f_favail), qint64(fs.f_files) / 20);
    EXPECT_GT(run.unarchiver->extractedItems().size(), 500);
    expectReportedIsOnDisk(*run.unarchiver, destination);
}

// 7zz leaves an empty file where it refuses a link that leads out; it was
// listed both as extracted and as skipped.
TEST(XADSimpleUnarchiver, ALinkSevenZipRefusesLeavesNothingBehind)
{
    FixtureTree tree;
    tree.text(QStringLiteral("outside/kept"), "mine");
    const QString src = tree.folder(QStringLiteral("src"));
    tree.text(QStringLiteral("src/f"), "inside");
    ASSERT_TRUE(runIn(src, QStringLiteral("ln -s ../../outside up && 7zz a -bd -snl ../links.7z up f >/dev/null")));
    const QString destination = tree.path(QStringLiteral("dest"));
    const TreeSnapshot before = TreeSnapshot::of(tree.root());

    const Extraction run = extract(tree.path(QStringLiteral("links.7z")), destination);

    ASSERT_TRUE(run.unarchiver);
    EXPECT_EQ(run.error, XADSimpleUnarchiver::XADNoError);
    EXPECT_EQ(skippedNames(*run.unarchiver), QStringList{QStringLiteral("up")});
    EXPECT_FALSE(FixtureTree::existsAt(destination + "/up"));
    EXPECT_EQ(FixtureTree::bytesAt(destination + "/f"), "inside");
    expectReportedIsOnDisk(*run.unarchiver, destination);
    EXPECT_EQ(changesOutside(before, TreeSnapshot::of(tree.root()), destination), QStringList());
}

// The rule that an entry must come out whole, on the 7zz side: a stand-in
// for 7zz lists a 100-byte entry, writes 40 bytes of it and says all is well.
TEST(XADSimpleUnarchiver, AFileSevenZipWritesShortIsAFailureAndNothingIsHandedOver)
{
    FixtureTree tree;
    const QString standIn = tree.text(QStringLiteral("7zz"), R"(#!/bin/sh
case "$1" in
l) printf 'Path = whole.txt\nSize = 5\nFolder = -\n\nPath = short.bin\nSize = 100\nFolder = -\n\n' ;;
x) for a; do case "$a" in -o*) out="${a#-o}" ;; esac; done
   printf 'whole' > "$out/whole.txt"; head -c 40 /dev/zero > "$out/short.bin" ;;
esac
exit 0
)");
    ASSERT_EQ(::chmod(QFile::encodeName(standIn).constData(), 0700), 0);
    const QString archive = tree.text(QStringLiteral("odd.arc"), QByteArray(4096, '\x5a'));
    qputenv("SWEEPWRIGHT_7ZZ", QFile::encodeName(standIn));
    const QString destination = tree.folder(QStringLiteral("dest"));

    const Extraction run = extract(archive, destination);

    qunsetenv("SWEEPWRIGHT_7ZZ");
    ASSERT_TRUE(run.unarchiver);
    EXPECT_EQ(run.error, XADSimpleUnarchiver::XADDamagedError);
    EXPECT_EQ(run.unarchiver->errorDescription(), QStringLiteral("short.bin came out with 40 of its 100 bytes"));
    EXPECT_TRUE(run.unarchiver->extractedItems().isEmpty());
    EXPECT_EQ(QDir(destination).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
}

namespace {

struct Attempt
{
    int error = -1;
    QString description;
    qint64 milliseconds = 0;
};

// The whole way: the unarchiver for the file (its look at the file may
// already meet the loop), the listing, the extraction.
Attempt attempt(const QString &archive, const QString &destination, sw::JobControl *job = nullptr)
{
    QElapsedTimer clock;
    clock.start();
    Attempt result;
    std::unique_ptr<XADSimpleUnarchiver> unarchiver =
        XADSimpleUnarchiver::simpleUnarchiverForPath(archive, &result.error, job, &result.description);
    if (unarchiver) {
        unarchiver->setRemovesEnclosingDirectoryForSoloItems(true);
        result.error = unarchiver->parse();
        if (result.error == XADSimpleUnarchiver::XADNoError) {
            QDir().mkpath(destination);
            unarchiver->setDestination(destination);
            result.error = unarchiver->unarchive();
            expectReportedIsOnDisk(*unarchiver, destination);
        }
        result.description = unarchiver->errorDescription();
    }
    result.milliseconds = clock.elapsed();
    return result;
}

}  // namespace

// A Rock Ridge continuation that continues into itself, a xar whose link is
// doubled, zisofs blocks that never advance: libarchive loops in place on
// each, and the extraction ran for ever.
TEST(XADSimpleUnarchiver, AnArchiveTheReaderLoopsOnIsDamagedNotEndless)
{
    FixtureTree tree;
    const swtest::LoopingArchives looping(tree.root());
    qputenv("SWEEPWRIGHT_STALL_LIMIT_MS", "1500");
    for (const QString &archive : {looping.iso(), looping.xar(), looping.zisofs()}) {
        SCOPED_TRACE(archive.toStdString());
        ASSERT_FALSE(archive.isEmpty());
        const QString destination = archive + QStringLiteral("-out");
        const Attempt run = attempt(archive, destination);
        EXPECT_EQ(run.error, XADSimpleUnarchiver::XADDamagedError);
        EXPECT_TRUE(run.description.startsWith(QStringLiteral("Damaged archive"))) << run.description.toStdString();
        EXPECT_LT(run.milliseconds, 15000);
    }
    qunsetenv("SWEEPWRIGHT_STALL_LIMIT_MS");
}

// Cancelling reached the extraction only between entries, never a read
// that did not return.
TEST(XADSimpleUnarchiver, CancelReachesAReaderStuckInALoop)
{
    FixtureTree tree;
    const QString iso = swtest::LoopingArchives(tree.root()).iso();
    ASSERT_FALSE(iso.isEmpty());
    sw::JobControl job;
    std::thread canceller([&job] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        job.cancel();
    });
    const Attempt run = attempt(iso, tree.path(QStringLiteral("out")), &job);
    canceller.join();
    EXPECT_EQ(run.error, XADSimpleUnarchiver::XADBreakError);
    EXPECT_LT(run.milliseconds, sw::StallGuard::kNoProgressLimit / 2);
}

namespace {

// One 512-byte ustar header.
QByteArray ustarHeader(const QByteArray &name, qint64 size, char type)
{
    QByteArray header(512, '\0');
    const auto put = [&header](int at, const QByteArray &field) { header.replace(at, field.size(), field); };
    put(0, name);
    put(100, "0000644");
    put(108, "0000000");
    put(116, "0000000");
    put(124, QByteArray::number(size, 8).rightJustified(11, '0'));
    put(136, QByteArray::number(1500000000, 8).rightJustified(11, '0'));
    put(148, QByteArray(8, ' '));
    header[156] = type;
    put(257, QByteArray("ustar\0" "00", 8));
    int sum = 0;
    for (const char c : header)
        sum += static_cast<unsigned char>(c);
    put(148, QByteArray::number(sum, 8).rightJustified(6, '0') + '\0');
    return header;
}

QByteArray padded(QByteArray bytes)
{
    bytes.append(QByteArray((512 - bytes.size() % 512) % 512, '\0'));
    return bytes;
}

// A pax tar in the Solaris form: the map of data and holes in SUN.holesdata,
// the file's bytes (holes included) in the data area.
QByteArray solarisSparseTar(const QByteArray &name, const QByteArray &file, const QByteArray &holesData)
{
    QByteArray records;
    for (const QByteArray &record : {"SCHILY.realsize=" + QByteArray::number(file.size()),
                                     "SUN.holesdata=" + holesData}) {
        qsizetype length = record.size() + 3;
        length += QByteArray::number(length).size() - 1;
        records += QByteArray::number(length) + ' ' + record + '\n';
    }
    return ustarHeader("PaxHeaders/" + name, records.size(), 'x') + padded(records)
           + ustarHeader(name, file.size(), '0') + padded(file) + QByteArray(1024, '\0');
}

}  // namespace

// A sparse entry must come out as bsdtar extracts it whatever form its map
// takes; the form with the map in the data area was refused as damaged.
TEST(XADSimpleUnarchiver, SparseEntriesOfEveryFormComeOutWhole)
{
    FixtureTree tree;
    QByteArray file(3 << 20, '\0');  // data, a hole, data, and a hole to the end
    file.replace(0, 4096, QByteArray(4096, 'A'));
    file.replace(1 << 20, 4096, QByteArray(4096, 'B'));
    const QString src = tree.folder(QStringLiteral("src"));
    ASSERT_TRUE(runIn(src, QStringLiteral("truncate -s 3M sparse && printf '%1' | dd of=sparse conv=notrunc 2>/dev/null && "
                                          "printf '%2' | dd of=sparse bs=1048576 seek=1 conv=notrunc 2>/dev/null")
                               .arg(QString(4096, QLatin1Char('A')), QString(4096, QLatin1Char('B')))));
    ASSERT_EQ(FixtureTree::bytesAt(src + "/sparse"), file);
    const QList<QPair<QString, QString>> forms = {
        {"gnu", "tar --format=gnu --sparse -cf ../gnu.tar sparse"},
        {"pax-0.0", "tar --format=pax --sparse --sparse-version=0.0 -cf ../pax-0.0.tar sparse"},
        {"pax-0.1", "tar --format=pax --sparse --sparse-version=0.1 -cf ../pax-0.1.tar sparse"},
        {"pax-1.0", "tar --format=pax --sparse --sparse-version=1.0 -cf ../pax-1.0.tar sparse"},
        {"pax-1.0.gz", "tar --format=pax --sparse --sparse-version=1.0 -czf ../pax-1.0.gz.tar sparse"},
        {"solaris", QString()},
    };
    for (const auto &[form, command] : forms) {
        SCOPED_TRACE(form.toStdString());
        const QString archive = tree.path(form + QStringLiteral(".tar"));
        if (command.isEmpty())
            tree.text(form + QStringLiteral(".tar"), solarisSparseTar("sparse", file, " 0 4096 1048576 1052672"));
        else
            ASSERT_TRUE(runIn(src, command));
        const QString ours = tree.path(form + QStringLiteral("-ours"));
        const QString theirs = tree.folder(form + QStringLiteral("-bsdtar"));
        ASSERT_TRUE(ArchiveBuilder::runTool(QStringLiteral("bsdtar"), {"-xf", archive, "-C", theirs}, tree.root()));

        const Extraction run = extract(archive, ours);

        ASSERT_TRUE(run.unarchiver);
        EXPECT_EQ(run.error, XADSimpleUnarchiver::XADNoError) << run.unarchiver->errorDescription().toStdString();
        EXPECT_EQ(FixtureTree::bytesAt(ours + "/sparse"), FixtureTree::bytesAt(theirs + "/sparse"));
        EXPECT_EQ(FixtureTree::bytesAt(ours + "/sparse"), file);
        expectReportedIsOnDisk(*run.unarchiver, ours);
    }
}

// GNU tar's volume label (a header of its own type) went to 7zz, which
// made of it a file "label" of 0 bytes and mode 000.
TEST(XADSimpleUnarchiver, AVolumeLabelIsNoEntry)
{
    FixtureTree tree;
    const QString src = tree.folder(QStringLiteral("src"));
    tree.text(QStringLiteral("src/f"), "file");
    ASSERT_TRUE(runIn(src, QStringLiteral("tar -cf ../alone.tar -V label -T /dev/null && "
                                          "tar -cf ../with-file.tar -V label f && tar -czf ../alone.tgz -V label -T /dev/null")));
    const QList<QPair<QString, QStringList>> rows = {
        {"alone.tar", {}}, {"alone.tgz", {}}, {"with-file.tar", {"f"}}};
    for (const auto &[name, expected] : rows) {
        SCOPED_TRACE(name.toStdString());
        const QString destination = tree.path(name + QStringLiteral("-out"));
        const Extraction run = extract(tree.path(name), destination);
        ASSERT_TRUE(run.unarchiver);
        EXPECT_EQ(run.error, XADSimpleUnarchiver::XADNoError);
        EXPECT_EQ(QDir(destination).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System),
                  expected);
        expectReportedIsOnDisk(*run.unarchiver, destination);
    }
}
