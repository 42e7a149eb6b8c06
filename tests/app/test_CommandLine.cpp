// SPDX-License-Identifier: GPL-3.0-or-later
#include <QProcess>
#include <QtTest>

// The window program's options, run as a program without a display: the
// version and the help must not need one (a package's check, help2man).
class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void answersWithoutADisplay_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::addColumn<QByteArray>("platform");  // QT_QPA_PLATFORM, for a run that gets as far as the window
        QTest::newRow("--version") << QStringList{QStringLiteral("--version")} << 0
                                   << QStringLiteral("sweepwright " PROJECT_VERSION "\n") << QString() << QByteArray();
        QTest::newRow("-V") << QStringList{QStringLiteral("-V")} << 0
                            << QStringLiteral("sweepwright " PROJECT_VERSION "\n") << QString() << QByteArray();
        // Named as called: no build folder in the help (or a manual page made from it).
        QTest::newRow("--help") << QStringList{QStringLiteral("--help")} << 0
                                << QStringLiteral("Usage: sweepwright [options]\n") << QString() << QByteArray();
        QTest::newRow("unknown option") << QStringList{QStringLiteral("--bogus")} << 2 << QString()
                                        << QStringLiteral("sweepwright: Unknown option 'bogus'.")
                                        << QByteArray("offscreen");
    }
    void answersWithoutADisplay()
    {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QFETCH(QByteArray, platform);
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(name));
        if (!platform.isEmpty())
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QString::fromLatin1(platform));
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(SWEEPWRIGHT_GUI), args);
        QVERIFY(process.waitForFinished(60000));
        const QString stdOut = QString::fromUtf8(process.readAllStandardOutput());
        const QString stdErr = QString::fromUtf8(process.readAllStandardError());
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QVERIFY2(process.exitCode() == code, qPrintable(stdErr));
        QVERIFY2(stdOut.contains(out), qPrintable(stdOut));
        QVERIFY2(stdErr.contains(err), qPrintable(stdErr));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_CommandLine.moc"
