// sweepwright-cli pdf, run as a program on documents the test makes.

#include "CliRunner.h"
#include "FixtureTree.h"
#include "PdfFixture.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

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

}  // namespace
