// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dups/DupKinds.h"
#include "gui/preview/MediaFormats.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using sw::DupKind;
using sw::DupKinds;

Q_DECLARE_METATYPE(sw::DupKind)

namespace {

ORDupDataGroup groupOf(const QString &path, qint64 size = 1000)
{
    ORDupDataGroup group;
    group.groupPath = path;
    group.groupName = QFileInfo(path).fileName();
    group.groupType = QFileInfo(path).suffix();
    group.groupSize = size;
    return group;
}

}  // namespace

// Which kind a group of copies counts as, and the kinds' sizes and colours.
class TestDupKinds : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;

    QString file(const QString &name) const
    {
        QFile out(dir.filePath(name));
        if (!out.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(name));
        out.write("content");
        return out.fileName();
    }
    QString package(const QString &name) const
    {
        QDir().mkpath(dir.filePath(name + QStringLiteral("/Contents")));
        return dir.filePath(name);
    }

private slots:
    void kindFollowsTheOrderOfTests_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<DupKind>("kind");
        QTest::newRow("wmv is video, though also audio") << file(QStringLiteral("clip.wmv")) << DupKind::Video;
        QTest::newRow("ra is video") << file(QStringLiteral("radio.ra")) << DupKind::Video;
        QTest::newRow("amr in capitals is video") << file(QStringLiteral("voice.AMR")) << DupKind::Video;
        QTest::newRow("mp3 is music") << file(QStringLiteral("song.mp3")) << DupKind::Music;
        QTest::newRow("pch is a document") << file(QStringLiteral("prefix.pch")) << DupKind::Documents;
        QTest::newRow("PDF in capitals is a document") << file(QStringLiteral("paper.PDF")) << DupKind::Documents;
        for (const char *office : {"odt", "ods", "odp", "docx", "xlsx", "pptx", "pdf", "rtf", "txt", "md", "epub"})
            QTest::addRow("office document %s", office)
                << file(QStringLiteral("letter.") + QLatin1String(office)) << DupKind::Documents;
        QTest::newRow("pages package is a document") << package(QStringLiteral("Letter.pages")) << DupKind::Documents;
        QTest::newRow("application bundle is a package") << package(QStringLiteral("Tool.app")) << DupKind::Packages;
        QTest::newRow("png is a picture") << file(QStringLiteral("photo.png")) << DupKind::Pictures;
        QTest::newRow("svg is a picture, not a document") << file(QStringLiteral("logo.svg")) << DupKind::Pictures;
        QTest::newRow("unknown extension") << file(QStringLiteral("data.xyz")) << DupKind::Others;
        QTest::newRow("no extension") << file(QStringLiteral("README")) << DupKind::Others;
        QTest::newRow("a plain folder") << package(QStringLiteral("Folder.d")) << DupKind::Others;
    }
    void kindFollowsTheOrderOfTests()
    {
        QFETCH(QString, path);
        QFETCH(DupKind, kind);
        QCOMPARE(DupKinds::kindOf(groupOf(path)), kind);
    }

    void listsHoldEveryExtensionOnce()
    {
        for (const QStringList *list : {&DupKinds::docFormat(), &DupKinds::mediaFormat(), &DupKinds::musicFormat()})
            QCOMPARE(QSet<QString>(list->cbegin(), list->cend()).size(), list->size());
        QCOMPARE(DupKinds::docFormat().size(), 67);
        QCOMPARE(DupKinds::mediaFormat().size(), 74);
        QCOMPARE(DupKinds::musicFormat().size(), 44);
        QVERIFY(sw::MediaFormats::isPlayable(QStringLiteral("FLAC")));
        QVERIFY(!sw::MediaFormats::isPlayable(QStringLiteral("pdf")));
    }

    void colorsByIndexAndBlackOutside()
    {
        QCOMPARE(DupKinds::colorWithIndex(0), QColor(48, 201, 193));
        QCOMPARE(DupKinds::colorWithIndex(3), QColor(255, 106, 106));
        QCOMPARE(DupKinds::colorWithIndex(5), QColor(160, 207, 79));
        QCOMPARE(DupKinds::colorWithIndex(6), QColor(Qt::black));
        QCOMPARE(DupKinds::colorWithIndex(-1), QColor(Qt::black));
    }

    void classifyKeepsOrderAndSumsSizes()
    {
        QList<ORDupDataGroup> groups{groupOf(file(QStringLiteral("a.mp3")), 300),
                                     groupOf(file(QStringLiteral("b.txt")), 200),
                                     groupOf(file(QStringLiteral("c.mp3")), 100)};
        const DupKinds::Lists lists = DupKinds::classify(groups);
        QCOMPARE(lists.all, (QList<ORDupDataGroup *>{&groups[0], &groups[1], &groups[2]}));
        QCOMPARE(lists.groups[int(DupKind::Music)], (QList<ORDupDataGroup *>{&groups[0], &groups[2]}));
        QCOMPARE(lists.groups[int(DupKind::Documents)], QList<ORDupDataGroup *>{&groups[1]});
        QCOMPARE(lists.pies, (QList<qint64>{200, 0, 400, 0, 0, 0}));
    }
};

QTEST_MAIN(TestDupKinds)
#include "test_DupKinds.moc"
