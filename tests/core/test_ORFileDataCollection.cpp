// The extractor's engine end to end, on archives made here with the zip and
// 7zz programs: where the items end up, what the result shows, and how a
// password, a refusal and an unknown file end.

#include "FixtureTree.h"
#include "JobControl.h"
#include "ORFileDataCollection.h"
#include "TreeSnapshot.h"

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
        // The temporary folders (and a lifted top folder beside them) go here.
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

    sw::ExtractionOutcome extract(const QString &archive,
                                  ORFileDataCollection::PasswordPrompt prompt = {})
    {
        sw::ExtractionRequest request;
        request.source = archive;
        return ORFileDataCollection::shareInstance().extract(request, prompt, sw::JobControl::unwatched());
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

TEST_F(ORFileDataCollectionTest, OneTopFolderIsMovedBesideTheTemporaryFolderUnderAFreeName)
{
    tree.text("src/photos/a.txt", "alpha");
    tree.text("src/photos/empty.txt", "");
    tree.folder("src/photos/nothing");
    tree.folder("tmp/photos");  // taken: the moved folder gets another name
    const QString zip = tree.path("photos.zip");
    pack(QStringLiteral("zip"), {QStringLiteral("-qr"), zip, QStringLiteral("photos")}, tree.path("src"));

    const sw::ExtractionOutcome outcome = extract(zip);
    ASSERT_EQ(outcome.status, Status::Extracted) << outcome.detail.toStdString();
    EXPECT_EQ(QFileInfo(outcome.destination).dir().path(), tree.path("tmp"));
    EXPECT_NE(outcome.destination, tree.path("tmp/photos"));
    EXPECT_EQ(QFile(outcome.destination + "/a.txt").size(), 5);
    // The emptied temporary folder is gone; only the taken name and the moved folder are left.
    EXPECT_EQ(QDir(tree.path("tmp")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 2);

    // The flat list shows the empty file and folder, the tree leaves them out.
    EXPECT_EQ(topNames().size(), 3);
    const auto node = ORFileDataCollection::shareInstance().treeNode();
    ASSERT_EQ(node->childNodes.size(), 1);
    EXPECT_EQ(node->childNodes.first().representedObject.fileName, QStringLiteral("a"));
    EXPECT_FALSE(node->childNodes.first().representedObject.isDirectory);
}

TEST_F(ORFileDataCollectionTest, SeveralTopItemsStayInTheTemporaryFolder)
{
    tree.text("src/a.txt", "alpha");
    tree.text("src/b/c.txt", "gamma");
    const QString tgz = tree.path("two.tar.gz");
    pack(QStringLiteral("tar"), {QStringLiteral("-czf"), tgz, QStringLiteral("a.txt"), QStringLiteral("b")},
         tree.path("src"));

    const sw::ExtractionOutcome outcome = extract(tgz);
    ASSERT_EQ(outcome.status, Status::Extracted) << outcome.detail.toStdString();
    EXPECT_TRUE(QFileInfo(outcome.destination).fileName().startsWith(QLatin1String("unarchiver")));
    QStringList names = topNames();
    names.sort();
    EXPECT_EQ(names, QStringList({"a.txt", "b"}));
}

TEST_F(ORFileDataCollectionTest, APasswordIsAskedOnceAndAWrongOneFails)
{
    tree.text("src/secret.txt", "the plans");
    const QString archive = tree.path("locked.7z");
    pack(QStringLiteral("7zz"), {"a", "-bd", "-pright", "-mhe=on", archive, "secret.txt"}, tree.path("src"));

    int asked = 0;
    sw::ExtractionOutcome outcome = extract(archive, [&] {
        ++asked;
        return std::optional<QString>(QStringLiteral("wrong"));
    });
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(outcome.status, Status::Failed);
    EXPECT_EQ(outcome.message, QStringLiteral("Unarchive error or password error, try again!"));
    EXPECT_EQ(ORFileDataCollection::shareInstance().fileData(), nullptr);

    outcome = extract(archive, [] { return std::optional<QString>(); });
    EXPECT_EQ(outcome.status, Status::Abandoned);
    EXPECT_TRUE(outcome.message.isEmpty());

    outcome = extract(archive, [] { return std::optional<QString>(QStringLiteral("right")); });
    ASSERT_EQ(outcome.status, Status::Extracted) << outcome.detail.toStdString();
    EXPECT_EQ(topNames(), QStringList({"secret.txt"}));
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

// An encrypted archive's top folder, moved out into a shared temporary
// folder with the archive's 0755 and 0644, could be read by any user there.
TEST_F(ORFileDataCollectionTest, ATopFolderMovedIntoTheSharedTemporaryFolderStaysPrivate)
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
        extract(zip, [] { return std::optional<QString>(QStringLiteral("right")); });
    ASSERT_EQ(outcome.status, Status::Extracted) << outcome.detail.toStdString();
    EXPECT_EQ(QFileInfo(outcome.destination).dir().path(), shared);
    EXPECT_EQ(modeOf(outcome.destination), mode_t(0700));
    EXPECT_FALSE(nobodyReads(outcome.destination + "/secret.txt"));
    QFile secret(outcome.destination + "/secret.txt");
    ASSERT_TRUE(secret.open(QIODevice::ReadOnly));
    EXPECT_EQ(secret.readAll(), "the plans");
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

}  // namespace
