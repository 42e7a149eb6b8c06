// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/foundation/ORUtility.h"
#include "core/foundation/ORUtility.h"
#include "core/foundation/Translations.h"
#include "core/uninst/ORAppDataCollection.h"
#include "gui/controls/ORCellRoles.h"
#include "gui/uninst/ORUninstDelViewCter.h"
#include "gui/uninst/ORUninstResultViewCter.h"
#include "gui/uninst/ORUninstViewCter.h"
#include "support/PageFixture.h"
#include "support/ToolWindow.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QUrl>

// Receives the URLs the program asks the desktop to open.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened.append(url); }
};

// The uninstaller driven through the main window on a home with three
// AppImages and their leftovers.
class TestUninstallerTool : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<PageFixture> fixture;
    std::unique_ptr<ToolWindow> window;

    ORUninstResultViewCter *result() const { return window->page<ORUninstResultViewCter>(sw::UninstallerResultPage); }
    QStringList listedApps() const
    {
        QStringList names;
        for (const ORAppDataGroup *group : result()->groupArr())
            names.append(group->groupName);
        return names;
    }
    int itemRowEndingWith(const QString &tail) const
    {
        const auto *model = result()->itemObject()->model();
        for (int row = 0; row < model->rowCount(); ++row)
            if (model->data(model->index(row), sw::PathRole).toString().endsWith(tail))
                return row;
        return -1;
    }
    QString selectedText() const
    {
        return result()->selectedSizeField()->text() + QLatin1Char(' ') +
               result()->selectedUnitField()->text();
    }
    void startScan()
    {
        window->clickSidebar(sw::UninstallerPage);
        QCOMPARE(window->currentPage(), qint64(sw::UninstallerPage));
        window->page<ORUninstViewCter>(sw::UninstallerPage)->startBut()->click();
    }

private slots:
    void initTestCase() { sw::Translations::install(); }
    void init()
    {
        fixture = std::make_unique<PageFixture>();
        ORAppDataCollection::shareInstance().startOver();
        window = std::make_unique<ToolWindow>();
        QVERIFY(window->exposed());
    }
    void cleanup()
    {
        window.reset();
        ORAppDataCollection::shareInstance().startOver();
        fixture.reset();
    }

    void fromTheScanToTheRemovalAndBack()
    {
        fixture->write(QStringLiteral("Applications/alpha.AppImage"), QByteArray(40 * 1024, 'a'));
        fixture->write(QStringLiteral(".config/alpha/settings.conf"), QByteArray(30 * 1024, 'c'));
        fixture->write(QStringLiteral(".local/share/alpha/library"), QByteArray(5 * 1024, 'l'));
        fixture->write(QStringLiteral("Applications/Mid.AppImage"), QByteArray(50 * 1024, 'm'));
        fixture->write(QStringLiteral("Applications/Zeta.AppImage"), QByteArray(300 * 1024, 'z'));
        fixture->write(QStringLiteral(".cache/Zeta/blob"), QByteArray(100 * 1024, 'b'));
        QVERIFY(window->window.buttonWithTag(sw::UninstallerPage)->isEnabled());
        startScan();
        QTRY_COMPARE(window->currentPage(), qint64(sw::UninstallerResultPage));
        QVERIFY(window->sidebarEnabled());

        // By the whole size (alpha's 75 kB over Mid's 50, though its three
        // items are smaller each), then by the lower-cased name.
        QCOMPARE(listedApps(), (QStringList{"Zeta", "alpha", "Mid"}));
        QCOMPARE(result()->gTableView()->model()->index(0, 0).data(sw::BadgeRole).toString(), QStringLiteral("AppImage"));
        QComboBox *sort = result()->or_PopUpBut();
        sort->setCurrentIndex(1);
        emit sort->activated(1);
        QCOMPARE(listedApps(), (QStringList{"alpha", "Mid", "Zeta"}));

        // Select all ticks every application but not the user's data; a
        // search clears the selection and starts from every application.
        result()->autoSelectButton()->click();
        QCOMPARE(selectedText(), ORUtility::sizeFormatWithNumber(520 * 1024));
        result()->searchField()->setText(QStringLiteral("ZET"));
        QCOMPARE(listedApps(), QStringList{"Zeta"});
        QCOMPARE(selectedText(), ORUtility::sizeFormatWithNumber(0));
        QVERIFY(!result()->delBut()->isEnabled());
        result()->searchField()->setText(QStringLiteral("AL"));
        QCOMPARE(listedApps(), QStringList{"alpha"});
        result()->searchField()->clear();
        QCOMPARE(listedApps(), (QStringList{"alpha", "Mid", "Zeta"}));

        // A leftover goes only with its application: Zeta's cache cannot be
        // ticked alone, and goes off again when Zeta does. Then alpha, whose
        // data is listed under its heading and stays unticked.
        result()->tableView(result()->groupTableView(), 2);
        QCOMPARE(result()->appNameField()->text(), QStringLiteral("Zeta"));
        const int cache = itemRowEndingWith(QStringLiteral("/.cache/Zeta"));
        const int zeta = itemRowEndingWith(QStringLiteral("/Zeta.AppImage"));
        QVERIFY(cache >= 0 && zeta >= 0);
        const auto *zetaItems = result()->itemObject()->model();
        QCOMPARE(zetaItems->index(cache).data(sw::CheckImageRole).toString(), QStringLiteral("or_select_null"));
        QVERIFY(zetaItems->index(cache).data(Qt::ToolTipRole).toString().contains(QStringLiteral("with the application")));
        result()->itemObject()->clickCheckBox(cache);
        QCOMPARE(result()->groupArr().at(2)->isGroupDelFlag, qint64(0));
        result()->itemObject()->clickCheckBox(zeta);
        result()->itemObject()->clickCheckBox(cache);
        QCOMPARE(result()->groupArr().at(2)->isGroupDelFlag, qint64(2));
        result()->itemObject()->clickCheckBox(zeta);
        QCOMPARE(result()->groupArr().at(2)->isGroupDelFlag, qint64(0));
        result()->groupButtonClick(0);
        QCOMPARE(selectedText(), ORUtility::sizeFormatWithNumber(70 * 1024));
        const auto *items = result()->itemObject()->model();
        const int data = itemRowEndingWith(QStringLiteral("/.local/share/alpha"));
        QVERIFY(data > 0);
        QCOMPARE(items->index(data - 1).data(sw::NameRole).toString(), QStringLiteral("Your data"));
        QVERIFY(items->index(data - 1).data(sw::SectionRole).toBool());
        QCOMPARE(items->index(data).data(sw::CheckImageRole).toString(), QStringLiteral("or_select_off"));

        result()->delBut()->click();
        QCOMPARE(result()->alert()->actionButton()->text(),
                 QStringLiteral("Uninstall 1 application (%1)").arg(ORUtility::sizeFormatWithNumber(70 * 1024)));
        QVERIFY(answerSheet(result()->alert(), true));
        QCOMPARE(window->currentPage(), qint64(sw::UninstallerRemovalPage));
        auto *removal = window->page<ORUninstDelViewCter>(sw::UninstallerRemovalPage);
        QTRY_VERIFY(removal->completionBut()->isVisible());
        QCOMPARE(removal->sizeDelField()->text() + QLatin1Char(' ') + removal->removeUnitField()->text(),
                 ORUtility::sizeFormatWithNumber(70 * 1024));
        QCOMPARE(removal->countField()->text(), QStringLiteral("2 items removed"));
        QCOMPARE(removedInDetails(removal, 2), (QStringList{".config/alpha", "Applications/alpha.AppImage"}));
        QVERIFY(!fixture->homeHas(QStringLiteral("Applications/alpha.AppImage")));
        QVERIFY(QFileInfo::exists(fixture->trashed(QStringLiteral("alpha.AppImage"))));
        QVERIFY(fixture->homeHas(QStringLiteral(".local/share/alpha/library")));
        QVERIFY(fixture->homeHas(QStringLiteral(".cache/Zeta/blob")));
        QVERIFY(fixture->homeHas(QStringLiteral("Applications/Zeta.AppImage")));

        // What went can be put back from the Trash, which the page opens.
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("trash"), &catcher, "open");
        QVERIFY(removal->openTrashBut()->isVisible());
        removal->openTrashBut()->click();
        QDesktopServices::unsetUrlHandler(QStringLiteral("trash"));
        QCOMPARE(catcher.opened, QList<QUrl>{QUrl(QStringLiteral("trash:///"))});

        removal->completionBut()->click();
        QCOMPARE(window->currentPage(), qint64(sw::UninstallerPage));
        QVERIFY(!ORAppDataCollection::shareInstance().tempAppData());
        QVERIFY(window->page<ORUninstViewCter>(sw::UninstallerPage)->briefView()->isVisible());
    }

    // One application is nothing to choose among: the page stays, says so,
    // and the tool does not reopen on a result.
    void oneApplicationKeepsTheScanPage()
    {
        fixture->write(QStringLiteral("Applications/Solo.AppImage"), QByteArray(1024, 's'));
        startScan();
        auto *scan = window->page<ORUninstViewCter>(sw::UninstallerPage);
        QTRY_VERIFY(!scan->noteField()->text().isEmpty());
        QCOMPARE(window->currentPage(), qint64(sw::UninstallerPage));
        QVERIFY(scan->briefView()->isVisible());
        QVERIFY(window->sidebarEnabled());
        QVERIFY(!ORAppDataCollection::shareInstance().tempAppData());
        window->clickSidebar(sw::JunkScanPage);
        window->clickSidebar(sw::UninstallerPage);
        QCOMPARE(window->currentPage(), qint64(sw::UninstallerPage));
    }
};

QTEST_MAIN(TestUninstallerTool)
#include "test_UninstallerTool.moc"
