// SPDX-License-Identifier: GPL-3.0-or-later
// The PDF compressor's engine on documents the tests make: three qualities,
// an already small document, passwords of both kinds, files that are not
// PDFs, a Ghostscript that fails in each way it can, a cancel, an output
// folder another user planted, an unusable TMPDIR, what killed runs left,
// documents built to exhaust gs, and which images may become JPEG.

#include "core/pdf/GhostscriptRun.h"
#include "core/pdf/ORPdfFile.h"
#include "core/pdf/PdfCompressor.h"
#include "support/FixtureTree.h"
#include "support/PdfFixture.h"
#include "support/TreeSnapshot.h"

#include <QDir>
#include <QFile>
#include <QBuffer>
#include <QElapsedTimer>
#include <QImage>
#include <QThread>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
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
        sw::JobControl job;
        const sw::PdfCompression result = PdfCompressor::compress(*file, quality, job);
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
    sw::JobControl job;
    const sw::PdfCompression result = PdfCompressor::compress(*ORPdfFile::initFileDataFromPath(source), 1, job);
    ASSERT_TRUE(result.succeeded()) << result.error.toStdString();
    EXPECT_TRUE(result.keptOriginal);
    EXPECT_EQ(FixtureTree::bytesAt(result.outputPath), FixtureTree::bytesAt(source));
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
    sw::JobControl job;
    const sw::PdfCompression result = PdfCompressor::compress(*file, 0, job);
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
    sw::JobControl job;
    const sw::PdfCompression result = PdfCompressor::compress(*file, 2, job);
    ASSERT_TRUE(result.succeeded()) << result.error.toStdString();
    EXPECT_TRUE(result.keptOriginal);
    EXPECT_FALSE(result.protectionRemoved);
    EXPECT_EQ(FixtureTree::bytesAt(result.outputPath), FixtureTree::bytesAt(locked));
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
        sw::JobControl job;
        const sw::PdfCompression result = PdfCompressor::compress(*file, 0, job);
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
        sw::JobControl job;
        const sw::PdfCompression result = PdfCompressor::compress(*file, 0, job);
        EXPECT_TRUE(result.error.startsWith(QStringLiteral("Compression failed: ") + QLatin1String(row.reason)))
            << result.error.toStdString();
        EXPECT_TRUE(outputFiles().isEmpty()) << outputFiles().join(' ').toStdString();
    }
    qputenv("SWEEPWRIGHT_GS", QFile::encodeName(tree.path(QStringLiteral("no-such-gs"))));
    sw::JobControl job;
    EXPECT_TRUE(PdfCompressor::compress(*file, 0, job)
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
    sw::JobControl job;
    const sw::PdfCompression result = PdfCompressor::compress(*ORPdfFile::initFileDataFromPath(source), 0, job);
    EXPECT_TRUE(result.error.contains(QStringLiteral("not a private folder"))) << result.error.toStdString();
    EXPECT_TRUE(QDir(elsewhere).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

TEST_F(PdfCompressorTest, TmpdirThatIsNoFolderIsAnErrorNamingIt)
{
    const QString source = tree.path(QStringLiteral("note.pdf"));
    ASSERT_TRUE(writeTextPdf(source));
    const bool rootFolderWasThere = QFileInfo::exists(QStringLiteral("/Sweepwright"));
    const QString missing = tree.path(QStringLiteral("no-such-folder"));
    qputenv("TMPDIR", QFile::encodeName(missing));
    sw::JobControl job;
    const sw::PdfCompression result = PdfCompressor::compress(*ORPdfFile::initFileDataFromPath(source), 0, job);
    EXPECT_TRUE(result.error.startsWith(QStringLiteral("Compression failed: TMPDIR (") + missing))
        << result.error.toStdString();
    EXPECT_FALSE(QFileInfo::exists(missing));
    EXPECT_EQ(QFileInfo::exists(QStringLiteral("/Sweepwright")), rootFolderWasThere);
}

// Runs killed with SIGKILL leave their hidden folders, and older versions
// left hidden files and gs's empty gs_* files in the folder itself: the next
// run removes them, unless another run is going on, and nothing else.
TEST_F(PdfCompressorTest, WhatKilledRunsLeftIsRemovedAtTheNextStartOnly)
{
    const QString source = tree.path(QStringLiteral("note.pdf"));
    ASSERT_TRUE(writeTextPdf(source));
    const QString folder = PdfCompressor::outputFolder();
    ASSERT_TRUE(QDir().mkpath(folder));
    ::chmod(QFile::encodeName(folder).constData(), 0700);
    const QStringList leftovers{QStringLiteral(".run-x1Yz9Q"), QStringLiteral(".compress-AbC123.pdf"),
                                QStringLiteral(".arguments-AbC123"), QStringLiteral("gs_Q2w3E4")};
    tree.text(QStringLiteral("tmp/Sweepwright/.run-x1Yz9Q/filtered.pdf"), "%PDF- half");
    tree.text(QStringLiteral("tmp/Sweepwright/.run-x1Yz9Q/gs_a1b2c3"), "");
    tree.text(QStringLiteral("tmp/Sweepwright/.compress-AbC123.pdf"), "%PDF- half");
    tree.text(QStringLiteral("tmp/Sweepwright/.arguments-AbC123"), "\"-sPDFPassword=secret\"\n");
    tree.text(QStringLiteral("tmp/Sweepwright/gs_Q2w3E4"), "");
    tree.text(QStringLiteral("tmp/Sweepwright/report.pdf"), "%PDF- a copy made earlier");
    qputenv("SWEEPWRIGHT_GS", QFile::encodeName(standIn("exit 1")));
    const auto file = ORPdfFile::initFileDataFromPath(source);

    // Another run holds the folder: what lies there may be its own.
    const swtest::TreeSnapshot before = swtest::TreeSnapshot::of(folder);
    {
        const int held = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
        ASSERT_EQ(::flock(held, LOCK_SH), 0);
        sw::JobControl job;
        PdfCompressor::compress(*file, 0, job);
        ::close(held);
    }
    EXPECT_EQ(swtest::TreeSnapshot::of(folder).entries(), before.entries());

    sw::JobControl job;
    PdfCompressor::compress(*file, 0, job);
    QStringList gone = before.vanished(swtest::TreeSnapshot::of(folder));
    gone.replaceInStrings(folder + QLatin1Char('/'), QString());
    EXPECT_EQ(gone, (QStringList{leftovers[2], leftovers[1], leftovers[0], leftovers[0] + QStringLiteral("/filtered.pdf"),
                                 leftovers[0] + QStringLiteral("/gs_a1b2c3"), leftovers[3]}));
}

TEST_F(PdfCompressorTest, BombDocumentsStopAtTheMemoryLimitOrWhenNoPageFinishes)
{
    if (!hasGs())
        GTEST_SKIP() << "Ghostscript is not installed";
    struct Row
    {
        const char *name;
        swtest::Bomb bomb;
        sw::GhostscriptLimits limits;
        const char *reason;
    };
    using std::chrono::milliseconds;
    const Row rows[] = {
        // The page limit only bounds the test: on a loaded machine a growing
        // document can also go seconds without a page before the memory runs out.
        {"memory grows without end", swtest::Bomb::GrowingMemory, {160 << 20, milliseconds(120000)},
         "Compression failed: Ghostscript reached its memory limit of "},
        {"forms nested deep", swtest::Bomb::NestedForms, {0, milliseconds(1000)},
         "Compression failed: Ghostscript finished no page for 1 second"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const QString source = tree.path(QLatin1String(row.name) + QStringLiteral(".pdf"));
        ASSERT_TRUE(swtest::writeBombPdf(source, row.bomb));
        sw::JobControl job;
        const sw::PdfCompression result =
            PdfCompressor::compress(*ORPdfFile::initFileDataFromPath(source), 1, job, row.limits);
        EXPECT_TRUE(result.error.startsWith(QLatin1String(row.reason))) << result.error.toStdString();
        EXPECT_TRUE(outputFiles().isEmpty()) << outputFiles().join(' ').toStdString();
    }
}

// Every colour and grey image used to become JPEG, small icons and their
// soft masks too: larger, and blurred.
TEST_F(PdfCompressorTest, SmallImagesAndTheirSoftMasksStayLosslessWhileThePhotoBecomesJpeg)
{
    if (!hasGs() || !hasQpdf())
        GTEST_SKIP() << "Ghostscript or qpdf is not installed";
    const QString source = tree.path(QStringLiteral("icons.pdf"));
    ASSERT_TRUE(swtest::writeIconsAndPhotoPdf(source));
    sw::JobControl job;
    const sw::PdfCompression result = PdfCompressor::compress(*ORPdfFile::initFileDataFromPath(source), 1, job);
    ASSERT_TRUE(result.succeeded()) << result.error.toStdString();
    ASSERT_FALSE(result.keptOriginal);
    int photos = 0, icons = 0, masks = 0;
    for (const swtest::PdfImage &image : swtest::imagesOf(result.outputPath)) {
        SCOPED_TRACE(image.width);
        if (image.width > 64) {
            EXPECT_EQ(image.filter, "/DCTDecode");
            ++photos;
        } else {
            EXPECT_EQ(image.filter, "/FlateDecode");
            ++(image.softMask ? masks : icons);
        }
    }
    EXPECT_EQ(photos, 1);
    EXPECT_EQ(icons, 20);
    EXPECT_GE(masks, 1);
}

// A photograph that needs no downsampling, kept as a poor JPEG: the filter
// would code it anew, larger; pdfwrite's plain rewrite keeps its bytes and
// still packs the page's text.
TEST_F(PdfCompressorTest, ThePlainRewriteWinsWhereTheFilterWouldGrowTheImages)
{
    if (!hasGs())
        GTEST_SKIP() << "Ghostscript is not installed";
    QImage image = QImage::fromData(photoJpeg(300, 200, 4));
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 15);
    PdfPage page;
    page.jpeg = jpeg;
    page.jpegWidth = 300;
    page.jpegHeight = 200;
    page.content = "q 216 0 0 144 72 500 cm /Im0 Do Q " + QByteArray("BT /F1 10 Tf 72 400 Td (words) Tj ET ").repeated(400);
    const QString source = tree.path(QStringLiteral("poor.pdf"));
    ASSERT_TRUE(writePdf(source, {page}));
    sw::JobControl job;
    const sw::PdfCompression result = PdfCompressor::compress(*ORPdfFile::initFileDataFromPath(source), 2, job);
    ASSERT_TRUE(result.succeeded()) << result.error.toStdString();
    EXPECT_FALSE(result.keptOriginal);
    EXPECT_TRUE(FixtureTree::bytesAt(result.outputPath).contains(jpeg));
    EXPECT_LT(result.outputSize, QFileInfo(source).size());
}

TEST(GhostscriptRun, PasswordArgumentsCarryQuotesButNotWhatGsCannotRead)
{
    EXPECT_EQ(sw::GhostscriptRun::passwordArgument(QStringLiteral("a b\"c\\d")), "\"-sPDFPassword=a b\\\"c\\d\"\n");
    EXPECT_FALSE(sw::GhostscriptRun::passwordArgument(QStringLiteral("ends\\")));
    EXPECT_FALSE(sw::GhostscriptRun::passwordArgument(QStringLiteral("a\\\"b")));
    EXPECT_FALSE(sw::GhostscriptRun::passwordArgument(QStringLiteral("two\nlines")));
}
