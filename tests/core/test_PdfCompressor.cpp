// The PDF compressor's engine on documents the tests make: three qualities,
// an already small document, passwords of both kinds, files that are not
// PDFs, a Ghostscript that fails in each way it can, a cancel, and an output
// folder another user planted.

#include "FixtureTree.h"
#include "GhostscriptRun.h"
#include "ORPdfFile.h"
#include "PdfCompressor.h"
#include "PdfFixture.h"

#include <QDir>
#include <QFile>
#include <QThread>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <thread>

using namespace swtest;
using sw::PdfCompressor;

namespace {

// Every test gets its own temporary directory, so its output folder too.
class PdfCompressorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ensureCoreApplication();
        ASSERT_TRUE(tree.isValid());
        savedTmp = qgetenv("TMPDIR");
        qputenv("TMPDIR", tree.folder(QStringLiteral("tmp")).toLocal8Bit());
        qunsetenv("SWEEPWRIGHT_GS");
    }
    void TearDown() override
    {
        qputenv("TMPDIR", savedTmp);
        qunsetenv("SWEEPWRIGHT_GS");
    }
    bool hasGs() const { return !PdfCompressor::ghostscript().isEmpty(); }
    // Files left in the output folder, hidden ones included.
    QStringList outputFiles() const
    {
        return QDir(PdfCompressor::outputFolder()).entryList(QDir::Files | QDir::Hidden);
    }
    QString standIn(const QByteArray &script)
    {
        const QString path = tree.text(QStringLiteral("gs-standin"), "#!/bin/sh\n" + script + "\n");
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }

    FixtureTree tree;
    QByteArray savedTmp;
};

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

TEST_F(PdfCompressorTest, ThreeQualitiesGiveThreeSmallerCopiesWithEveryPageUnderNewNames)
{
    if (!hasGs())
        GTEST_SKIP() << "Ghostscript is not installed";
    const QString source = tree.path(QStringLiteral("photos.pdf"));
    ASSERT_TRUE(writePhotoPdf(source, 3));
    const auto file = ORPdfFile::initFileDataFromPath(source);
    ASSERT_EQ(file->pageCount, 3);
    QList<qint64> sizes;
    QStringList paths;
    for (int quality = 0; quality < PdfCompressor::kQualities; ++quality) {
        const sw::PdfCompression result = PdfCompressor::compress(*file, quality, sw::JobControl::unwatched());
        ASSERT_TRUE(result.succeeded()) << result.error.toStdString();
        EXPECT_FALSE(result.keptOriginal);
        EXPECT_FALSE(result.protectionRemoved);
        EXPECT_EQ(result.pageCount, 3);
        EXPECT_EQ(ORPdfFile::initFileDataFromPath(result.outputPath)->pageCount, 3);
        EXPECT_LT(result.outputSize, file->pdfSize);
        sizes << result.outputSize;
        paths << QFileInfo(result.outputPath).fileName();
    }
    EXPECT_LT(sizes[0], sizes[1]);
    EXPECT_LT(sizes[1], sizes[2]);
    EXPECT_EQ(paths, (QStringList{"photos.pdf", "photos(0).pdf", "photos(1).pdf"}));
    // Only the three copies are left: no temporary file, no argument file.
    EXPECT_EQ(outputFiles().size(), 3);
    EXPECT_EQ(QFileInfo(PdfCompressor::outputFolder()).permissions() & 0x0077, 0);
}

TEST_F(PdfCompressorTest, AnAlreadySmallDocumentIsCopiedByteForByte)
{
    if (!hasGs())
        GTEST_SKIP() << "Ghostscript is not installed";
    const QString source = tree.path(QStringLiteral("note.pdf"));
    ASSERT_TRUE(writeTextPdf(source));
    const sw::PdfCompression result =
        PdfCompressor::compress(*ORPdfFile::initFileDataFromPath(source), 1, sw::JobControl::unwatched());
    ASSERT_TRUE(result.succeeded()) << result.error.toStdString();
    EXPECT_TRUE(result.keptOriginal);
    EXPECT_EQ(bytesOf(result.outputPath), bytesOf(source));
    EXPECT_EQ(outputFiles(), QStringList{"note.pdf"});
}

TEST_F(PdfCompressorTest, UserPasswordOpensTheDocumentAndTheCopyIsUnprotected)
{
    if (!hasGs() || !hasQpdf())
        GTEST_SKIP() << "Ghostscript or qpdf is not installed";
    const QString plain = tree.path(QStringLiteral("plain.pdf"));
    const QString locked = tree.path(QStringLiteral("locked.pdf"));
    ASSERT_TRUE(writePhotoPdf(plain, 2));
    // A space and a quote: the password file must carry both.
    const QString password = QStringLiteral("se cr\"et");
    ASSERT_TRUE(encryptPdf(plain, locked, password, QStringLiteral("owner-pw")));
    auto file = ORPdfFile::initFileDataFromPath(locked);
    ASSERT_TRUE(file->isOpen());
    EXPECT_TRUE(file->isLocked());
    EXPECT_TRUE(file->needsPassword());
    EXPECT_FALSE(file->unlockWithPassword(QStringLiteral("wrong")));
    EXPECT_TRUE(file->isLocked());
    ASSERT_TRUE(file->unlockWithPassword(password));
    EXPECT_EQ(file->pageCount, 2);
    const sw::PdfCompression result = PdfCompressor::compress(*file, 0, sw::JobControl::unwatched());
    ASSERT_TRUE(result.succeeded()) << result.error.toStdString();
    EXPECT_TRUE(result.protectionRemoved);
    const auto copy = ORPdfFile::initFileDataFromPath(result.outputPath);
    EXPECT_FALSE(copy->isEncrypted());
    EXPECT_FALSE(copy->needsPassword());
    EXPECT_EQ(copy->pageCount, 2);
}

TEST_F(PdfCompressorTest, KeptSourceKeepsItsProtection)
{
    if (!hasGs() || !hasQpdf())
        GTEST_SKIP() << "Ghostscript or qpdf is not installed";
    const QString plain = tree.path(QStringLiteral("plain.pdf"));
    const QString locked = tree.path(QStringLiteral("locked.pdf"));
    ASSERT_TRUE(writeTextPdf(plain));
    ASSERT_TRUE(encryptPdf(plain, locked, QStringLiteral("pw"), QStringLiteral("owner")));
    auto file = ORPdfFile::initFileDataFromPath(locked);
    ASSERT_TRUE(file->unlockWithPassword(QStringLiteral("pw")));
    const sw::PdfCompression result = PdfCompressor::compress(*file, 2, sw::JobControl::unwatched());
    ASSERT_TRUE(result.succeeded()) << result.error.toStdString();
    EXPECT_TRUE(result.keptOriginal);
    EXPECT_FALSE(result.protectionRemoved);
    EXPECT_EQ(bytesOf(result.outputPath), bytesOf(locked));
}

TEST_F(PdfCompressorTest, OwnerRestrictionsNeedTheOwnersPassword)
{
    if (!hasQpdf())
        GTEST_SKIP() << "qpdf is not installed";
    const QString plain = tree.path(QStringLiteral("plain.pdf"));
    ASSERT_TRUE(writeTextPdf(plain));
    struct Row
    {
        const char *name;
        QStringList restrictions;
    };
    for (const Row &row : {Row{"noprint.pdf", {QStringLiteral("--print=none")}},
                           Row{"nocopy.pdf", {QStringLiteral("--extract=n")}}}) {
        SCOPED_TRACE(row.name);
        const QString path = tree.path(QLatin1String(row.name));
        ASSERT_TRUE(encryptPdf(plain, path, QString(), QStringLiteral("boss"), row.restrictions));
        auto file = ORPdfFile::initFileDataFromPath(path);
        // It opens without a password, yet asks for one.
        EXPECT_FALSE(file->isLocked());
        EXPECT_TRUE(file->needsPassword());
        // A wrong owner password leaves the restriction in place.
        file->unlockWithPassword(QStringLiteral("not the boss"));
        EXPECT_FALSE(file->allowsPrinting() && file->allowsCopying());
        ASSERT_TRUE(file->unlockWithPassword(QStringLiteral("boss")));
        EXPECT_TRUE(file->allowsPrinting());
        EXPECT_TRUE(file->allowsCopying());
        EXPECT_FALSE(file->needsPassword());
    }
}

TEST_F(PdfCompressorTest, WhatIsNotAPdfIsRefusedWithoutBlocking)
{
    const QString text = tree.text(QStringLiteral("notes.pdf"), "just words\n");
    const QString fifo = tree.path(QStringLiteral("pipe.pdf"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString &path : {text, fifo, tree.path(QStringLiteral("missing.pdf"))}) {
        const auto file = ORPdfFile::initFileDataFromPath(path);
        EXPECT_FALSE(file->isOpen());
        EXPECT_EQ(file->pageCount, 0);
        const sw::PdfCompression result = PdfCompressor::compress(*file, 0, sw::JobControl::unwatched());
        EXPECT_TRUE(result.error.startsWith(QStringLiteral("Compression failed: "))) << result.error.toStdString();
        EXPECT_TRUE(result.outputPath.isEmpty());
    }
}

TEST_F(PdfCompressorTest, EveryGhostscriptFailureIsReportedAndLeavesNothing)
{
    const QString source = tree.path(QStringLiteral("two.pdf"));
    PdfPage page;
    page.content = "BT /F1 24 Tf 72 700 Td (Hello) Tj ET";
    ASSERT_TRUE(writePdf(source, {page, page}));
    const QString onePage = tree.path(QStringLiteral("one.pdf"));
    ASSERT_TRUE(writeTextPdf(onePage));
    const auto file = ORPdfFile::initFileDataFromPath(source);
    ASSERT_EQ(file->pageCount, 2);
    // $1 is -dSAFER ... the output name is the fifth argument.
    const QString out = QStringLiteral("out=$(echo \"$5\" | sed 's/^-sOutputFile=//')");
    struct Row
    {
        const char *name;
        QByteArray script;
        const char *reason;
    };
    const Row rows[] = {
        {"exits non-zero", "echo 'Unrecoverable error, exit code 1' >&2; exit 1",
         "Ghostscript ended with status 1: Unrecoverable error, exit code 1"},
        {"is killed", "kill -9 $$", "Ghostscript stopped unexpectedly"},
        {"writes no PDF", out.toUtf8() + "; echo garbage > \"$out\"; exit 0", "Ghostscript left no readable PDF"},
        {"drops a page", out.toUtf8() + "; cp '" + QFile::encodeName(onePage) + "' \"$out\"",
         "the copy has 1 of the 2 pages"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        qputenv("SWEEPWRIGHT_GS", QFile::encodeName(standIn(row.script)));
        const sw::PdfCompression result = PdfCompressor::compress(*file, 0, sw::JobControl::unwatched());
        EXPECT_TRUE(result.error.startsWith(QStringLiteral("Compression failed: ") + QLatin1String(row.reason)))
            << result.error.toStdString();
        EXPECT_TRUE(outputFiles().isEmpty()) << outputFiles().join(' ').toStdString();
    }
    qputenv("SWEEPWRIGHT_GS", QFile::encodeName(tree.path(QStringLiteral("no-such-gs"))));
    EXPECT_TRUE(PdfCompressor::compress(*file, 0, sw::JobControl::unwatched())
                    .error.startsWith(QStringLiteral("Compression failed: Ghostscript could not be started")));
}

TEST_F(PdfCompressorTest, CancelStopsGhostscriptAndLeavesNoFile)
{
    const QString source = tree.path(QStringLiteral("note.pdf"));
    ASSERT_TRUE(writeTextPdf(source));
    qputenv("SWEEPWRIGHT_GS", QFile::encodeName(standIn("echo 'Page 1'; exec sleep 60")));
    sw::JobControl job;
    std::thread canceller([&job] {
        while (job.progress().items < 1)
            QThread::msleep(10);
        job.cancel();
    });
    const sw::PdfCompression result =
        PdfCompressor::compress(*ORPdfFile::initFileDataFromPath(source), 0, job);
    canceller.join();
    EXPECT_TRUE(result.cancelled);
    EXPECT_TRUE(result.outputPath.isEmpty());
    EXPECT_TRUE(outputFiles().isEmpty());
}

TEST_F(PdfCompressorTest, AnOutputFolderThatIsALinkIsRefused)
{
    const QString source = tree.path(QStringLiteral("note.pdf"));
    ASSERT_TRUE(writeTextPdf(source));
    const QString elsewhere = tree.folder(QStringLiteral("elsewhere"));
    ASSERT_TRUE(QFile::link(elsewhere, PdfCompressor::outputFolder()));
    const sw::PdfCompression result =
        PdfCompressor::compress(*ORPdfFile::initFileDataFromPath(source), 0, sw::JobControl::unwatched());
    EXPECT_TRUE(result.error.contains(QStringLiteral("not a private folder"))) << result.error.toStdString();
    EXPECT_TRUE(QDir(elsewhere).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

TEST(GhostscriptRun, PasswordArgumentsCarryQuotesButNotWhatGsCannotRead)
{
    EXPECT_EQ(sw::GhostscriptRun::passwordArgument(QStringLiteral("a b\"c\\d")), "\"-sPDFPassword=a b\\\"c\\d\"\n");
    EXPECT_FALSE(sw::GhostscriptRun::passwordArgument(QStringLiteral("ends\\")));
    EXPECT_FALSE(sw::GhostscriptRun::passwordArgument(QStringLiteral("a\\\"b")));
    EXPECT_FALSE(sw::GhostscriptRun::passwordArgument(QStringLiteral("two\nlines")));
}
