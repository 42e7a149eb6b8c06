#include "MLoginItemsPage.h"
#include "PageFixture.h"

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

// The login-items page against a fixture home: a switch writes and removes
// the user's autostart entry, and the header counts what is on.
class TestMLoginItemsPage : public QObject
{
    Q_OBJECT

private slots:
    void switchesAnApplicationOnAndOff()
    {
        qunsetenv("XDG_DATA_DIRS");
        PageFixture fixture;
        const QString system = fixture.path(QStringLiteral("root/usr/share/applications"));
        QDir().mkpath(system);
        QFile notesApp(system + QStringLiteral("/notes.desktop"));
        QVERIFY(notesApp.open(QIODevice::WriteOnly));
        notesApp.write("[Desktop Entry]\nType=Application\nName=Notes\nExec=/usr/bin/notes %F\n");
        notesApp.close();
        fixture.write(QStringLiteral(".local/share/applications/chat.desktop"),
                      "[Desktop Entry]\nType=Application\nName=Chat\nExec=/opt/chat/chat\n");
        const QString notesEntry = fixture.home(QStringLiteral(".config/autostart/notes.desktop"));

        MLoginItemsPage page;
        page.show();
        page.viewWillAppear();
        QCOMPARE(page.loginTable()->rowCount(), 2);
        QCOMPARE(page.header()->text(), QStringLiteral("Great, No Login Items!"));
        const QList<QPushButton *> toggles = page.loginTable()->findChildren<QPushButton *>(QStringLiteral("loginSwitch"));
        QCOMPARE(toggles.size(), 2);
        QPushButton *chat = toggles.at(0)->property("tag").toInt() == 0 ? toggles.at(0) : toggles.at(1);
        QPushButton *notes = chat == toggles.at(0) ? toggles.at(1) : toggles.at(0);

        notes->click();
        QVERIFY(notes->isChecked());
        QVERIFY(QFileInfo::exists(notesEntry));
        QCOMPARE(page.header()->text(), QStringLiteral("1 Login Items Found on your computer"));
        chat->click();
        QCOMPARE(page.header()->text(), QStringLiteral("2 Login Items Found on your computer"));
        QCOMPARE(page.headerDesc()->text(), QStringLiteral("Boost your startup by managing Login Items."));

        // Another look at the page reads the states back from the disk.
        page.viewWillAppear();
        QCOMPARE(page.countLoginItems(), 2);
        const QList<QPushButton *> again = page.loginTable()->findChildren<QPushButton *>(QStringLiteral("loginSwitch"));
        for (QPushButton *toggle : again) {
            QVERIFY(toggle->isChecked());
            toggle->click();
            QVERIFY(!toggle->isChecked());
        }
        QVERIFY(!QFileInfo::exists(notesEntry));
        QCOMPARE(page.header()->text(), QStringLiteral("Great, No Login Items!"));
        QCOMPARE(page.headerDesc()->text(), QStringLiteral("That's what we love to see."));
    }
};

QTEST_MAIN(TestMLoginItemsPage)
#include "test_MLoginItemsPage.moc"
