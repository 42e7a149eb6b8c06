#include "BigGroupModel.h"
#include "ORBigDataCollection.h"
#include "ORBigDelViewCter.h"
#include "ORBigNoVeiwCter.h"
#include "ORBigResultViewCter.h"
#include "ORBigViewCter.h"
#include "ORCellRoles.h"
#include "ORMainWinController.h"
#include "PageFixture.h"
#include "SYFlatButton.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

// The large-file tool driven through the main window, from the folder list to
// the Trash and back.
class TestLargeFileTool : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<PageFixture> fixture;
    std::unique_ptr<ORMainWinController> window;

    template <class Page>
    Page *page(qint64 number) const
    {
        return qobject_cast<Page *>(window->pageController(number));
    }
    void clickSidebar(qint64 tag) { QTest::mouseClick(window->buttonWithTag(tag), Qt::LeftButton); }
    void scanToResult()
    {
        clickSidebar(17);
        QCOMPARE(window->currentPage(), qint64(17));
        page<ORBigViewCter>(17)->scanBut()->click();
        QTRY_COMPARE(window->currentPage(), qint64(19));
    }
    QStringList listedNames() const
    {
        const auto *model = page<ORBigResultViewCter>(19)->itemObject()->model();
        QStringList names;
        for (int row = 0; row < model->rowCount(); ++row)
            names.append(model->data(model->index(row), sw::NameRole).toString());
        return names;
    }
    static void answer(QMessageBox *alert, const QString &text)
    {
        QTRY_VERIFY(alert && alert->isVisible());
        for (QAbstractButton *button : alert->buttons())
            if (button->text() == text)
                button->click();
    }

private slots:
    void init()
    {
        fixture = std::make_unique<PageFixture>();
        fixture->sparse(QStringLiteral("Documents/a.bin"), 40 * PageFixture::MiB);
        fixture->sparse(QStringLiteral("Documents/B.bin"), 50 * PageFixture::MiB);
        fixture->sparse(QStringLiteral("Videos/c.mkv"), 130 * PageFixture::MiB);
        fixture->write(QStringLiteral("Documents/small.txt"), "small");
        ORBigDataCollection::shareInstance().startOver();
        window = std::make_unique<ORMainWinController>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup()
    {
        window.reset();
        ORBigDataCollection::shareInstance().startOver();
        fixture.reset();
    }

    void fromTheFolderListToTheTrashAndBack()
    {
        scanToResult();
        QVERIFY(window->buttonWithTag(1)->isEnabled());
        // The tool reopens on its result while the engine holds it.
        clickSidebar(1);
        clickSidebar(17);
        QCOMPARE(window->currentPage(), qint64(19));
        QCOMPARE(window->selectedTag(), qint64(17));

        auto *result = page<ORBigResultViewCter>(19);
        result->groupButtonClick(0);
        result->delBut()->click();
        answer(result->alert(), QStringLiteral("No"));
        QCOMPARE(window->currentPage(), qint64(19));
        QVERIFY(fixture->homeHas(QStringLiteral("Documents/a.bin")));

        // A file the search hides stays, though its band is ticked.
        result->itemObject()->searchField()->setText(QStringLiteral("b.bin"));
        result->delBut()->click();
        answer(result->alert(), QStringLiteral("Yes"));
        QCOMPARE(window->currentPage(), qint64(20));
        auto *removal = page<ORBigDelViewCter>(20);
        QTRY_VERIFY(removal->completionBut()->isVisible());
        QVERIFY(window->buttonWithTag(1)->isEnabled());
        QCOMPARE(removal->sizeDelField()->text() + QLatin1Char(' ') + removal->removeUnitField()->text(),
                 QStringLiteral("50.00 MB"));
        QVERIFY(!fixture->homeHas(QStringLiteral("Documents/B.bin")));
        QVERIFY(QFileInfo::exists(fixture->trashed(QStringLiteral("B.bin"))));
        QVERIFY(fixture->homeHas(QStringLiteral("Documents/a.bin")));
        QVERIFY(fixture->homeHas(QStringLiteral("Videos/c.mkv")));

        removal->completionBut()->click();
        QCOMPARE(window->currentPage(), qint64(17));
        QVERIFY(page<ORBigViewCter>(17)->idleView()->isVisible());
        QVERIFY(!ORBigDataCollection::shareInstance().tempBigData());
        clickSidebar(1);
        clickSidebar(17);
        QCOMPARE(window->currentPage(), qint64(17));
    }

    void sortOrderLastsWhenTheToolIsLeft()
    {
        scanToResult();
        QComboBox *sort = page<ORBigResultViewCter>(19)->itemObject()->sortPopButton();
        QCOMPARE(listedNames(), (QStringList{"B.bin", "a.bin"}));
        sort->setCurrentIndex(1);
        emit sort->activated(1);
        clickSidebar(13);
        clickSidebar(17);
        QCOMPARE(window->currentPage(), qint64(19));
        QCOMPARE(listedNames(), (QStringList{"a.bin", "B.bin"}));
    }

    void nothingFoundLocksTheSidebarUntilItsButton()
    {
        QFile::remove(fixture->home(QStringLiteral("Documents/a.bin")));
        QFile::remove(fixture->home(QStringLiteral("Documents/B.bin")));
        QFile::remove(fixture->home(QStringLiteral("Videos/c.mkv")));
        clickSidebar(17);
        page<ORBigViewCter>(17)->scanBut()->click();
        QTRY_COMPARE(window->currentPage(), qint64(18));
        auto *none = page<ORBigNoVeiwCter>(18);
        QCOMPARE(none->infoTextField()->text(), QStringLiteral("No Data Found!"));
        QVERIFY(!window->buttonWithTag(1)->isEnabled());
        none->button()->click();
        QCOMPARE(window->currentPage(), qint64(17));
        QVERIFY(window->buttonWithTag(1)->isEnabled());
        QVERIFY(page<ORBigViewCter>(17)->idleView()->isVisible());
        QVERIFY(!ORBigDataCollection::shareInstance().tempBigData());
    }
};

QTEST_MAIN(TestLargeFileTool)
#include "test_LargeFileTool.moc"
