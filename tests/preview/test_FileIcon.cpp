// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/preview/FileIcon.h"

#include <QApplication>
#include <QMimeDatabase>
#include <QStyle>
#include <QtTest>

// Type icons for the result rows: each family of types gets its own image
// when the theme lacks one, and the installed theme is found without a
// desktop's platform theme.
class TestFileIcon : public QObject
{
    Q_OBJECT

private slots:
    void everyFamilyHasItsOwnImage_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("image");
        QTest::newRow("flac") << "song.flac" << "sw_mime_audio";
        QTest::newRow("webm") << "clip.webm" << "sw_mime_video";
        QTest::newRow("deb") << "tool_1.0_amd64.deb" << "sw_mime_archive";
        QTest::newRow("tar.xz") << "src.tar.xz" << "sw_mime_archive";
        QTest::newRow("pdf") << "paper.pdf" << "sw_mime_document";
        QTest::newRow("png") << "photo.png" << "sw_mime_image";
        QTest::newRow("shell script") << "run.sh" << "sw_mime_text";
        QTest::newRow("no extension") << "blob" << "sw_mime_generic";
    }
    void everyFamilyHasItsOwnImage()
    {
        QFETCH(QString, file);
        QFETCH(QString, image);
        const QMimeType type = QMimeDatabase().mimeTypeForFile(file, QMimeDatabase::MatchExtension);
        QCOMPARE(sw::FileIcon::fallbackName(type), image);
        QVERIFY(QFile::exists(QStringLiteral(":/images/%1.svg").arg(image)));
        // Whatever the theme offers, the row gets a type's icon, never the plain file.
        const QIcon icon = sw::FileIcon::forPath(QStringLiteral("/nowhere/") + file);
        QVERIFY(!icon.pixmap(QSize(32, 32)).isNull());
        if (image != QLatin1String("sw_mime_generic"))
            QVERIFY(icon.cacheKey() != QApplication::style()->standardIcon(QStyle::SP_FileIcon).cacheKey());
    }

    void theInstalledThemeIsFoundOffscreen()
    {
        sw::FileIcon::forPath(QStringLiteral("/nowhere/song.flac"));
        if (!QFileInfo::exists(QStringLiteral("/usr/share/icons/Adwaita/index.theme")))
            QSKIP("no icon theme installed");
        QCOMPARE(QIcon::themeName(), QStringLiteral("Adwaita"));
        QVERIFY(!sw::FileIcon::forPath(QStringLiteral("/nowhere/song.flac")).name().isEmpty());
    }
};

QTEST_MAIN(TestFileIcon)
#include "test_FileIcon.moc"
