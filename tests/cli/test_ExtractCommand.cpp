// SPDX-License-Identifier: GPL-3.0-or-later
// sweepwright-cli extract, run as a program on archives the tests make with
// zip, tar and 7zz.

#include "CliRunner.h"
#include "support/FixtureTree.h"
#include "support/LoopingArchives.h"
#include "support/TreeSnapshot.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QElapsedTimer>
#include <QJsonObject>
#include <QRegularExpression>
#include <QProcess>

#include <QThread>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using swtest::CliRun;

class ExtractCommand : public ::testing::Test
{
protected:
    void SetUp() override
    {
        swtest::ensureCoreApplication();
        ASSERT_TRUE(tree.isValid());
        tmp = tree.folder(QStringLiteral("tmp"));
    }

    // Runs an archiver in the folder rel; false unless it exits 0.
    bool make(const QString &rel, const QStringList &command) const
    {
        QProcess process;
        process.setWorkingDirectory(tree.folder(rel));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));  // names stored as raw bytes
        process.setProcessEnvironment(env);
        process.start(command.first(), command.mid(1));
        return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit &&
               process.exitCode() == 0;
    }

    // "extract" and args; temporary folders go into tmp.
    CliRun extract(const QStringList &args, const QStringList &wrapper = {}) const
    {
        return swtest::runCli(QStringList{QStringLiteral("extract")} + args,
                              tree.path(QStringLiteral("config")), QString(),
                              {QStringLiteral("TMPDIR=") + tmp}, wrapper);
    }

    static QJsonObject parsed(const CliRun &run)
    {
        QJsonParseError error{};
        const QJsonDocument doc = QJsonDocument::fromJson(run.out, &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << run.out.toStdString();
        return doc.object();
    }

    static QStringList entries(const QString &folder)
    {
        return QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    // src/top/a.txt and src/top/sub/b.bin zipped as top.zip.
    QString topZip() const
    {
        tree.text(QStringLiteral("src/top/a.txt"), "hello");
        tree.text(QStringLiteral("src/top/sub/b.bin"), "abc");
        EXPECT_TRUE(make(QStringLiteral("src"), {QStringLiteral("zip"), QStringLiteral("-qr"),
                                                 QStringLiteral("../top.zip"), QStringLiteral("top")}));
        return tree.path(QStringLiteral("top.zip"));
    }

    // 表計算.txt in CP932, without the UTF-8 flag; the trail byte of 表 is a
    // backslash, which must not split the name.
    QString sjisZip() const
    {
        const QByteArray raw = QByteArray("\x95\x5c\x8c\x76\x8e\x5a.txt");
        const QByteArray path = QFile::encodeName(tree.folder(QStringLiteral("src"))) + '/' + raw;
        const int fd = ::open(path.constData(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
        EXPECT_GE(fd, 0);
        EXPECT_EQ(::write(fd, "sjis", 4), 4);
        ::close(fd);
        // The name is no UTF-8, so it cannot be an argument: zip takes the folder.
        EXPECT_TRUE(make(QStringLiteral("src"), {QStringLiteral("zip"), QStringLiteral("-qr"),
                                                 QStringLiteral("../sjis.zip"), QStringLiteral(".")}));
        ::unlink(path.constData());  // QTemporaryDir cannot remove a name that is no UTF-8
        return tree.path(QStringLiteral("sjis.zip"));
    }

    swtest::FixtureTree tree;
    QString tmp;
};

TEST_F(ExtractCommand, MinusCWritesAsNamedElseAFolderNamedAfterTheArchiveInAPrivateOne)
{
    const QString zip = topZip();
    const QString out = tree.path(QStringLiteral("out"));  // missing: made, its parent is there
    const CliRun run = extract({zip, QStringLiteral("-C"), out, QStringLiteral("--json")});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    const QJsonObject result = parsed(run);
    EXPECT_EQ(result.keys(),
              (QStringList{"destination", "encoding", "encodingConfidence", "items", "skipped"}));
    EXPECT_EQ(result.value("destination").toString(), QFileInfo(out).canonicalFilePath());
    EXPECT_EQ(swtest::FixtureTree::bytesAt(out + QStringLiteral("/top/a.txt")), "hello");
    QStringList listed;
    for (const QJsonValue &v : result.value("items").toArray()) {
        const QJsonObject item = v.toObject();
        EXPECT_EQ(item.keys(), (QStringList{"path", "size", "type"}));
        listed << QStringLiteral("%1 %2 %3")
                      .arg(item.value("type").toString(), item.value("path").toString())
                      .arg(item.value("size").toInteger());
    }
    listed.sort();
    EXPECT_EQ(listed,
              (QStringList{"dir top 0", "dir top/sub 0", "file top/a.txt 5", "file top/sub/b.bin 3"}));
    EXPECT_EQ(entries(tmp), QStringList());

    // Without -C: a folder named after the archive inside a new temporary
    // folder, and its path is the one line printed.
    const CliRun paged = extract({zip});
    ASSERT_EQ(paged.code, 0) << paged.err.toStdString();
    const QString destination = QString::fromLocal8Bit(paged.out).trimmed();
    const QFileInfo temporary(QFileInfo(destination).path());
    EXPECT_EQ(temporary.path(), QFileInfo(tmp).canonicalFilePath());
    EXPECT_EQ(entries(tmp), QStringList{temporary.fileName()});
    EXPECT_EQ(QFileInfo(destination).fileName(), QFileInfo(zip).completeBaseName());
    EXPECT_EQ(swtest::FixtureTree::bytesAt(destination + QStringLiteral("/top/sub/b.bin")), "abc");
}

TEST_F(ExtractCommand, TarWritingThroughALinkToOutsideLeavesOutsideUntouchedAndReportsTheSkip)
{
    const QString outside = tree.folder(QStringLiteral("outside"));
    tree.link(QStringLiteral("one/evil"), outside);
    tree.text(QStringLiteral("two/evil/pwned"), "gotcha");
    ASSERT_TRUE(make(QStringLiteral("one"), {QStringLiteral("tar"), QStringLiteral("-cf"),
                                             QStringLiteral("../h.tar"), QStringLiteral("evil")}));
    ASSERT_TRUE(make(QStringLiteral("two"), {QStringLiteral("tar"), QStringLiteral("-rf"),
                                             QStringLiteral("../h.tar"), QStringLiteral("evil/pwned")}));
    const QString tar = tree.path(QStringLiteral("h.tar"));

    const CliRun json =
        extract({tar, QStringLiteral("-C"), tree.folder(QStringLiteral("out")), QStringLiteral("--json")});
    EXPECT_EQ(json.code, 0) << json.err.toStdString();
    EXPECT_EQ(entries(outside), QStringList());
    QStringList skipped;
    for (const QJsonValue &v : parsed(json).value("skipped").toArray())
        skipped << v.toObject().value("path").toString();
    EXPECT_TRUE(skipped.contains(QStringLiteral("evil"))) << json.out.toStdString();

    const CliRun text = extract({tar, QStringLiteral("-C"), tree.folder(QStringLiteral("out2"))});
    EXPECT_EQ(entries(outside), QStringList());
    EXPECT_TRUE(text.err.contains("skipped evil")) << text.err.toStdString();
}

TEST_F(ExtractCommand, PasswordComesFromAFileOrStdinAndAFailureSaysWhich)
{
    tree.text(QStringLiteral("src/note.txt"), "secret note");
    ASSERT_TRUE(make(QStringLiteral("src"),
                     {QStringLiteral("zip"), QStringLiteral("-q"), QStringLiteral("-P"),
                      QStringLiteral("s3cret"), QStringLiteral("../crypt.zip"), QStringLiteral("note.txt")}));
    // Encrypted names: 7zz's side, and even the listing needs the password.
    ASSERT_TRUE(
        make(QStringLiteral("src"),
             {QStringLiteral("7zz"), QStringLiteral("a"), QStringLiteral("-bd"), QStringLiteral("-ps3cret"),
              QStringLiteral("-mhe=on"), QStringLiteral("../crypt.7z"), QStringLiteral("note.txt")}));
    const QString zip = tree.path(QStringLiteral("crypt.zip"));
    const QString sevenZip = tree.path(QStringLiteral("crypt.7z"));
    const QString right = tree.text(QStringLiteral("right"), "s3cret\n");  // the line end is not part of it
    const QString wrong = tree.text(QStringLiteral("wrong"), "guess\n");

    const CliRun fromFile = extract({zip, QStringLiteral("-C"), tree.folder(QStringLiteral("a")),
                                     QStringLiteral("--password-file"), right});
    EXPECT_EQ(fromFile.code, 0) << fromFile.err.toStdString();
    EXPECT_EQ(swtest::FixtureTree::bytesAt(tree.path(QStringLiteral("a/note.txt"))), "secret note");

    const CliRun fromStdin = extract({sevenZip, QStringLiteral("-C"), tree.folder(QStringLiteral("b")),
                                      QStringLiteral("--password-stdin")},
                                     {QStringLiteral("sh"), QStringLiteral("-c"),
                                      QStringLiteral("printf 's3cret\\nmore\\n' | \"$0\" \"$@\"")});
    EXPECT_EQ(fromStdin.code, 0) << fromStdin.err.toStdString();
    EXPECT_EQ(swtest::FixtureTree::bytesAt(tree.path(QStringLiteral("b/note.txt"))), "secret note");

    const CliRun wrongOne = extract({sevenZip, QStringLiteral("-C"), tree.folder(QStringLiteral("c")),
                                     QStringLiteral("--password-file"), wrong});
    EXPECT_EQ(wrongOne.code, 1);
    EXPECT_TRUE(wrongOne.err.contains("Wrong password")) << wrongOne.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(tree.path(QStringLiteral("c/note.txt"))));

    // No option and no terminal on stdin: nobody to ask.
    const CliRun none = extract({zip, QStringLiteral("-C"), tree.folder(QStringLiteral("d"))});
    EXPECT_EQ(none.code, 1);
    EXPECT_TRUE(none.err.contains("Password required")) << none.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(tree.path(QStringLiteral("d/note.txt"))));
}

TEST_F(ExtractCommand, ListingAndUsageErrorsWriteNothing)
{
    const QString zip = topZip();
    const QString out = tree.path(QStringLiteral("out"));
    const CliRun listed = extract({zip, QStringLiteral("-C"), out, QStringLiteral("--list")});
    EXPECT_EQ(listed.code, 0) << listed.err.toStdString();
    EXPECT_TRUE(listed.out.contains("file            5  top/a.txt\n")) << listed.out.toStdString();
    EXPECT_FALSE(QFileInfo::exists(out));
    EXPECT_EQ(extract({zip, QStringLiteral("--list"), QStringLiteral("--json")}).code, 0);
    EXPECT_EQ(entries(tmp), QStringList());

    const CliRun unknown = extract({zip, QStringLiteral("--encoding"), QStringLiteral("klingon-8")});
    EXPECT_EQ(unknown.code, 2);
    EXPECT_TRUE(unknown.err.contains("--encoding list")) << unknown.err.toStdString();
    const QString file = tree.text(QStringLiteral("pw"), "x\n");
    EXPECT_EQ(
        extract({zip, QStringLiteral("--password-file"), file, QStringLiteral("--password-stdin")}).code, 2);
    EXPECT_EQ(extract({zip, QStringLiteral("-C"), file}).code, 2);
    EXPECT_EQ(extract({zip, QStringLiteral("-C"), tree.path(QStringLiteral("no/such"))}).code, 2);
    EXPECT_EQ(entries(tmp), QStringList());
    EXPECT_FALSE(QFileInfo::exists(tree.path(QStringLiteral("no"))));
}

TEST_F(ExtractCommand, ShiftJisNamesDecodeWithTheEncodingGiven)
{
    const QString zip = sjisZip();
    const QString out = tree.folder(QStringLiteral("out"));
    const CliRun run = extract({zip, QStringLiteral("-C"), out, QStringLiteral("--encoding"),
                                QStringLiteral("Shift_JIS"), QStringLiteral("--json")});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    const QString name = QStringLiteral("表計算.txt");
    EXPECT_EQ(entries(out), QStringList{name});
    EXPECT_EQ(swtest::FixtureTree::bytesAt(out + QLatin1Char('/') + name), "sjis");
    EXPECT_EQ(parsed(run).value("items").toArray().first().toObject().value("path").toString(), name);
}

// A FIFO in place of the settings file, where the encoding of names that
// are not UTF-8 is read from, made the extraction wait forever for a writer.
TEST_F(ExtractCommand, AFifoAsTheSettingsFileIsPassedOverNotWaitedOn)
{
    const QString zip = sjisZip();
    const QString settings = tree.folder(QStringLiteral("config/Sweepwright")) + QStringLiteral("/Sweepwright.conf");
    ASSERT_EQ(::mkfifo(QFile::encodeName(settings).constData(), 0600), 0);
    const QString out = tree.folder(QStringLiteral("out"));
    const CliRun run = extract({zip, QStringLiteral("-C"), out});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("is not a regular file")) << run.err.toStdString();
    EXPECT_EQ(entries(out).size(), 1);
    struct stat st;
    ASSERT_EQ(::lstat(QFile::encodeName(settings).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

// A .dat that is no TNEF stream printed the decoder's complaint on standard
// output before the JSON, and nothing at all when it failed; the winmail
// folder stayed behind, empty.
TEST_F(ExtractCommand, AFailureWithJsonPrintsOnlyAJsonObjectAndLeavesNoFolder)
{
    tree.text(QStringLiteral("src/a.txt"), "alpha");
    ASSERT_TRUE(make(QStringLiteral("src"), {QStringLiteral("zip"), QStringLiteral("-q"), QStringLiteral("../a.zip"),
                                             QStringLiteral("a.txt")}));
    const QString dat = tree.text(QStringLiteral("winmail.dat"), "this is no TNEF stream\n");
    tree.file(QStringLiteral("src/big.bin"), 300000);
    ASSERT_TRUE(make(QStringLiteral("src"), {QStringLiteral("zip"), QStringLiteral("-q0"), QStringLiteral("../cut.zip"),
                                             QStringLiteral("a.txt"), QStringLiteral("big.bin")}));
    QFile cut(tree.path(QStringLiteral("cut.zip")));
    ASSERT_TRUE(cut.open(QIODevice::ReadWrite) && cut.resize(cut.size() * 2 / 3));
    cut.close();
    const QString here = tree.folder(QStringLiteral("here"));
    struct Row
    {
        const char *name;
        QStringList args;
        QStringList env;
        const char *error;
    };
    const Row rows[] = {
        {"not TNEF", {dat, QStringLiteral("--json")}, {}, "Not a winmail.dat file"},
        {"not TNEF into a new folder", {dat, QStringLiteral("-C"), tree.path(QStringLiteral("made")), QStringLiteral("--json")},
         {}, "Not a winmail.dat file"},
        {"cut short into a new folder",
         {tree.path(QStringLiteral("cut.zip")), QStringLiteral("-C"), tree.path(QStringLiteral("made")), QStringLiteral("--json")},
         {}, "Truncated"},
        {"TMPDIR missing", {tree.path(QStringLiteral("a.zip")), QStringLiteral("--json")},
         {QStringLiteral("TMPDIR=") + tree.path(QStringLiteral("gone"))}, "TMPDIR ("},
        {"TMPDIR relative", {dat, QStringLiteral("--json")}, {QStringLiteral("TMPDIR=rel")}, "TMPDIR (rel)"},
        {"missing file", {tree.path(QStringLiteral("none.zip")), QStringLiteral("--json")}, {}, "No such file"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const swtest::TreeSnapshot before = swtest::TreeSnapshot::of(tree.root());
        const CliRun run = swtest::runCli(QStringList{QStringLiteral("extract")} + row.args,
                                          tree.path(QStringLiteral("config")), here,
                                          row.env.isEmpty() ? QStringList{QStringLiteral("TMPDIR=") + tmp} : row.env);
        EXPECT_EQ(run.code, 1) << run.err.toStdString();
        const QJsonObject result = parsed(run);
        EXPECT_TRUE(result.value("error").toString().contains(QLatin1String(row.error)))
            << run.out.toStdString();
        EXPECT_TRUE(run.err.contains(row.error)) << run.err.toStdString();
        EXPECT_EQ(result.value("items").toArray(), QJsonArray());
        const swtest::TreeSnapshot after = swtest::TreeSnapshot::of(tree.root());
        EXPECT_EQ(before.vanished(after), QStringList());
        EXPECT_EQ(after.vanished(before).filter(QRegularExpression(QStringLiteral("/(config|tmp)(/|$)")))
                      .size(), after.vanished(before).size())
            << after.vanished(before).join(QLatin1Char(' ')).toStdString();
    }
}

// A name holding a line break printed as it was, so a crafted name could
// add lines of its own to the listing.
TEST_F(ExtractCommand, ListingShowsControlCharactersEscaped)
{
    const QString crafted = QStringLiteral("notes\nfile         666  passwd\x1b[2K");
    tree.text(QStringLiteral("src/") + crafted, "x");
    ASSERT_TRUE(make(QStringLiteral("src"), {QStringLiteral("tar"), QStringLiteral("-cf"), QStringLiteral("../n.tar"),
                                             QStringLiteral(".")}));
    const CliRun run = extract({tree.path(QStringLiteral("n.tar")), QStringLiteral("--list")});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    const QStringList lines = QString::fromUtf8(run.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_EQ(lines.size(), 1) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains("notes\\nfile         666  passwd\\x1b[2K\n")) << run.out.toStdString();
    EXPECT_FALSE(run.out.contains('\x1b'));
}

// An entry naming a folder that exists rewrote its mode (0700 to 0775) and
// time and listed it as extracted, so "-C ~" could open up ~/.ssh.
TEST_F(ExtractCommand, AnExistingFolderIsNeitherChangedNorListed)
{
    const QString home = tree.folder(QStringLiteral("home"));
    const QString ssh = tree.folder(QStringLiteral("home/.ssh"));
    tree.text(QStringLiteral("home/.ssh/authorized_keys"), "mine\n");
    ASSERT_EQ(::chmod(QFile::encodeName(ssh).constData(), 0700), 0);
    tree.text(QStringLiteral("src/.ssh/authorized_keys"), "theirs\n");
    tree.text(QStringLiteral("src/.ssh/new/x"), "x");
    ASSERT_EQ(::chmod(QFile::encodeName(tree.path(QStringLiteral("src/.ssh"))).constData(), 0775), 0);
    const struct timespec archived[2] = {{1500000000, 0}, {1500000000, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(tree.path(QStringLiteral("src/.ssh"))).constData(), archived, 0), 0);
    ASSERT_TRUE(make(QStringLiteral("src"), {QStringLiteral("tar"), QStringLiteral("-cf"), QStringLiteral("../ssh.tar"),
                                             QStringLiteral(".ssh")}));
    const swtest::TreeSnapshot before = swtest::TreeSnapshot::of(home);

    const CliRun run = extract({tree.path(QStringLiteral("ssh.tar")), QStringLiteral("-C"), home, QStringLiteral("--json")});

    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    struct stat st;
    ASSERT_EQ(::stat(QFile::encodeName(ssh).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, mode_t(0700));
    EXPECT_NE(st.st_mtim.tv_sec, 1500000000);  // new entries in it change its time, the archive's does not
    QStringList listed;
    for (const QJsonValue &v : parsed(run).value("items").toArray())
        listed << v.toObject().value("path").toString();
    listed.sort();
    EXPECT_EQ(listed, (QStringList{".ssh/authorized_keys 2", ".ssh/new", ".ssh/new/x"}));
    const swtest::TreeSnapshot after = swtest::TreeSnapshot::of(home);
    EXPECT_EQ(before.vanished(after), QStringList());
    EXPECT_EQ(before.changed(after), QStringList());
    EXPECT_EQ(after.vanished(before), (QStringList{ssh + "/authorized_keys 2", ssh + "/new", ssh + "/new/x"}));
}

// A hard link's entry was listed with the size 0 although its file has the bytes.
TEST_F(ExtractCommand, AHardLinkIsListedWithTheSizeOfItsFile)
{
    tree.text(QStringLiteral("src/f"), "12345");
    ASSERT_EQ(::link(QFile::encodeName(tree.path(QStringLiteral("src/f"))).constData(),
                     QFile::encodeName(tree.path(QStringLiteral("src/g"))).constData()),
              0);
    ASSERT_TRUE(make(QStringLiteral("src"), {QStringLiteral("tar"), QStringLiteral("-cf"), QStringLiteral("../h.tar"),
                                             QStringLiteral("f"), QStringLiteral("g")}));
    const QString out = tree.path(QStringLiteral("out"));
    const CliRun run = extract({tree.path(QStringLiteral("h.tar")), QStringLiteral("-C"), out, QStringLiteral("--json")});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    for (const QJsonValue &v : parsed(run).value("items").toArray()) {
        const QJsonObject item = v.toObject();
        EXPECT_EQ(item.value("size").toInteger(), QFileInfo(out + QLatin1Char('/') + item.value("path").toString()).size())
            << item.value("path").toString().toStdString();
        EXPECT_EQ(item.value("size").toInteger(), 5);
    }
}

// Killed while it wrote a large entry, extract left the file cut short under
// the entry's own name.
TEST_F(ExtractCommand, AKilledExtractionLeavesNoFileCutShortUnderItsName)
{
    ASSERT_TRUE(make(QStringLiteral("."), {QStringLiteral("sh"), QStringLiteral("-c"),
                                           QStringLiteral("truncate -s 512M big && tar -cf - big | gzip -1 > big.tar.gz")}));
    const QString out = tree.folder(QStringLiteral("out"));
    QProcess cli;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), tree.path(QStringLiteral("config")));
    cli.setProcessEnvironment(env);
    cli.start(QStringLiteral(SWEEPWRIGHT_CLI), {QStringLiteral("extract"), tree.path(QStringLiteral("big.tar.gz")),
                                                QStringLiteral("-C"), out});
    ASSERT_TRUE(cli.waitForStarted());
    // Killed once it has written some of the entry's 512 MiB.
    const QString io = QStringLiteral("/proc/%1/io").arg(cli.processId());
    qint64 written = 0;
    for (int i = 0; i < 100000 && written < (8 << 20) && cli.state() == QProcess::Running; ++i) {
        QFile file(io);
        if (file.open(QIODevice::ReadOnly))
            for (const QByteArray &line : file.readAll().split('\n'))
                if (line.startsWith("wchar: "))
                    written = line.mid(7).toLongLong();
        QThread::usleep(100);
    }
    ASSERT_EQ(cli.state(), QProcess::Running) << "the extraction ended before it could be killed";
    ::kill(pid_t(cli.processId()), SIGKILL);
    cli.waitForFinished();
    EXPECT_GE(written, 8 << 20);
    for (const QString &name : entries(out))
        EXPECT_TRUE(name.startsWith(QLatin1String(".sweepwright-part-"))) << name.toStdString();
    EXPECT_FALSE(QFileInfo::exists(out + QStringLiteral("/big")));
}

// Archives that make the reader loop in place ran for ever: Ctrl-C did
// not reach them, and nothing else ended them.
TEST_F(ExtractCommand, AReaderStuckInALoopEndsAsDamagedOrOnCtrlC)
{
    const swtest::LoopingArchives looping(tree.root());
    const QString iso = looping.iso();
    ASSERT_FALSE(iso.isEmpty());
    for (const QString &archive : {iso, looping.xar()}) {
        SCOPED_TRACE(archive.toStdString());
        const CliRun run = swtest::runCli({QStringLiteral("extract"), archive, QStringLiteral("--json")},
                                          tree.path(QStringLiteral("config")), QString(),
                                          {QStringLiteral("TMPDIR=") + tmp, QStringLiteral("SWEEPWRIGHT_STALL_LIMIT_MS=1000")});
        EXPECT_EQ(run.code, 1) << run.err.toStdString();
        EXPECT_TRUE(parsed(run).value("error").toString().startsWith(QLatin1String("Damaged archive")))
            << run.out.toStdString();
        EXPECT_EQ(entries(tmp), QStringList());
    }

    QProcess cli;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), tree.path(QStringLiteral("config")));
    env.insert(QStringLiteral("TMPDIR"), tmp);
    env.remove(QStringLiteral("SWEEPWRIGHT_STALL_LIMIT_MS"));
    cli.setProcessEnvironment(env);
    QElapsedTimer clock;
    clock.start();
    cli.start(QStringLiteral(SWEEPWRIGHT_CLI), {QStringLiteral("extract"), iso});
    ASSERT_TRUE(cli.waitForStarted());
    QThread::msleep(500);
    ::kill(pid_t(cli.processId()), SIGINT);
    ASSERT_TRUE(cli.waitForFinished(10000));
    EXPECT_EQ(cli.exitCode(), 130);
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_EQ(entries(tmp), QStringList());
}

}  // namespace
