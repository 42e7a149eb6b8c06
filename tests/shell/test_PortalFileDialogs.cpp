// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/shell/PortalFileDialogs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// When the program asks Qt for the portal's file dialogs: only where a
// portal back end with a file chooser serves this desktop, and never over
// a platform theme the user chose.
class TestPortalFileDialogs : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString make(const QString &rel, const QByteArray &text = {})
    {
        const QString path = m_dir.filePath(rel);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(text);
        return path;
    }

private slots:
    void decides_data()
    {
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<QString>("userTheme");
        QTest::addColumn<QByteArray>("backEnd");
        QTest::addColumn<bool>("plugin");
        QTest::addColumn<bool>("portal");

        const QByteArray gnome = "[portal]\nDBusName=org.freedesktop.impl.portal.desktop.gnome\n"
                                 "Interfaces=org.freedesktop.impl.portal.Access;org.freedesktop.impl.portal."
                                 "FileChooser;org.freedesktop.impl.portal.Screenshot;\nUseIn=gnome\n";
        QTest::newRow("gnome back end in GNOME") << "ubuntu:GNOME" << QString() << gnome << true << true;
        QTest::newRow("user chose a theme") << "GNOME" << "gtk3" << gnome << true << false;
        QTest::newRow("back end of another desktop") << "KDE" << QString() << gnome << true << false;
        QTest::newRow("back end without a file chooser")
            << "GNOME" << QString() << QByteArray(gnome).replace("FileChooser", "Print") << true << false;
        QTest::newRow("the file chooser only in a comment")
            << "GNOME" << QString()
            << QByteArray("[portal]\n# Interfaces=org.freedesktop.impl.portal.FileChooser\n"
                          "Interfaces=org.freedesktop.impl.portal.Print\n")
            << true << false;
        QTest::newRow("Qt's portal plugin missing") << "GNOME" << QString() << gnome << false << false;
    }
    void decides()
    {
        QFETCH(QString, desktop);
        QFETCH(QString, userTheme);
        QFETCH(QByteArray, backEnd);
        QFETCH(bool, plugin);
        QFETCH(bool, portal);
        QVERIFY(m_dir.isValid());
        make(QStringLiteral("share/dbus-1/services/org.freedesktop.portal.Desktop.service"),
             "[D-BUS Service]\nName=org.freedesktop.portal.Desktop\n");
        make(QStringLiteral("share/xdg-desktop-portal/portals/back.portal"), backEnd);
        if (plugin)
            make(QStringLiteral("plugins/platformthemes/libqxdgdesktopportal.so"));
        else
            QFile::remove(m_dir.filePath(QStringLiteral("plugins/platformthemes/libqxdgdesktopportal.so")));

        QProcessEnvironment env;
        env.insert(QStringLiteral("HOME"), m_dir.filePath(QStringLiteral("home")));
        env.insert(QStringLiteral("XDG_DATA_DIRS"), m_dir.filePath(QStringLiteral("share")));
        env.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), desktop);
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("unix:path=/run/user/1000/bus"));
        if (!userTheme.isEmpty())
            env.insert(QStringLiteral("QT_QPA_PLATFORMTHEME"), userTheme);
        QCOMPARE(sw::PortalFileDialogs::available(env, m_dir.filePath(QStringLiteral("plugins"))), portal);

        // Without a session bus no portal answers.
        env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
        QVERIFY(!sw::PortalFileDialogs::available(env, m_dir.filePath(QStringLiteral("plugins"))));
    }
};

QTEST_GUILESS_MAIN(TestPortalFileDialogs)
#include "test_PortalFileDialogs.moc"
