// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/preview/IconPreview.h"
#include "gui/preview/ImagePreview.h"
#include "gui/preview/PreviewDialog.h"
#include "gui/preview/PreviewKind.h"
#include "gui/preview/PreviewPane.h"
#include "gui/preview/TextPreview.h"
#include "gui/preview/Utf8Text.h"

#include <QImageWriter>
#include <QLabel>
#include <QPainter>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using sw::PreviewKind;

Q_DECLARE_METATYPE(sw::PreviewKind)

// The viewers, their order, the fallback to the icon on bad input, and the
// one preview window of the process.
class TestPreviewDialog : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;

    QString path(const QString &name) const { return dir.filePath(name); }
    QString write(const QString &name, const QByteArray &bytes) const
    {
        QFile file(path(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(name));
        return file.fileName();
    }
    QString writeImage(const QString &name, QSize size,
                       QImageIOHandler::Transformations transformation = QImageIOHandler::TransformationNone) const
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        QImageWriter writer(path(name));
        writer.setTransformation(transformation);
        if (!writer.write(image))
            qFatal("cannot write %s: %s", qPrintable(name), qPrintable(writer.errorString()));
        return path(name);
    }
    QString writePdf(const QString &name) const
    {
        QPdfWriter writer(path(name));
        QPainter painter(&writer);
        painter.drawText(QPointF(100, 100), QStringLiteral("One page"));
        return path(name);
    }
    // The viewer a pane settles on once its background work is done.
    static void waitForLoad(QObject *viewer, const char *loaded)
    {
        QSignalSpy done(viewer, loaded);
        QVERIFY(done.wait());
    }

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }

    // First, before any test has loaded the plugin: once loaded it stays.
    void withoutThePluginPdfAndMediaFallBackUntilItCanBeLoaded()
    {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("no-plugin")));
        const QByteArray pluginDir = qgetenv("SWEEPWRIGHT_PLUGIN_DIR");
        QVERIFY(!pluginDir.isEmpty());
        qputenv("SWEEPWRIGHT_PLUGIN_DIR", QFile::encodeName(path(QStringLiteral("no-plugin"))));
        const QString pdf = writePdf(QStringLiteral("early.pdf"));
        const QString media = write(QStringLiteral("early.mp3"), QByteArray("\x00\x01\xfe\xff", 4).repeated(64));
        sw::PreviewPane pane;
        for (const QString &file : {pdf, media}) {
            pane.showPath(file, QFileInfo(file).suffix());
            QCOMPARE(pane.kind(), PreviewKind::Icon);
            QVERIFY(pane.iconPreview()->message().contains(QStringLiteral("plugin")));
        }
        QVERIFY(!pane.pdfViewer() && !pane.mediaViewer());
        // A failed load is not remembered: the plugin is found once it is there.
        qputenv("SWEEPWRIGHT_PLUGIN_DIR", pluginDir);
        pane.showPath(pdf, QStringLiteral("pdf"));
        QCOMPARE(pane.kind(), PreviewKind::Pdf);
        QVERIFY(pane.pdfViewer());
    }

    void cleanup()
    {
        sw::PreviewDialog::closePreview();
    }

    void kindFollowsTheOrderOfViewers_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("type");
        QTest::addColumn<PreviewKind>("kind");
        QTest::newRow("png image") << writeImage(QStringLiteral("a.png"), QSize(8, 8)) << "png" << PreviewKind::Image;
        QTest::newRow("pdf") << writePdf(QStringLiteral("a.pdf")) << "pdf" << PreviewKind::Pdf;
        QTest::newRow("PDF in capitals") << writePdf(QStringLiteral("B.PDF")) << "PDF" << PreviewKind::Pdf;
        QTest::newRow("utf-8 text") << write(QStringLiteral("a.txt"), "gr\xc3\xbc\xc3\x9f dich\n") << "txt"
                                    << PreviewKind::Text;
        QTest::newRow("text before media") << write(QStringLiteral("notes.mp3"), "plain words") << "mp3"
                                           << PreviewKind::Text;
        QTest::newRow("audio") << write(QStringLiteral("song.mp3"), QByteArray("\xff\xfb\x90\x00", 4).repeated(64))
                               << "mp3" << PreviewKind::Media;
        QTest::newRow("video in capitals") << write(QStringLiteral("clip.WMV"), QByteArray("\x30\x26\xb2\x75\x00", 5))
                                           << "WMV" << PreviewKind::Media;
        QTest::newRow("binary, not utf-8") << write(QStringLiteral("blob.bin"), QByteArray("\x89\xff\x00\x12", 4))
                                           << "bin" << PreviewKind::Icon;
        QTest::newRow("ascii with a NUL") << write(QStringLiteral("nul.dat"), QByteArray("ab\0cd", 5)) << "dat"
                                          << PreviewKind::Icon;
        QTest::newRow("folder") << dir.path() << "" << PreviewKind::Icon;
        QTest::newRow("missing") << path(QStringLiteral("gone.txt")) << "txt" << PreviewKind::Icon;
    }
    void kindFollowsTheOrderOfViewers()
    {
        QFETCH(QString, file);
        QFETCH(QString, type);
        QFETCH(PreviewKind, kind);
        QCOMPARE(sw::kindFor(file, type), kind);
    }

    void aPipeIsNeverOpened()
    {
        // Opening a FIFO for reading would block until a writer comes.
        const QString fifo = path(QStringLiteral("pipe.txt"));
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QCOMPARE(sw::kindFor(fifo, QStringLiteral("txt")), PreviewKind::Icon);
        QVERIFY(!sw::Utf8Text::read(fifo));
    }

    void textIsReadUpToItsLimit_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qint64>("limit");
        QTest::addColumn<bool>("isText");
        QTest::addColumn<bool>("truncated");
        QTest::newRow("whole") << QByteArray("h\xc3\xa9llo") << qint64(100) << true << false;
        QTest::newRow("cut inside a character") << QByteArray("ab\xe2\x82\xac") << qint64(3) << true << true;
        QTest::newRow("cut character at the very end") << QByteArray("ab\xe2\x82") << qint64(100) << false << false;
        QTest::newRow("bad byte before the limit") << QByteArray("a\xffzzzz") << qint64(3) << false << true;
        QTest::newRow("bad byte after the limit") << QByteArray("abc\xff") << qint64(3) << true << true;
        QTest::newRow("empty") << QByteArray() << qint64(100) << true << false;
    }
    void textIsReadUpToItsLimit()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(qint64, limit);
        QFETCH(bool, isText);
        QFETCH(bool, truncated);
        const auto text = sw::Utf8Text::read(write(QStringLiteral("limit.txt"), bytes), limit);
        QCOMPARE(text.has_value(), isText);
        if (text)
            QCOMPARE(text->truncated, truncated);
    }

    void imageIsUprightAndBounded()
    {
        sw::PreviewPane pane;
        pane.showPath(writeImage(QStringLiteral("turned.jpg"), QSize(40, 20), QImageIOHandler::TransformationRotate90),
                      QStringLiteral("jpg"));
        QCOMPARE(pane.kind(), PreviewKind::Image);
        waitForLoad(pane.imagePreview(), SIGNAL(loaded()));
        QCOMPARE(pane.imagePreview()->image().size(), QSize(20, 40));

        pane.showPath(writeImage(QStringLiteral("wide.png"), QSize(sw::ImagePreview::kMaxSide * 2, 10)),
                      QStringLiteral("png"));
        waitForLoad(pane.imagePreview(), SIGNAL(loaded()));
        QCOMPARE(pane.imagePreview()->image().width(), sw::ImagePreview::kMaxSide);
    }

    void corruptFilesShowTheIcon_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("image") << "broken.png" << QByteArray("\x89PNG\r\n\x1a\n garbage");
        QTest::newRow("pdf") << "broken.pdf" << QByteArray("%PDF-1.4\n\x01\x02\xff not a document");
    }
    void corruptFilesShowTheIcon()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        sw::PreviewPane pane;
        QSignalSpy changed(&pane, &sw::PreviewPane::kindChanged);
        pane.showPath(write(name, bytes), QFileInfo(name).suffix());
        QTRY_COMPARE(pane.kind(), PreviewKind::Icon);
        QVERIFY(!pane.iconPreview()->message().isEmpty());
        QVERIFY(!pane.iconPreview()->iconLabel()->pixmap().isNull());
    }

    void pdfShowsItsPages()
    {
        sw::PreviewPane pane;
        pane.resize(600, 500);
        pane.showPath(writePdf(QStringLiteral("one.pdf")), QStringLiteral("pdf"));
        QCOMPARE(pane.kind(), PreviewKind::Pdf);
        waitForLoad(pane.pdfViewer(), SIGNAL(loaded()));
        QCOMPARE(pane.pdfViewer()->property("pageCount").toInt(), 1);
        QCOMPARE(pane.pdfViewer()->property("shownPages").toInt(), 1);
    }

    void hugeTextShowsItsBeginning()
    {
        QByteArray line(99, 'x');
        line.append('\n');
        const QString big = write(QStringLiteral("big.log"), line.repeated(20000));  // 2 MB
        sw::PreviewPane pane;
        pane.showPath(big, QStringLiteral("log"));
        QCOMPARE(pane.kind(), PreviewKind::Text);
        QCOMPARE(pane.textPreview()->text().size(), sw::Utf8Text::kDefaultLimit);
        QVERIFY(pane.textPreview()->isTruncated());
    }

    void unplayableMediaShowsTheIcon()
    {
        sw::PreviewPane pane;
        pane.show();
        pane.showPath(write(QStringLiteral("noise.mp4"), QByteArray("\x00\x01\xfe\xff", 4).repeated(256)),
                      QStringLiteral("mp4"));
        QCOMPARE(pane.kind(), PreviewKind::Media);
        QTRY_COMPARE_WITH_TIMEOUT(pane.kind(), PreviewKind::Icon, 20000);
    }

    void toggleOpensRetargetsAndCloses()
    {
        QWidget window;
        window.show();
        const QString text = write(QStringLiteral("t.txt"), "hello");
        const QString other = write(QStringLiteral("u.txt"), "other");
        QVERIFY(sw::PreviewDialog::toggle(text, &window));
        sw::PreviewDialog *dialog = sw::PreviewDialog::instance();
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->pane()->textPreview()->text(), QStringLiteral("hello"));
        QVERIFY(sw::PreviewDialog::toggle(other, &window));
        QCOMPARE(sw::PreviewDialog::instance(), dialog);  // one window per process
        QVERIFY(dialog->isShowing(other));
        QVERIFY(!sw::PreviewDialog::toggle(other, &window));
        QVERIFY(!dialog->isVisible());
        QVERIFY(sw::PreviewDialog::toggle(other, &window));
    }

    void escapeClosesThePreview()
    {
        QWidget window;
        window.show();
        sw::PreviewDialog::showPreview(write(QStringLiteral("e.txt"), "escape"), &window);
        sw::PreviewDialog *dialog = sw::PreviewDialog::instance();
        QVERIFY(dialog->isVisible());
        QTest::keyClick(dialog->pane()->textPreview()->textView(), Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
        QVERIFY(dialog->pane()->path().isEmpty());
    }
};

QTEST_MAIN(TestPreviewDialog)
#include "test_PreviewDialog.moc"
