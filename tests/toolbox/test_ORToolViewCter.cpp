// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/shell/PageNumber.h"
#include "gui/toolbox/ORToolViewCter.h"
#include "support/PageFixture.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include <memory>

// The toolbox page on a fixture root whose /usr/share/applications holds the
// desktop entries the tests write.
class TestORToolViewCter : public QObject
{
    Q_OBJECT

    // An executable stand-in for a tool's program.
    QString program(const QString &name) const
    {
        const QString path = m_fixture->path(QStringLiteral("bin/") + name);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write("#!/bin/sh\nexit 0\n");
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }
    void entry(const QString &id, const QString &name, const QString &exec) const
    {
        const QString path = m_fixture->path(QStringLiteral("root/usr/share/applications/") + id + ".desktop");
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write("[Desktop Entry]\nType=Application\nName=" + name.toUtf8() + "\nExec=" + exec.toUtf8() + "\n");
    }

private slots:
    void init()
    {
        qunsetenv("XDG_DATA_DIRS");
        m_fixture = std::make_unique<PageFixture>();
    }
    void cleanup() { m_fixture.reset(); }

    // A missing tool's tile is disabled and says so; the page looks again
    // each time it is shown. A tool whose program went away since is
    // reported when its tile is clicked.
    void missingToolsDisableTheirTilesAndFailedStartsAreReported()
    {
        const QString settings = program(QStringLiteral("settings"));
        entry(QStringLiteral("org.gnome.Settings"), QStringLiteral("Settings"), settings + QStringLiteral(" %U"));
        ORToolViewCter page;
        page.show();
        page.viewWillAppear();
        QVERIFY(page.systemButton->isEnabled());
        QCOMPARE(page.systemButton->toolTip(), QStringLiteral("Settings"));
        QVERIFY(!page.diskButton->isEnabled());
        QCOMPARE(page.diskButton->toolTip(), QStringLiteral("Not installed"));

        entry(QStringLiteral("org.gnome.baobab"), QStringLiteral("Disk Usage"), program(QStringLiteral("baobab")));
        page.viewWillAppear();
        QVERIFY(page.diskButton->isEnabled());

        QVERIFY(QFile::remove(settings));
        QVERIFY(!page.findChild<QMessageBox *>(QStringLiteral("toolAlert")));
        QTest::mouseClick(page.systemButton, Qt::LeftButton);
        auto *alert = page.findChild<QMessageBox *>(QStringLiteral("toolAlert"));
        QVERIFY(alert);
        QVERIFY(alert->text().contains(QStringLiteral("Settings")));
        alert->close();
    }

    // Without the desktop's extensions tool the tile opens our own
    // Extensions page, from the mouse and from the keyboard alike.
    void extensionsTileWithoutTheDesktopToolOpensTheExtensionsPage()
    {
        RecordingDelegate delegate;
        ORToolViewCter page(&delegate);
        page.show();
        page.viewWillAppear();
        QVERIFY(page.extensionsButton->isEnabled());
        QTest::mouseClick(page.extensionsButton, Qt::LeftButton);
        page.extensionsButton->setFocus();
        QTest::keyClick(page.extensionsButton, Qt::Key_Return);
        QTest::keyClick(page.extensionsButton, Qt::Key_Space);
        QCOMPARE(delegate.pages, (QList<qint64>{sw::ExtensionsPage, sw::ExtensionsPage, sw::ExtensionsPage}));
    }

    // Each click makes a new compressor window and closes the one before, so
    // exactly one stays open and it is not the old one.
    void pdfTileReplacesTheCompressorWindow()
    {
        ORToolViewCter page;
        page.show();
        QTest::mouseClick(page.activityButton, Qt::LeftButton);
        const QPointer<QWidget> first = page.pdfWindowCter();
        QVERIFY(first && first->isVisible());
        QTest::mouseClick(page.activityButton, Qt::LeftButton);
        const QPointer<QWidget> second = page.pdfWindowCter();
        QVERIFY(second && second->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!first);
        QVERIFY(second);
        qsizetype open = 0;
        for (QWidget *window : QApplication::topLevelWidgets())
            open += window->objectName() == QStringLiteral("pdfWindow") && window->isVisible();
        QCOMPARE(open, 1);
    }

private:
    std::unique_ptr<PageFixture> m_fixture;
};

QTEST_MAIN(TestORToolViewCter)
#include "test_ORToolViewCter.moc"
