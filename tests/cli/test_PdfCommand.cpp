// SPDX-License-Identifier: GPL-3.0-or-later
// sweepwright-cli pdf, run as a program on documents the test makes: the
// result, -o over a file and over a link another user planted, a document in
// a folder only others may write, SIGTERM and SIGHUP, an unusable TMPDIR.

#include "CliRunner.h"
#include "support/FixtureTree.h"
#include "support/PdfFixture.h"
#include "support/TreeSnapshot.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class PdfCommand : public ::testing::Test
{
protected:
    void SetUp() override
    {
        swtest::ensureCoreApplication();
        ASSERT_TRUE(tree.isValid());
        if (QStandardPaths::findExecutable(QStringLiteral("gs")).isEmpty())
            GTEST_SKIP() << "Ghostscript is not installed";
    }
    swtest::CliRun run(const QStringList &args, const QByteArray &input = QByteArray())
    {
        return swtest::runCli(QStringList{QStringLiteral("pdf")} + args, tree.path(QStringLiteral("config")),
                              tree.root(), {QStringLiteral("TMPDIR=") + tree.folder(QStringLiteral("tmp"))}, {},
                              input);
    }
    swtest::FixtureTree tree;
};

TEST_F(PdfCommand, JsonTellsTheCopyAndOutReplacesOnlyWithYes)
{
    const QString source = tree.path(QStringLiteral("photos.pdf"));
    ASSERT_TRUE(swtest::writePhotoPdf(source, 2));
    const swtest::CliRun made = run({QStringLiteral("photos.pdf"), QStringLiteral("--quality"), QStringLiteral("1"),
                                     QStringLiteral("--json")});
    ASSERT_EQ(made.code, 0) << made.err.constData();
    const QJsonObject json = QJsonDocument::fromJson(made.out).object();
    EXPECT_EQ(json.value(QStringLiteral("pdfPath")).toString(), source);
    EXPECT_EQ(json.value(QStringLiteral("pageCount")).toInt(), 2);
    EXPECT_EQ(json.value(QStringLiteral("pdfSize")).toInteger(), QFileInfo(source).size());
    const QString output = json.value(QStringLiteral("outputPath")).toString();
    EXPECT_TRUE(output.startsWith(tree.path(QStringLiteral("tmp/Sweepwright/")))) << output.toStdString();
    EXPECT_EQ(json.value(QStringLiteral("outputSize")).toInteger(), QFileInfo(output).size());
    EXPECT_LT(json.value(QStringLiteral("outputSize")).toInteger(), QFileInfo(source).size());
    EXPECT_EQ(json.value(QStringLiteral("quality")).toInt(), 1);
    EXPECT_FALSE(json.value(QStringLiteral("keptOriginal")).toBool(true));
    EXPECT_FALSE(json.value(QStringLiteral("protectionRemoved")).toBool(true));

    // An existing -o target: nobody to ask, so it stays; --yes replaces it.
    const QString target = tree.text(QStringLiteral("out.pdf"), "mine");
    const swtest::CliRun refused = run({QStringLiteral("photos.pdf"), QStringLiteral("-o"), target});
    EXPECT_EQ(refused.code, 2);
    EXPECT_EQ(QFileInfo(target).size(), 4);
    const swtest::CliRun replaced = run({QStringLiteral("photos.pdf"), QStringLiteral("-o"), target,
                                         QStringLiteral("--yes")});
    EXPECT_EQ(replaced.code, 0) << replaced.err.constData();
    EXPECT_GT(QFileInfo(target).size(), 4);
    QFile replacedFile(target);
    ASSERT_TRUE(replacedFile.open(QIODevice::ReadOnly));
    EXPECT_TRUE(replacedFile.readAll().startsWith("%PDF"));
}

TEST_F(PdfCommand, WrongPasswordAndNotAPdfExitOneWithAReason)
{
    if (!swtest::hasQpdf())
        GTEST_SKIP() << "qpdf is not installed";
    ASSERT_TRUE(swtest::writeTextPdf(tree.path(QStringLiteral("plain.pdf"))));
    ASSERT_TRUE(swtest::encryptPdf(tree.path(QStringLiteral("plain.pdf")), tree.path(QStringLiteral("locked.pdf")),
                                   QStringLiteral("right"), QStringLiteral("owner")));
    const swtest::CliRun wrong = run({QStringLiteral("locked.pdf"), QStringLiteral("--password-stdin")}, "wrong\n");
    EXPECT_EQ(wrong.code, 1);
    EXPECT_TRUE(wrong.err.contains("wrong password")) << wrong.err.constData();
    const swtest::CliRun right = run({QStringLiteral("locked.pdf"), QStringLiteral("--password-stdin"),
                                      QStringLiteral("--json")},
                                     "right\n");
    EXPECT_EQ(right.code, 0) << right.err.constData();
    // No smaller copy of one line of text: the copy is the source, still protected.
    const QJsonObject json = QJsonDocument::fromJson(right.out).object();
    EXPECT_TRUE(json.value(QStringLiteral("keptOriginal")).toBool());
    EXPECT_FALSE(json.value(QStringLiteral("protectionRemoved")).toBool(true));

    tree.text(QStringLiteral("fake.pdf"), "not a pdf");
    const swtest::CliRun fake = run({QStringLiteral("fake.pdf")});
    EXPECT_EQ(fake.code, 1);
    EXPECT_TRUE(fake.err.contains("not a PDF")) << fake.err.constData();
}

// -o LINK --yes used to write through the link (over the user's ~/.bashrc)
// and to create a dangling link's target; and every -o left a second copy in
// the private folder.
TEST_F(PdfCommand, OutThatIsALinkIsReplacedNeverFollowedAndNoSecondCopyStays)
{
    ASSERT_TRUE(swtest::writePhotoPdf(tree.path(QStringLiteral("photos.pdf")), 1));
    tree.text(QStringLiteral("home/.bashrc"), "alias ls='ls -F'\n");
    for (const char *target : {"home/.bashrc", "home/.profile"}) {
        SCOPED_TRACE(target);
        const QString out = tree.path(QStringLiteral("shared/out.pdf"));
        QFile::remove(out);
        ASSERT_FALSE(tree.link(QStringLiteral("shared/out.pdf"), tree.path(QLatin1String(target))).isEmpty());
        const swtest::TreeSnapshot home = swtest::TreeSnapshot::of(tree.path(QStringLiteral("home")));
        const swtest::CliRun made = run({QStringLiteral("photos.pdf"), QStringLiteral("-o"), out,
                                         QStringLiteral("--yes"), QStringLiteral("--json")});
        ASSERT_EQ(made.code, 0) << made.err.constData();
        EXPECT_EQ(swtest::TreeSnapshot::of(tree.path(QStringLiteral("home"))).entries(), home.entries());
        EXPECT_FALSE(QFileInfo(out).isSymLink());
        EXPECT_EQ(QFileInfo(out).size(), QJsonDocument::fromJson(made.out).object().value(QStringLiteral("outputSize")).toInteger());
        EXPECT_TRUE(QDir(tree.path(QStringLiteral("tmp/Sweepwright")))
                        .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                        .isEmpty());
    }
}

// The size helper answers 0 for a file the user may not delete, so a PDF in
// a folder only others may write was "Already compact".
TEST_F(PdfCommand, ADocumentInAFolderOnlyOthersMayWriteIsMeasuredByItsOwnSize)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "becoming another user needs root";
    const QString source = tree.path(QStringLiteral("shelf/photos.pdf"));
    tree.folder(QStringLiteral("shelf"));
    ASSERT_TRUE(swtest::writePhotoPdf(source, 1));
    const QString tmp = tree.folder(QStringLiteral("nobody-tmp"));
    const QString config = tree.folder(QStringLiteral("nobody-config"));
    for (const QString &path : {tree.root(), tree.path(QStringLiteral("shelf"))})
        ::chmod(QFile::encodeName(path).constData(), 0755);
    ::chmod(QFile::encodeName(source).constData(), 0644);
    QProcess::execute(QStringLiteral("chown"), {QStringLiteral("-R"), QStringLiteral("65534:65534"), tmp, config});
    const QStringList asNobody{QStringLiteral("setpriv"), QStringLiteral("--reuid=65534"),
                               QStringLiteral("--regid=65534"), QStringLiteral("--clear-groups")};
    const swtest::CliRun made = swtest::runCli({QStringLiteral("pdf"), source, QStringLiteral("--json")}, config,
                                               tree.root(), {QStringLiteral("TMPDIR=") + tmp}, asNobody);
    ASSERT_EQ(made.code, 0) << made.err.constData();
    const QJsonObject json = QJsonDocument::fromJson(made.out).object();
    EXPECT_EQ(json.value(QStringLiteral("pdfSize")).toInteger(), QFileInfo(source).size());
    EXPECT_FALSE(json.value(QStringLiteral("keptOriginal")).toBool(true));
    EXPECT_LT(json.value(QStringLiteral("outputSize")).toInteger(), QFileInfo(source).size());
}

// SIGTERM and SIGHUP used to end the program with gs still running and its
// output left in the private folder.
TEST_F(PdfCommand, TermAndHangupStopGhostscriptAndLeaveNoFile)
{
    ASSERT_TRUE(swtest::writeTextPdf(tree.path(QStringLiteral("note.pdf"))));
    const QString pids = tree.path(QStringLiteral("gs-pids"));
    const QString standIn =
        tree.text(QStringLiteral("gs"), "#!/bin/sh\necho $$ >> '" + QFile::encodeName(pids) + "'\necho 'Page 1'\nexec sleep 60\n");
    ::chmod(QFile::encodeName(standIn).constData(), 0755);
    for (const int signal : {SIGTERM, SIGHUP}) {
        SCOPED_TRACE(signal);
        QFile::remove(pids);
        QProcess cli;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), tree.path(QStringLiteral("config")));
        env.insert(QStringLiteral("TMPDIR"), tree.folder(QStringLiteral("tmp")));
        env.insert(QStringLiteral("SWEEPWRIGHT_GS"), standIn);
        cli.setProcessEnvironment(env);
        cli.setWorkingDirectory(tree.root());
        cli.start(QStringLiteral(SWEEPWRIGHT_CLI), {QStringLiteral("pdf"), QStringLiteral("note.pdf")});
        ASSERT_TRUE(cli.waitForStarted());
        QList<QByteArray> started;
        for (int i = 0; i < 500 && started.size() < 2; ++i, QThread::msleep(20)) {
            QFile list(pids);
            if (list.open(QIODevice::ReadOnly))
                started = list.readAll().trimmed().split('\n');
        }
        ASSERT_EQ(started.size(), 2);
        ::kill(pid_t(cli.processId()), signal);
        ASSERT_TRUE(cli.waitForFinished(20000));
        EXPECT_EQ(cli.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(cli.exitCode(), 128 + signal);
        for (const QByteArray &pid : started)
            EXPECT_NE(::kill(pid_t(pid.toInt()), 0), 0) << "gs " << pid.constData() << " still runs";
        EXPECT_TRUE(QDir(tree.path(QStringLiteral("tmp/Sweepwright")))
                        .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                        .isEmpty());
    }
}

// With TMPDIR naming no folder the compressor used to try /Sweepwright.
TEST_F(PdfCommand, UnusableTmpdirIsAnErrorNamingIt)
{
    ASSERT_TRUE(swtest::writeTextPdf(tree.path(QStringLiteral("note.pdf"))));
    const QString missing = tree.path(QStringLiteral("gone"));
    for (const QStringList &extra : {QStringList{}, QStringList{QStringLiteral("--dry-run")}}) {
        const swtest::CliRun failed =
            swtest::runCli(QStringList{QStringLiteral("pdf"), QStringLiteral("note.pdf")} + extra,
                           tree.path(QStringLiteral("config")), tree.root(), {QStringLiteral("TMPDIR=") + missing});
        EXPECT_EQ(failed.code, 1);
        EXPECT_TRUE(failed.err.contains(QStringLiteral("TMPDIR (%1) is not an existing folder").arg(missing).toUtf8()))
            << failed.err.constData();
        EXPECT_FALSE(QFileInfo::exists(missing));
    }
}

}  // namespace
