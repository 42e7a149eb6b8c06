// SPDX-License-Identifier: GPL-3.0-or-later
// The extractor's engine end to end, on archives made here with the zip and
// 7zz programs: where the items end up, what the result shows, and how a
// password, a refusal and an unknown file end.

#include "core/foundation/JobControl.h"
#include "core/winmail/ORFileDataCollection.h"
#include "support/FixtureTree.h"
#include "support/TreeSnapshot.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <cstdlib>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using Status = sw::ExtractionOutcome::Status;

class ORFileDataCollectionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(tree.isValid());
        // The temporary folders go here.
        m_tmpdir = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(tree.folder("tmp")));
    }
    void TearDown() override
    {
        if (m_tmpdir.isNull())
            qunsetenv("TMPDIR");
        else
            qputenv("TMPDIR", m_tmpdir);
    }

    // Packs the entries below source (paths relative to it) into archive with program.
    void pack(const QString &program, const QStringList &arguments, const QString &source)
    {
        QProcess process;
        process.setWorkingDirectory(source);
        process.start(program, arguments);
        ASSERT_TRUE(process.waitForFinished(60000));
        ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    }

    sw::ExtractionOutcome extract(const QString &archive, ORFileDataCollection::PasswordPrompt prompt = {})
    {
        sw::ExtractionRequest request;
        request.source = archive;
        sw::JobControl job;
        return ORFileDataCollection::shareInstance().extract(request, prompt, job);
    }

    QStringList topNames() const
    {
        QStringList names;
        const auto data = ORFileDataCollection::shareInstance().fileData();
        for (const ORFileItem &item : data->fileGroups)
            names << item.filePath.section(QLatin1Char('/'), -1);
        return names;
    }

    swtest::FixtureTree tree;
    QByteArray m_tmpdir;
};

// The page showed the temporary folder's own name ("unarchiverAbCd") as the
// root of an archive with several items at the top.
TEST_F(ORFileDataCollectionTest, TheResultIsAFolderNamedAfterTheArchiveInAPrivateTemporaryFolder)
{
    tree.text("src/a.txt", "alpha");
    tree.text("src/b/c.txt", "gamma");
    tree.text("src/b/empty.txt", "");
    tree.folder("src/b/nothing");
    const QString tgz = tree.path("two.tar.gz");
    pack(QStringLiteral("tar"), {QStringLiteral("-czf"), tgz, QStringLiteral("a.txt"), QStringLiteral("b")},
         tree.path("src"));

    const sw::ExtractionOutcome outcome = extract(tgz);
    ASSERT_EQ(outcome.status, Status::Extracted) << outcome.detail.toStdString();
    EXPECT_EQ(QFileInfo(outcome.destination).fileName(), QStringLiteral("two"));
    EXPECT_EQ(QFileInfo(outcome.destination).path(), outcome.temporaryFolder);
    EXPECT_EQ(QFileInfo(outcome.temporaryFolder).path(), tree.path("tmp"));
    EXPECT_EQ(ORFileDataCollection::shareInstance().desPath(), outcome.destination);
    QStringList names = topNames();
    names.sort();
    EXPECT_EQ(names, QStringList({"a.txt", "b"}));
    // The tree's root is that folder; it leaves out the empty file and folder.
    const auto node = ORFileDataCollection::shareInstance().treeNode();
    EXPECT_EQ(QFileInfo(node->representedObject.filePath).fileName(), QStringLiteral("two"));
    ASSERT_EQ(node->childNodes.size(), 2);
    for (const ORFileTreeNode &child : node->childNodes)
        EXPECT_EQ(child.childNodes.size(), child.representedObject.isDirectory ? 1 : 0);
}

// After a wrong password the extraction gave up and the page fell back to
// its start: now the prompt is asked again, told why, until the right one
// comes or it gives none. Each back-end: libarchive for zip, 7zz for a 7z
// whose listing is encrypted and for one whose contents only are.
TEST_F(ORFileDataCollectionTest, AWrongPasswordIsAskedForAgainWithTheReason)
{
    tree.text("src/secret.txt", "the plans");
    const QString zip = tree.path("locked.zip");
    pack(QStringLiteral("zip"), {"-q", "-P", "right", zip, "secret.txt"}, tree.path("src"));
    const QString hidden = tree.path("hidden.7z");
    pack(QStringLiteral("7zz"), {"a", "-bd", "-pright", "-mhe=on", hidden, "secret.txt"}, tree.path("src"));
    const QString listed = tree.path("listed.7z");
    pack(QStringLiteral("7zz"), {"a", "-bd", "-pright", "-mhe=off", listed, "secret.txt"}, tree.path("src"));

    for (const QString &archive : {zip, hidden, listed}) {
        SCOPED_TRACE(archive.toStdString());
        QStringList problems;
        QStringList answers = {"wrong", "", "right"};
        sw::ExtractionOutcome outcome = extract(archive, [&](const QString &problem) {
            problems << problem;
            return std::optional<QString>(answers.takeFirst());
        });
        ASSERT_EQ(outcome.status, Status::Extracted) << outcome.detail.toStdString();
        EXPECT_EQ(problems, QStringList({"", "Wrong password", "Wrong password"}));
        EXPECT_TRUE(outcome.encrypted);
        EXPECT_TRUE(ORFileDataCollection::shareInstance().isEncrypted());
        EXPECT_EQ(swtest::FixtureTree::bytesAt(outcome.destination + "/secret.txt"), "the plans");

        problems.clear();
        outcome = extract(archive, [&](const QString &problem) {
            problems << problem;
            return problem.isEmpty() ? std::optional<QString>(QStringLiteral("wrong")) : std::nullopt;
        });
        EXPECT_EQ(problems, QStringList({"", "Wrong password"}));
        EXPECT_EQ(outcome.status, Status::Abandoned);
        EXPECT_TRUE(outcome.message.isEmpty());
        EXPECT_EQ(ORFileDataCollection::shareInstance().fileData(), nullptr);
        EXPECT_EQ(QDir(tree.path("tmp")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                  QStringList());
    }
}

TEST_F(ORFileDataCollectionTest, AFileNoBackEndReadsIsUnsupportedAndADatFileIsAWinmail)
{
    const QString fake = tree.text("notes.arj", "this is no archive at all");
    sw::ExtractionOutcome outcome = extract(fake);
    EXPECT_EQ(outcome.status, Status::Unsupported);
    EXPECT_EQ(outcome.message, QStringLiteral("This archive format is not supported"));

    // Upper case takes the winmail path too; text is no TNEF stream.
    const QString dat = tree.text("report.DAT", "not a winmail stream");
    outcome = extract(dat);
    EXPECT_EQ(outcome.status, Status::Failed);
    EXPECT_EQ(outcome.detail, QStringLiteral("Not a winmail.dat file, or a damaged one"));
}

// Whether the user nobody can read path (false too when setpriv cannot switch here).
bool nobodyReads(const QString &path)
{
    QProcess cat;
    cat.start(QStringLiteral("setpriv"), {"--reuid=65534", "--regid=65534", "--clear-groups", "cat", path});
    return cat.waitForFinished(30000) && cat.exitStatus() == QProcess::NormalExit && cat.exitCode() == 0;
}

mode_t modeOf(const QString &path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}

// What came out of an encrypted archive sat in the shared temporary folder
// with the archive's 0755 and 0644, where any user could read it.
TEST_F(ORFileDataCollectionTest, AnEncryptedArchivesFilesStayPrivateInASharedTemporaryFolder)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "switching to another user needs root";
    // A shared sticky folder others can reach, as /tmp is.
    ASSERT_EQ(::chmod(QFile::encodeName(tree.root()).constData(), 0755), 0);
    const QString shared = tree.folder("shared");
    ASSERT_EQ(::chmod(QFile::encodeName(shared).constData(), 01777), 0);
    qputenv("TMPDIR", QFile::encodeName(shared));
    tree.text("src/plans/secret.txt", "the plans");
    ASSERT_EQ(::chmod(QFile::encodeName(tree.path("src/plans")).constData(), 0755), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(tree.path("src/plans/secret.txt")).constData(), 0644), 0);
    const QString zip = tree.path("plans.zip");
    pack(QStringLiteral("zip"), {"-qr", "-P", "right", zip, "plans"}, tree.path("src"));
    ASSERT_TRUE(nobodyReads(tree.path("src/plans/secret.txt"))) << "setpriv cannot act as nobody here";

    const sw::ExtractionOutcome outcome =
        extract(zip, [](const QString &) { return std::optional<QString>(QStringLiteral("right")); });
    ASSERT_EQ(outcome.status, Status::Extracted) << outcome.detail.toStdString();
    EXPECT_EQ(QFileInfo(outcome.temporaryFolder).path(), shared);
    EXPECT_EQ(modeOf(outcome.temporaryFolder), mode_t(0700));
    EXPECT_FALSE(nobodyReads(outcome.destination + "/plans/secret.txt"));
    EXPECT_EQ(swtest::FixtureTree::bytesAt(outcome.destination + "/plans/secret.txt"), "the plans");
}

// With TMPDIR naming a folder that does not exist, the temporary folder
// was made in the current folder instead.
TEST_F(ORFileDataCollectionTest, AnUnusableTmpdirIsAFailureThatNamesIt)
{
    tree.text("src/a.txt", "alpha");
    const QString zip = tree.path("a.zip");
    pack(QStringLiteral("zip"), {"-q", zip, "a.txt"}, tree.path("src"));
    const QString here = tree.folder("here");
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(here));
    const swtest::TreeSnapshot before = swtest::TreeSnapshot::of(tree.root());
    for (const QString &tmpdir : {tree.path("missing"), QStringLiteral("relative"), tree.path("a.zip")}) {
        SCOPED_TRACE(tmpdir.toStdString());
        qputenv("TMPDIR", QFile::encodeName(tmpdir));
        for (const QString &source : {zip, tree.text("mail.dat", "not a winmail")}) {
            const sw::ExtractionOutcome outcome = extract(source);
            EXPECT_EQ(outcome.status, Status::Failed);
            EXPECT_TRUE(outcome.message.contains(QStringLiteral("TMPDIR (%1)").arg(tmpdir)))
                << outcome.message.toStdString();
            EXPECT_TRUE(outcome.destination.isEmpty());
        }
    }
    QDir::setCurrent(previous);
    const swtest::TreeSnapshot after = swtest::TreeSnapshot::of(tree.root());
    EXPECT_EQ(after.vanished(before), QStringList{tree.path("mail.dat")});  // the one file this test added
    EXPECT_EQ(before.vanished(after), QStringList());
}

// A failure in a temporary folder of ours (an archive cut short, a .dat
// that is no winmail file) left the folder behind with what it held.
TEST_F(ORFileDataCollectionTest, AFailedExtractionLeavesNoTemporaryFolder)
{
    tree.file("src/a.bin", 300000);
    tree.file("src/b.bin", 300000);
    const QString zip = tree.path("cut.zip");
    pack(QStringLiteral("zip"), {"-q0", zip, "a.bin", "b.bin"}, tree.path("src"));
    QFile file(zip);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.resize(file.size() * 3 / 4));
    file.close();
    const QString dat = tree.text("winmail.dat", "no TNEF stream at all");
    for (const QString &source : {zip, dat}) {
        SCOPED_TRACE(source.toStdString());
        const sw::ExtractionOutcome outcome = extract(source);
        EXPECT_EQ(outcome.status, Status::Failed);
        EXPECT_TRUE(outcome.items.isEmpty());
        EXPECT_EQ(QDir(tree.path("tmp")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                  QStringList());
    }
}

// Decrypted files stayed in the temporary folder after the user left the
// result. Going now, they must not take along anything a link planted in
// the folder leads to, nor what was put in the folder's place.
TEST_F(ORFileDataCollectionTest, StartOverRemovesTheExtractionAndNothingALinkInItLeadsTo)
{
    tree.text("src/a.txt", "alpha");
    tree.text("src/b/c.txt", "gamma");
    const QString zip = tree.path("two.zip");
    pack(QStringLiteral("zip"), {"-qr", "-P", "right", zip, "a.txt", "b"}, tree.path("src"));
    tree.text("outside/keep.txt", "keep me");
    tree.text("outside/deep/also.txt", "and me");
    const auto right = [](const QString &) { return std::optional<QString>(QStringLiteral("right")); };
    ORFileDataCollection &collection = ORFileDataCollection::shareInstance();

    // A link inside, to a folder and to a file outside.
    sw::ExtractionOutcome outcome = extract(zip, right);
    ASSERT_EQ(outcome.status, Status::Extracted) << outcome.detail.toStdString();
    ASSERT_EQ(::symlink(QFile::encodeName(tree.path("outside")).constData(),
                        QFile::encodeName(outcome.destination + "/b/planted").constData()), 0);
    ASSERT_EQ(::symlink(QFile::encodeName(tree.path("outside/keep.txt")).constData(),
                        QFile::encodeName(outcome.temporaryFolder + "/file").constData()), 0);
    swtest::TreeSnapshot before = swtest::TreeSnapshot::of(tree.root());
    collection.startOver();
    swtest::TreeSnapshot after = swtest::TreeSnapshot::of(tree.root());
    EXPECT_FALSE(QFileInfo::exists(outcome.temporaryFolder));
    for (const QString &gone : before.vanished(after))
        EXPECT_TRUE(gone.startsWith(outcome.temporaryFolder)) << gone.toStdString();
    EXPECT_EQ(before.changed(after), QStringList());
    EXPECT_EQ(after.vanished(before), QStringList());

    // The folder moved away and a link to the outside put in its place.
    outcome = extract(zip, right);
    ASSERT_EQ(outcome.status, Status::Extracted) << outcome.detail.toStdString();
    const QString moved = tree.path("moved");
    ASSERT_EQ(::rename(QFile::encodeName(outcome.temporaryFolder).constData(), QFile::encodeName(moved).constData()), 0);
    ASSERT_EQ(::symlink(QFile::encodeName(tree.path("outside")).constData(),
                        QFile::encodeName(outcome.temporaryFolder).constData()), 0);
    before = swtest::TreeSnapshot::of(tree.root());
    collection.startOver();
    after = swtest::TreeSnapshot::of(tree.root());
    EXPECT_EQ(before.vanished(after), QStringList());
    EXPECT_EQ(before.changed(after), QStringList());
}

// A run killed while its result was shown left the decrypted files in the
// temporary folder for good. The next start removes such a folder, and
// only such a folder: not one a running extraction holds, nor one made a
// moment ago, nor anyone else's, nor what a link of that name leads to.
TEST_F(ORFileDataCollectionTest, TheNextStartRemovesWhatAKilledRunLeftAndNothingElse)
{
    const QString tmp = tree.path("tmp");
    const auto made = [&](const QString &name, const QString &mode, const QString &age) {
        tree.text(QStringLiteral("tmp/%1/secret/plans.txt").arg(name), "the plans");
        QProcess::execute(QStringLiteral("chmod"), {mode, tmp + '/' + name});
        QProcess::execute(QStringLiteral("touch"), {QStringLiteral("-d"), age, tmp + '/' + name});
    };
    made(QStringLiteral("unarchiverK1ll"), QStringLiteral("0700"), QStringLiteral("1 hour ago"));
    made(QStringLiteral("winmailK1ll"), QStringLiteral("0700"), QStringLiteral("1 hour ago"));
    made(QStringLiteral("unarchiverN0w0"), QStringLiteral("0700"), QStringLiteral("now"));
    made(QStringLiteral("unarchiverOpen"), QStringLiteral("0755"), QStringLiteral("1 hour ago"));
    made(QStringLiteral("unarchiverTooLong"), QStringLiteral("0700"), QStringLiteral("1 hour ago"));
    tree.text("outside/keep.txt", "keep me");
    QProcess::execute(QStringLiteral("chmod"), {QStringLiteral("0700"), tree.path("outside")});
    ASSERT_EQ(::symlink(QFile::encodeName(tree.path("outside")).constData(),
                        QFile::encodeName(tmp + "/unarchiverL1nk").constData()), 0);
    tree.text("src/a.txt", "alpha");
    const QString zip = tree.path("one.zip");
    pack(QStringLiteral("zip"), {"-q", zip, "a.txt"}, tree.path("src"));
    const sw::ExtractionOutcome running = extract(zip);
    ASSERT_EQ(running.status, Status::Extracted) << running.detail.toStdString();
    QProcess::execute(QStringLiteral("touch"), {QStringLiteral("-d"), QStringLiteral("1 hour ago"),
                                                running.temporaryFolder});

    const swtest::TreeSnapshot before = swtest::TreeSnapshot::of(tree.root());
    EXPECT_EQ(ORFileDataCollection::removeAbandonedExtractions(), 2);
    const swtest::TreeSnapshot after = swtest::TreeSnapshot::of(tree.root());
    for (const QString &gone : before.vanished(after))
        EXPECT_TRUE(gone.startsWith(tmp + "/unarchiverK1ll") || gone.startsWith(tmp + "/winmailK1ll"))
            << gone.toStdString();
    EXPECT_FALSE(QFileInfo::exists(tmp + "/unarchiverK1ll"));
    EXPECT_FALSE(QFileInfo::exists(tmp + "/winmailK1ll"));
    EXPECT_EQ(before.changed(after), QStringList());
    ORFileDataCollection::shareInstance().startOver();
}

// Extract to: straight into the folder chosen, as the archive names the
// entries, with the password given before; an existing file of the same
// name is kept, the new one comes beside it, and the result shown stays.
TEST_F(ORFileDataCollectionTest, ExtractToWritesBesideWhatIsThereWithThePasswordGivenBefore)
{
    tree.text("src/secret.txt", "the plans");
    tree.text("src/docs/note.txt", "a note");
    const QString zip = tree.path("locked.zip");
    pack(QStringLiteral("zip"), {"-qr", "-P", "right", zip, "secret.txt", "docs"}, tree.path("src"));
    int asked = 0;
    const sw::ExtractionOutcome shown = extract(zip, [&asked](const QString &) {
        ++asked;
        return std::optional<QString>(QStringLiteral("right"));
    });
    ASSERT_EQ(shown.status, Status::Extracted) << shown.detail.toStdString();
    const QString chosen = tree.path("chosen");
    tree.text("chosen/secret.txt", "mine");
    const swtest::TreeSnapshot before = swtest::TreeSnapshot::of(chosen);

    ORFileDataCollection &collection = ORFileDataCollection::shareInstance();
    sw::JobControl job;
    const sw::ExtractionOutcome outcome = collection.extractTo(chosen, false, job);
    ASSERT_EQ(outcome.status, Status::Extracted) << outcome.detail.toStdString();
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(outcome.destination, chosen);
    EXPECT_EQ(swtest::FixtureTree::bytesAt(chosen + "/secret.txt"), "mine");
    EXPECT_EQ(swtest::FixtureTree::bytesAt(chosen + "/secret 2.txt"), "the plans");
    EXPECT_EQ(swtest::FixtureTree::bytesAt(chosen + "/docs/note.txt"), "a note");
    EXPECT_EQ(before.changed(swtest::TreeSnapshot::of(chosen)), QStringList());
    EXPECT_EQ(collection.desPath(), shown.destination);
    EXPECT_TRUE(QFileInfo::exists(shown.destination + "/secret.txt"));
}

}  // namespace
