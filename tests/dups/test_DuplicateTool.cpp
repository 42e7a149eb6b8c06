// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dups/ORDupDataCollection.h"
#include "core/foundation/ORUtility.h"
#include "core/foundation/Translations.h"
#include "gui/dups/DupLinkButton.h"
#include "gui/dups/ORDupDelViewCter.h"
#include "gui/dups/ORDupNoViewCter.h"
#include "gui/dups/ORDupResultViewCter.h"
#include "gui/dups/ORDupViewCter.h"
#include "gui/shell/ConfirmSheet.h"
#include "gui/shell/ResultBottomBar.h"
#include "support/PageFixture.h"
#include "support/ToolWindow.h"

#include <QLabel>
#include <QMenu>
#include <QSet>

#include <sys/stat.h>
#include <QPushButton>

// The duplicate tool driven through the main window, from the folder list to
// the Trash and back: one copy of every group always stays.
class TestDuplicateTool : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<PageFixture> fixture;
    std::unique_ptr<ToolWindow> window;

    void scan(qint64 expectedPage)
    {
        window->clickSidebar(sw::DupScanPage);
        QCOMPARE(window->currentPage(), qint64(sw::DupScanPage));
        window->page<ORDupViewCter>(sw::DupScanPage)->startBut()->click();
        QTRY_COMPARE(window->currentPage(), expectedPage);
    }
    int copiesLeft(const QStringList &paths) const
    {
        return int(std::count_if(paths.cbegin(), paths.cend(), [this](const QString &p) { return fixture->homeHas(p); }));
    }

private slots:
    void init()
    {
        fixture = std::make_unique<PageFixture>();
        fixture->write(QStringLiteral("Documents/unique.dat"), PageFixture::randomBytes(20000));
        ORDupDataCollection::shareInstance().startOver();
        window = std::make_unique<ToolWindow>();
        QVERIFY(window->exposed());
    }
    void cleanup()
    {
        window.reset();
        ORDupDataCollection::shareInstance().startOver();
        fixture.reset();
    }

    void fromTheFolderListToTheTrashAndBack()
    {
        const QByteArray song = PageFixture::randomBytes(20000);
        const QByteArray report = PageFixture::randomBytes(30000);
        const QStringList songs{"Documents/song.mp3", "Music/song.mp3"};
        const QStringList reports{"Documents/report.pdf", "Music/report.pdf", "Music/report copy.pdf"};
        for (const QString &path : songs)
            fixture->write(path, song);
        for (const QString &path : reports)
            fixture->write(path, report);
        scan(15);
        window->clickSidebar(sw::JunkScanPage);
        window->clickSidebar(sw::DupScanPage);
        QCOMPARE(window->currentPage(), qint64(sw::DupResultPage));
        QCOMPARE(window->window.selectedTag(), qint64(13));

        auto *result = window->page<ORDupResultViewCter>(sw::DupResultPage);
        result->autoSelectAction();  // every copy but the first of each group
        result->bottomBar()->delBut()->click();
        QVERIFY(answerSheet(result->alert(), false));
        QCOMPARE(window->currentPage(), qint64(sw::DupResultPage));
        QCOMPARE(copiesLeft(songs) + copiesLeft(reports), 5);

        result->bottomBar()->delBut()->click();
        QVERIFY(answerSheet(result->alert(), true));
        QCOMPARE(window->currentPage(), qint64(sw::DupRemovalPage));
        auto *removal = window->page<ORDupDelViewCter>(sw::DupRemovalPage);
        QTRY_VERIFY(removal->completionBut()->isVisible());
        QVERIFY(window->sidebarEnabled());
        QCOMPARE(removal->sizeDelField()->text() + QLatin1Char(' ') + removal->removeUnitField()->text(),
                 ORUtility::sizeFormatWithNumber(80000));  // one song and two reports
        QCOMPARE(copiesLeft(songs), 1);
        QCOMPARE(copiesLeft(reports), 1);
        QVERIFY(fixture->homeHas(QStringLiteral("Documents/unique.dat")));
        QVERIFY(QFileInfo::exists(fixture->trashed(QStringLiteral("song.mp3"))));

        removal->completionBut()->click();
        QCOMPARE(window->currentPage(), qint64(sw::DupScanPage));
        QVERIFY(window->page<ORDupViewCter>(sw::DupScanPage)->idleView()->isVisible());
        QVERIFY(!ORDupDataCollection::shareInstance().tempDupData());
    }

    // The selected copies become hard links to the copy each group keeps; the
    // removal page says so and shows the space freed.
    void replaceWithHardLinksFromTheResultPage()
    {
        sw::Translations::install();  // the English plural forms
        const QByteArray report = PageFixture::randomBytes(30000);
        const QStringList reports{"Documents/report.pdf", "Music/report.pdf", "Music/report copy.pdf"};
        for (const QString &path : reports)
            fixture->write(path, report);
        scan(15);
        auto *result = window->page<ORDupResultViewCter>(sw::DupResultPage);
        QVERIFY(!result->linkButton()->button()->isEnabled());
        result->autoSelectAction();
        QVERIFY(result->linkButton()->button()->isEnabled());
        QMenu *menu = result->linkButton()->kindMenu();
        emit menu->aboutToShow();
        QCOMPARE(menu->actions().size(), 3);
        QCOMPARE(menu->defaultAction()->text(), sw::DupLinkButton::kindTitle(sw::LinkKind::Hard));
        menu->defaultAction()->trigger();
        auto *sheet = window->window.findChild<sw::ConfirmSheet *>(QStringLiteral("linkConfirmSheet"));
        QVERIFY(sheet);
        QVERIFY2(sheet->actionButton()->text().startsWith(QStringLiteral("Replace 2 copies with links (")),
                 qPrintable(sheet->actionButton()->text()));
        QVERIFY(answerSheet(sheet, true));
        QCOMPARE(window->currentPage(), qint64(sw::DupRemovalPage));
        auto *removal = window->page<ORDupDelViewCter>(sw::DupRemovalPage);
        QTRY_VERIFY(removal->completionBut()->isVisible());
        QCOMPARE(removal->captionField()->text(), QStringLiteral("Duplicates replaced with links"));
        QCOMPARE(removal->sizeDelField()->text() + QLatin1Char(' ') + removal->removeUnitField()->text(),
                 ORUtility::sizeFormatWithNumber(60000));
        QCOMPARE(copiesLeft(reports), 3);
        QSet<ino_t> files;
        for (const QString &path : reports) {
            struct stat st = {};
            QCOMPARE(::lstat(QFile::encodeName(fixture->home(path)).constData(), &st), 0);
            files.insert(st.st_ino);
        }
        QCOMPARE(files.size(), 1);
        removal->completionBut()->click();
    }

    void nothingFoundLeavesTheSidebarEnabled()
    {
        scan(14);
        auto *none = window->page<ORDupNoViewCter>(sw::DupNothingPage);
        QCOMPARE(none->infoTextField()->text(), QStringLiteral("No duplicates were found in these folders."));
        QVERIFY(window->sidebarEnabled());
        none->button()->click();
        QCOMPARE(window->currentPage(), qint64(sw::DupScanPage));
        QVERIFY(window->sidebarEnabled());
        QVERIFY(!ORDupDataCollection::shareInstance().tempDupData());
    }
};

QTEST_MAIN(TestDuplicateTool)
#include "test_DuplicateTool.moc"
