// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <QSvgRenderer>

#include "gui/controls/ORImage.h"
#include "resources/SweepwrightResources.h"

// Every image the program asks for by name, and our own.
static const char *const kImageNames[] = {
    "or_sys_icon", "or_rar", "or_loginItems", "or_dup_icon", "or_bigs_icon", "or_app_icon",
    "or_shred_icon", "or_mem_icon", "or_toolbox_icon", "or_extension_icon",
    "or_select_all", "or_select_part", "or_select_off", "or_select_null",
    "or_cache_icon", "or_leftover", "or_syscache", "or_log_icon", "or_trash_icon", "or_safari_icon",
    "or_download_icon", "or_itunes_icon", "or_mail_icon", "or_cm_language", "ios_software_update",
    "ios_backup", "or_xcode_icon",
    "or_safari_blue", "or_chrom_blue", "or_firefox_blue",
    "or_deepclean_icon", "stIconTemplate", "or_background", "clean", "NSPreferencesGeneral",
    "or_big_icon64", "or_big_icon128", "or_big_icon256", "or_big_icon512", "or_big_icon1GB",
    "or_pdf", "or_extension", "or_spotlight", "or_QuickLook", "or_InternetPlugins", "safari",
    "or_open", "or_preview", "or_search", "or_folder", "or_folder_add", "or_close", "or_empty", "or_done",
    "or_warning", "or_lock",
    "org.sweepwright.Sweepwright",
};

static int opaquePixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 0;
    return count;
}

class TestORImage : public QObject
{
    Q_OBJECT

private slots:
    void everyNamedImageRenders_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name : kImageNames)
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void everyNamedImageRenders()
    {
        QFETCH(QString, name);
        QVERIFY(ORImage::exists(name));
        QVERIFY(!ORImage::icon(name).isNull());
        const QPixmap pixmap = ORImage::pixmap(name, QSize(32, 32), 2);
        QCOMPARE(pixmap.size(), QSize(64, 64));
        QCOMPARE(pixmap.devicePixelRatio(), 2.0);
        QVERIFY2(opaquePixels(pixmap.toImage()) > 40, "the image draws next to nothing");
    }

    void missingImageIsNullNotACrash_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("unknown") << QStringLiteral("no_such_image");
        QTest::newRow("empty") << QString();
        QTest::newRow("path escape") << QStringLiteral("../images/or_done");
    }
    void missingImageIsNullNotACrash()
    {
        QFETCH(QString, name);
        QVERIFY(!ORImage::exists(name));
        QVERIFY(ORImage::icon(name).isNull());
        QVERIFY(ORImage::pixmap(name, QSize(16, 16)).isNull());
        QVERIFY(ORImage::tinted(name, QSize(16, 16), Qt::red).isNull());
    }

    void tintKeepsTheShapeAndTakesTheColour()
    {
        const QSize size(48, 48);
        const QImage plain = ORImage::pixmap(QStringLiteral("or_close"), size).toImage();
        const QImage tinted = ORImage::tinted(QStringLiteral("or_close"), size, QColor(10, 200, 30));
        QCOMPARE(tinted.size(), plain.size());
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                const QColor before = plain.pixelColor(x, y);
                const QColor after = tinted.pixelColor(x, y);
                QCOMPARE(after.alpha(), before.alpha());
                if (after.alpha() == 255)
                    QCOMPARE(after, QColor(10, 200, 30));
            }
        }
    }

    // QtSvg refuses a whole file for one bad attribute: check every file, named or not.
    void everyCompiledInImageIsValidSvg()
    {
        const QStringList names = sw::resources::imageNames();
        QVERIFY(names.size() >= int(std::size(kImageNames)));
        for (const QString &name : names) {
            QSvgRenderer renderer(QStringLiteral(":/images/%1.svg").arg(name));
            QVERIFY2(renderer.isValid(), qPrintable(name));
            QCOMPARE(renderer.viewBoxF(), QRectF(0, 0, 64, 64));
        }
    }
};

QTEST_MAIN(TestORImage)
#include "test_ORImage.moc"
