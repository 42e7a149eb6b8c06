// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/controls/ORTableView.h"
#include "gui/shell/FolderDropView.h"
#include "gui/shell/FolderListPanel.h"
#include "support/PageFixture.h"

#include <QAbstractItemView>
#include <QFileDialog>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QUrl>
#include <QtTest>

namespace {
const QString kDrop = QStringLiteral("testdropfolders");
}

// The folder list of the scan pages: what the chooser and drops add, what the
// remove buttons take away, and which drags the drop area accepts.
class TestFolderListPanel : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<PageFixture> fixture;
    std::unique_ptr<sw::FolderListPanel> panel;

    QString folder(const QString &name) const
    {
        QDir().mkpath(fixture->home(name));
        return fixture->home(name);
    }
    QStringList names(const QStringList &folders) const
    {
        QStringList out;
        for (const QString &path : folders)
            out.append(QFileInfo(path).fileName());
        return out;
    }
    // A panel that lists files too, in place of the scan pages' one.
    void takeFilesToo()
    {
        panel = std::make_unique<sw::FolderListPanel>(
            new sw::FolderDropView(kDrop), QStringList{folder("A")},
            sw::FolderListPanel::Setup{QStringLiteral("To go"), QStringLiteral("Drop here"), QString(), true}, nullptr);
        panel->show();
    }
    void drop(const QList<QUrl> &urls)
    {
        QMimeData mime;
        mime.setUrls(urls);
        // As a file manager's drag arrives: it enters the drop area, then drops.
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(panel->dropView(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent event(QPointF(10, 10), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(panel->dropView(), &event);
        QVERIFY(event.isAccepted());
        QCOMPARE(event.dropAction(), Qt::CopyAction);
    }

private slots:
    void init()
    {
        fixture = std::make_unique<PageFixture>();
        panel = std::make_unique<sw::FolderListPanel>(new sw::FolderDropView(kDrop),
                                                      QStringList{folder("A"), folder("B")});
        panel->resize(700, 300);
        panel->show();
    }
    void cleanup()
    {
        panel.reset();
        fixture.reset();
    }

    void chooserAddsUntilAListedFolder_data()
    {
        QTest::addColumn<QStringList>("chosen");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<bool>("changed");
        QTest::newRow("all new") << QStringList{"C", "D"} << QStringList{"A", "B", "C", "D"} << true;
        QTest::newRow("the second is listed") << QStringList{"C", "A", "D"} << QStringList{"A", "B", "C"} << true;
        QTest::newRow("the first is listed") << QStringList{"B", "C"} << QStringList{"A", "B"} << false;
        QTest::newRow("chosen twice") << QStringList{"C", "C", "D"} << QStringList{"A", "B", "C"} << true;
        QTest::newRow("nothing chosen") << QStringList{} << QStringList{"A", "B"} << false;
    }
    void chooserAddsUntilAListedFolder()
    {
        QFETCH(QStringList, chosen);
        QFETCH(QStringList, listed);
        QFETCH(bool, changed);
        QStringList paths;
        for (const QString &name : chosen)
            paths.append(folder(name));
        QSignalSpy spy(panel.get(), &sw::FolderListPanel::foldersChanged);
        panel->addFolders(paths);
        QCOMPARE(names(panel->folders()), listed);
        QCOMPARE(spy.count(), changed ? 1 : 0);
        QCOMPARE(panel->folderTableView()->model()->rowCount(), int(listed.size()));
    }

    void droppingAFileAndAFolderAddsOnlyTheFolder()
    {
        const QString file = fixture->write(QStringLiteral("notes.txt"), "text");
        drop({QUrl::fromLocalFile(file), QUrl::fromLocalFile(folder("New"))});
        QTRY_COMPARE(names(panel->folders()), (QStringList{"A", "B", "New"}));
    }

    // Files too: a dropped file or link is listed (a link that leads nowhere
    // is still something to remove); only what is not there is skipped.
    void filesTooListsDroppedFilesAndLinksAndSkipsVanishedPaths()
    {
        takeFilesToo();
        const QString file = fixture->write(QStringLiteral("notes.txt"), "text");
        const QString dangling = fixture->home(QStringLiteral("dangling"));
        QVERIFY(QFile::link(fixture->home(QStringLiteral("nowhere")), dangling));
        drop({QUrl::fromLocalFile(file), QUrl::fromLocalFile(fixture->home("gone")), QUrl::fromLocalFile(dangling),
              QUrl::fromLocalFile(folder("New")), QUrl::fromLocalFile(folder("A")), QUrl::fromLocalFile(folder("Z"))});
        QTRY_COMPARE(names(panel->folders()), (QStringList{"A", "notes.txt", "dangling", "New"}));
    }

    void droppedListedFolderEndsTheAddingAndVanishedPathsAreSkipped()
    {
        drop({QUrl::fromLocalFile(fixture->home("gone")), QUrl::fromLocalFile(folder("C")),
              QUrl::fromLocalFile(folder("A")), QUrl::fromLocalFile(folder("D"))});
        QTRY_COMPARE(names(panel->folders()), (QStringList{"A", "B", "C"}));
    }

    void dragsWithoutLocalFilesAreRefused_data()
    {
        QTest::addColumn<QList<QUrl>>("urls");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("local folder") << QList<QUrl>{QUrl::fromLocalFile("/tmp")} << QString() << true;
        QTest::newRow("web address") << QList<QUrl>{QUrl("https://example.org/a")} << QString() << false;
        QTest::newRow("plain text") << QList<QUrl>{} << QStringLiteral("/tmp") << false;
    }
    void dragsWithoutLocalFilesAreRefused()
    {
        QFETCH(QList<QUrl>, urls);
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QMimeData mime;
        if (!urls.isEmpty())
            mime.setUrls(urls);
        if (!text.isEmpty())
            mime.setText(text);
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
        enter.ignore();
        QCoreApplication::sendEvent(panel->dropView(), &enter);
        QCOMPARE(enter.isAccepted(), accepted);
        if (accepted)
            QCOMPARE(enter.dropAction(), Qt::CopyAction);
    }

    void removeButtonsEmptyTheList()
    {
        QSignalSpy spy(panel.get(), &sw::FolderListPanel::foldersChanged);
        panel->closeButton(5);  // no such row
        QCOMPARE(spy.count(), 0);
        panel->closeButton(0);
        QCOMPARE(names(panel->folders()), QStringList{"B"});
        panel->closeButton(0);
        QVERIFY(panel->folders().isEmpty());
        QCOMPARE(spy.count(), 2);
    }

    // The chooser was Qt's own dialog, forced: its path completion stayed on
    // the page after Enter and the next click went to it. It is the
    // desktop's own dialog now.
    void chooserIsTheDesktopsSheet()
    {
        panel->addFolderButton();
        QFileDialog *chooser = panel->chooser();
        QVERIFY(chooser && chooser->isVisible());
        QVERIFY(!chooser->testOption(QFileDialog::DontUseNativeDialog));
        QCOMPARE(chooser->fileMode(), QFileDialog::Directory);
        QCOMPARE(chooser->windowModality(), Qt::WindowModal);
        emit chooser->filesSelected({folder("C")});
        QCOMPARE(names(panel->folders()), (QStringList{"A", "B", "C"}));
        chooser->reject();
        QVERIFY(!panel->addFilesBut());
    }

    // Files too: one chooser serves both buttons, each opening it for its own kind.
    void filesTooChoosesFilesOrFolders()
    {
        takeFilesToo();
        panel->addFilesBut()->click();
        QFileDialog *chooser = panel->chooser();
        QVERIFY(chooser && chooser->isVisible());
        QCOMPARE(chooser->fileMode(), QFileDialog::ExistingFiles);
        QVERIFY(!chooser->testOption(QFileDialog::ShowDirsOnly));
        emit chooser->filesSelected({fixture->write(QStringLiteral("a.txt"), "a"), fixture->write(QStringLiteral("b.txt"), "b")});
        chooser->reject();
        panel->addButton()->click();
        QCOMPARE(chooser->fileMode(), QFileDialog::Directory);
        QVERIFY(chooser->testOption(QFileDialog::ShowDirsOnly));
        chooser->reject();
        QCOMPARE(names(panel->folders()), (QStringList{"A", "a.txt", "b.txt"}));
    }
};

QTEST_MAIN(TestFolderListPanel)
#include "test_FolderListPanel.moc"
