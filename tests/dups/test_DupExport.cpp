// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dups/DupResultJson.h"
#include "gui/dups/DupExport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// The result page's export: the file written whole or not at all.
class TestDupExport : public QObject
{
    Q_OBJECT

private slots:
    void replacesAnOlderFileWholeAndLeavesItWhenWritingFails()
    {
        QTemporaryDir dir;
        ORDupData data;
        ORDupDataGroup group;
        for (const char *name : {"/m/a", "/m/b,2"}) {
            ORDupDataItem item;
            item.itemPath = QLatin1String(name);
            item.itemSize = 20000;
            group.groupItems.append(item);
        }
        data.dupGroups = {group};
        const QString csv = dir.filePath(QStringLiteral("sets.csv"));
        QFile old(csv);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(100000, 'o'));
        old.close();
        QVERIFY(sw::DupExport::save(csv, sw::DupExport::Format::Csv, data, sw::DupKeeper()).isEmpty());
        QFile written(csv);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), QByteArray("set,size,path,modification time,kept\r\n"
                                               "1,20000,/m/a,1970-01-01T00:00:00Z,yes\r\n"
                                               "1,20000,\"/m/b,2\",1970-01-01T00:00:00Z,no\r\n"));

        const QString json = dir.filePath(QStringLiteral("sets.json"));
        QVERIFY(sw::DupExport::save(json, sw::DupExport::Format::Json, data, sw::DupKeeper()).isEmpty());
        QFile saved(json);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QString error;
        const auto read = sw::DupResultJson::read(saved.readAll(), &error);
        QVERIFY2(read, qPrintable(error));
        QCOMPARE(read->data.dupGroups.at(0).groupItems.at(1).itemPath, QStringLiteral("/m/b,2"));

        // A folder in the way: an error, and the folder as it was.
        QVERIFY(!sw::DupExport::save(dir.path(), sw::DupExport::Format::Csv, data, sw::DupKeeper()).isEmpty());
        QVERIFY(QFileInfo(dir.path()).isDir());
    }
};

QTEST_MAIN(TestDupExport)
#include "test_DupExport.moc"
