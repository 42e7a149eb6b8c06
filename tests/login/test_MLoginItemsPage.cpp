// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/foundation/Translations.h"
#include "gui/login/AddLoginItemDialog.h"
#include "gui/login/LoginItemRow.h"
#include "gui/login/MLoginItemsPage.h"
#include "support/PageFixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

// The login-items page against a fixture home: what starts at login is
// listed with its description, the rest is offered by "Add an
// application…", and a part of the desktop is switched off only when the
// user says so.
class TestMLoginItemsPage : public QObject
{
    Q_OBJECT

    std::unique_ptr<PageFixture> m_fixture;

    void systemFile(const QString &rel, const QByteArray &body)
    {
        const QString path = m_fixture->path(QStringLiteral("root/") + rel);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Desktop Entry]\nType=Application\n" + body);
    }
    static QStringList shownNames(const MLoginItemsPage &page)
    {
        QStringList names;
        for (int row = 0; row < page.loginTable()->rowCount(); ++row)
            if (auto *cell = qobject_cast<LoginItemRow *>(page.loginTable()->cellWidget(row, 0)))
                names.append(cell->nameField()->text()
                             + (cell->desktopBadge()->isVisibleTo(cell) ? QStringLiteral(" [desktop]") : QString()));
        return names;
    }
    static QPushButton *toggle(const MLoginItemsPage &page, int row)
    {
        return page.loginTable()->cellWidget(row, 1)->findChild<QPushButton *>(QStringLiteral("loginSwitch"));
    }

private slots:
    void initTestCase() { sw::Translations::install(); }
    void init()
    {
        qunsetenv("XDG_DATA_DIRS");
        m_fixture = std::make_unique<PageFixture>();
    }
    void cleanup() { m_fixture.reset(); }

    void listsWhatStartsAndOffersTheRest()
    {
        systemFile(QStringLiteral("usr/share/applications/notes.desktop"),
                   "Name=Notes\nComment=Write things down\nExec=/usr/bin/notes %F\n");
        systemFile(QStringLiteral("usr/share/applications/atlas.desktop"), "Name=Atlas\nExec=/usr/bin/atlas\n");
        m_fixture->write(QStringLiteral(".local/share/applications/chat.desktop"),
                         "[Desktop Entry]\nType=Application\nName=Chat\nComment=Talk to friends\nExec=/opt/chat/chat\n");
        m_fixture->write(QStringLiteral(".config/autostart/chat.desktop"),
                         "[Desktop Entry]\nType=Application\nName=Chat\nExec=/opt/chat/chat\n");
        const QString notesEntry = m_fixture->home(QStringLiteral(".config/autostart/notes.desktop"));

        MLoginItemsPage page;
        page.resize(900, 600);
        page.show();
        page.viewWillAppear();
        QCOMPARE(shownNames(page), QStringList{"Chat"});
        QCOMPARE(page.header()->text(), QStringLiteral("1 application starts at login"));
        QVERIFY(!page.header()->styleSheet().contains(QLatin1String("255, 21, 4")));
        auto *chat = qobject_cast<LoginItemRow *>(page.loginTable()->cellWidget(0, 0));
        QCOMPARE(chat->descriptionField()->text(), QStringLiteral("Talk to friends"));

        page.addButton()->click();
        QPointer<AddLoginItemDialog> chooser = page.chooser();
        QVERIFY(chooser && chooser->isVisible());
        QCOMPARE(chooser->list()->count(), 2);  // Atlas, Notes: not Chat, which starts already
        QCOMPARE(chooser->list()->item(0)->text(), QStringLiteral("Atlas"));
        QVERIFY(!chooser->addButton()->isEnabled());
        QTest::keyClicks(chooser->searchField(), QStringLiteral("write"));
        QVERIFY(chooser->list()->item(0)->isHidden());
        chooser->list()->item(1)->setSelected(true);
        chooser->addButton()->click();
        QTRY_VERIFY(!chooser);
        QVERIFY(QFileInfo::exists(notesEntry));
        QCOMPARE(shownNames(page), (QStringList{"Chat", "Notes"}));
        QCOMPARE(page.header()->text(), QStringLiteral("2 applications start at login"));

        // Switched off, a row stays so that it can be switched on again.
        toggle(page, 1)->click();
        QVERIFY(!QFileInfo::exists(notesEntry));
        QCOMPARE(shownNames(page), (QStringList{"Chat", "Notes"}));
        QCOMPARE(page.header()->text(), QStringLiteral("1 application starts at login"));
        page.viewWillAppear();
        QCOMPARE(shownNames(page), (QStringList{"Chat", "Notes"}));
        toggle(page, 0)->click();
        QCOMPARE(page.header()->text(), QStringLiteral("No applications start at login"));
    }

    // The settings daemon's plugins went off at one click, and the
    // desktop's colour management and keyring with them.
    void aPartOfTheDesktopAsksBeforeItGoesOff()
    {
        systemFile(QStringLiteral("etc/xdg/autostart/gsd-color.desktop"),
                   "Name=Color\nComment=Color management\nExec=/usr/libexec/gsd-color\nOnlyShowIn=GNOME;\n");
        systemFile(QStringLiteral("etc/xdg/autostart/tray.desktop"), "Name=Tray\nExec=/usr/bin/tray\n");
        const QString hiding = m_fixture->home(QStringLiteral(".config/autostart/gsd-color.desktop"));

        MLoginItemsPage page;
        page.resize(900, 600);
        page.show();
        page.viewWillAppear();
        QCOMPARE(shownNames(page), (QStringList{"Tray", "Color [desktop]"}));
        QCOMPARE(page.header()->text(), QStringLiteral("1 application starts at login"));
        QVERIFY(page.headerDesc()->text().contains(QLatin1String("1 part of the desktop starts too")));

        QPushButton *color = toggle(page, 1);
        color->click();
        QPointer<QMessageBox> question = page.confirmation();
        QVERIFY(question && question->isVisible());
        QVERIFY(color->isChecked());
        QCOMPARE(question->defaultButton(), question->button(QMessageBox::Cancel));
        QTest::keyClick(question.data(), Qt::Key_Return);  // the default keeps it
        QTRY_VERIFY(!question);
        QVERIFY(color->isChecked());
        QVERIFY(!QFileInfo::exists(hiding));

        color->click();
        question = page.confirmation();
        QPushButton *off = nullptr;
        for (QAbstractButton *button : question->buttons())
            if (question->buttonRole(button) == QMessageBox::DestructiveRole)
                off = qobject_cast<QPushButton *>(button);
        QVERIFY(off);
        off->click();
        QTRY_VERIFY(!question);
        QVERIFY(!color->isChecked());
        QVERIFY(QFileInfo::exists(hiding));

        // Switching it on again asks nothing.
        color->click();
        QVERIFY(!page.confirmation());
        QVERIFY(color->isChecked());
    }
};

QTEST_MAIN(TestMLoginItemsPage)
#include "test_MLoginItemsPage.moc"
