// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/pdf/ORPdfCompressViewCter.h"
#include "gui/pdf/ORPdfDropView.h"
#include "gui/pdf/ORPdfWindowCter.h"
#include "gui/pdf/PdfPasswordPanel.h"
#include "support/PdfFixture.h"
#include "support/ToolWindow.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

// The compressor's window on documents the test makes: a drop, the result,
// another quality, saving over a file and into nowhere, back; a drop of
// two PDFs and one mixed with another file; the password panel.
class TestPdfCompressor : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir;
    QPointer<ORPdfWindowCter> window;
    QByteArray savedTmp;

    QString path(const QString &name) const { return dir->filePath(name); }
    ORPdfCompressViewCter *page() const { return window->page(); }

    // Drops paths on the page's drop area as a file manager would.
    bool drop(const QStringList &paths)
    {
        QMimeData mime;
        QList<QUrl> urls;
        for (const QString &p : paths)
            urls << QUrl::fromLocalFile(p);
        mime.setUrls(urls);
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        enter.ignore();
        QCoreApplication::sendEvent(page()->dropView(), &enter);
        QDropEvent event(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        event.ignore();
        QCoreApplication::sendEvent(page()->dropView(), &event);
        return enter.isAccepted() && event.isAccepted();
    }
    bool waitForResult(QSignalSpy &ended)
    {
        return ended.wait(60000) && page()->resultView()->isVisible();
    }

private slots:
    void init()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("gs")).isEmpty())
            QSKIP("Ghostscript is not installed");
        dir = std::make_unique<QTemporaryDir>();
        savedTmp = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(dir->path()));
        ORPdfCompressViewCter::pdfStyleInt = 0;
        window = new ORPdfWindowCter;
        window->showWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }
    void cleanup()
    {
        delete window;
        qputenv("TMPDIR", savedTmp);
        dir.reset();
    }

    void dropResultOtherQualitySaveAndBack()
    {
        const QString source = path(QStringLiteral("photos.pdf"));
        QVERIFY(swtest::writePhotoPdf(source, 2));
        QSignalSpy ended(page(), &ORPdfCompressViewCter::compressionEnded);
        // A PDF together with another file is refused as a whole.
        QVERIFY(!drop({source, dir->filePath(QStringLiteral("notes.txt"))}));
        QVERIFY(page()->briefView()->isVisible());
        // Two PDFs: the first is taken.
        QVERIFY(drop({source, path(QStringLiteral("other.PDF"))}));
        QVERIFY(waitForResult(ended));
        QCOMPARE(page()->pdfFile()->pdfPath, source);
        QCOMPARE(page()->pagesField()->text(), QStringLiteral("2"));
        QCOMPARE(page()->nameField()->text(), QStringLiteral("photos"));
        const QString first = page()->compression().outputPath;
        QCOMPARE(QFileInfo(first).fileName(), QStringLiteral("photos.pdf"));
        QVERIFY(page()->styleMatrix()->button(0)->isChecked());

        page()->styleMatrix()->button(1)->click();
        QVERIFY(waitForResult(ended));
        QCOMPARE(ORPdfCompressViewCter::pdfStyleInt, 1);
        const QString second = page()->compression().outputPath;
        QCOMPARE(QFileInfo(second).fileName(), QStringLiteral("photos(0).pdf"));
        QVERIFY(QFileInfo(second).size() > QFileInfo(first).size());
        QVERIFY(QFileInfo::exists(first));
        QCOMPARE(page()->nameField()->text(), QStringLiteral("photos(0)"));

        // Saving over a file asks first; replacing writes the copy there.
        const QString target = path(QStringLiteral("mine.pdf"));
        QFile(target).open(QIODevice::WriteOnly);
        page()->saveTo(target);
        QVERIFY(answerSheet(page()->alert(), QStringLiteral("Replace")));
        QTRY_COMPARE(QFileInfo(target).size(), QFileInfo(second).size());
        // A folder that is not there: the failure is told.
        page()->saveTo(path(QStringLiteral("gone/x.pdf")));
        QTRY_VERIFY(page()->alert() && page()->alert()->objectName() == QStringLiteral("failureAlert"));
        QVERIFY(page()->alert()->text().contains(QStringLiteral("could not be saved")));
        page()->alert()->close();

        page()->backToFirstPage();
        QVERIFY(page()->briefView()->isVisible());
    }

    void ownerPasswordPanel()
    {
        if (!swtest::hasQpdf())
            QSKIP("qpdf is not installed");
        const QString plain = path(QStringLiteral("plain.pdf"));
        const QString noPrint = path(QStringLiteral("noprint.pdf"));
        QVERIFY(swtest::writeTextPdf(plain));
        QVERIFY(swtest::encryptPdf(plain, noPrint, QString(), QStringLiteral("boss"), {QStringLiteral("--print=none")}));
        QSignalSpy ended(page(), &ORPdfCompressViewCter::compressionEnded);
        QVERIFY(drop({noPrint}));
        QTRY_VERIFY(page()->alert() && page()->alert()->objectName() == QStringLiteral("passwordAlert"));
        QVERIFY(answerSheet(page()->alert(), QStringLiteral("Ok")));
        QTRY_VERIFY(page()->passwordPanel() && page()->passwordPanel()->isVisible());
        PdfPasswordPanel *panel = page()->passwordPanel();
        panel->passwordField()->setText(QStringLiteral("guess"));
        panel->enterPWDOk();
        QVERIFY(panel->isVisible());
        QVERIFY(panel->errorField()->isVisible());
        QCOMPARE(panel->errorField()->text(), QStringLiteral("Wrong password"));
        panel->passwordField()->setText(QStringLiteral("boss"));
        panel->enterPWDOk();
        QVERIFY(waitForResult(ended));
        // One line of text cannot shrink: the copy is the source, and says so.
        QVERIFY(page()->compression().keptOriginal);
        QVERIFY(page()->noteField()->text().contains(QStringLiteral("Already compact: no smaller copy could be made")));
        QVERIFY(!page()->noteField()->text().contains(QStringLiteral("not password protected")));
    }
    // With TMPDIR naming no folder the compressor used to try /Sweepwright;
    // the page tells the reason, which names it.
    void unusableTmpdirIsToldByName()
    {
        const QString source = path(QStringLiteral("note.pdf"));
        QVERIFY(swtest::writeTextPdf(source));
        const QString missing = path(QStringLiteral("gone"));
        qputenv("TMPDIR", QFile::encodeName(missing));
        QSignalSpy ended(page(), &ORPdfCompressViewCter::compressionEnded);
        QVERIFY(drop({source}));
        QVERIFY(ended.wait(60000));
        QTRY_VERIFY(page()->alert() && page()->alert()->objectName() == QStringLiteral("failureAlert"));
        QVERIFY(page()->alert()->text().contains(QStringLiteral("TMPDIR (%1)").arg(missing)));
        QVERIFY(!QFileInfo::exists(missing));
        page()->alert()->close();
    }
};

QTEST_MAIN(TestPdfCompressor)
#include "test_ORPdfCompressViewCter.moc"
