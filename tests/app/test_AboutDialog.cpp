// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/AboutDialog.h"

#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

// The About dialog: the libraries' versions as the running program has
// them, Ghostscript's as the program found answers (asked without waiting
// for it), and the README the installation has.
class TestAboutDialog : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString standIn(const QString &name, const QByteArray &script) const
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write("#!/bin/sh\n" + script);
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }

private slots:
    void librariesAreThoseInUse()
    {
        sw::AboutDialog about;
        QCOMPARE(about.shownVersion(QStringLiteral("Qt")), QString::fromLatin1(qVersion()));
        // Run-time versions: numbers, never empty, never the loader's error.
        static const QRegularExpression version(QStringLiteral("^\\d+(\\.\\d+)+"));
        for (const char *library : {"libarchive", "ICU", "poppler"})
            QVERIFY2(version.match(about.shownVersion(QString::fromLatin1(library))).hasMatch(),
                     qPrintable(about.shownVersion(QString::fromLatin1(library))));
        QVERIFY(about.findChild<QLabel *>(QStringLiteral("licenceLabel"))
                    ->text()
                    .contains(QStringLiteral("GPL-3.0-or-later")));
    }

    void ghostscriptAnswers_data()
    {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<QString>("shown");
        QTest::newRow("a version") << QByteArray("echo 10.00.0\n") << "10.00.0";
        QTest::newRow("no version but a message")
            << QByteArray("echo 'Unknown switch'\nexit 1\n") << "could not tell its version";
        QTest::newRow("hangs") << QByteArray("exec sleep 60\n") << "did not answer";
    }
    void ghostscriptAnswers()
    {
        QFETCH(QByteArray, script);
        QFETCH(QString, shown);
        qputenv("SWEEPWRIGHT_GS", QFile::encodeName(standIn(QStringLiteral("gs"), script)));
        QElapsedTimer opening;
        opening.start();
        sw::AboutDialog about;
        QVERIFY(opening.elapsed() < 2000); // shown without waiting for gs
        QTRY_COMPARE_WITH_TIMEOUT(about.shownVersion(QStringLiteral("Ghostscript")), shown, 10000);
        qunsetenv("SWEEPWRIGHT_GS");
    }

    void readmeIsTheInstalledOneElseTheProjectsPage()
    {
        const QString none = m_dir.filePath(QStringLiteral("none"));
        const QString doc = m_dir.filePath(QStringLiteral("doc"));
        QDir().mkpath(doc);
        QCOMPARE(sw::AboutDialog::readmeUrl({none, doc}), QUrl(QStringLiteral("https://sweepwright.org")));
        QFile readme(doc + QStringLiteral("/README.md"));
        QVERIFY(readme.open(QIODevice::WriteOnly));
        readme.close();
        QCOMPARE(sw::AboutDialog::readmeUrl({none, doc}),
                 QUrl::fromLocalFile(doc + QStringLiteral("/README.md")));
    }
};

QTEST_MAIN(TestAboutDialog)
#include "test_AboutDialog.moc"
