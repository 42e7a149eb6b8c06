// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/extensions/ORExtDataCollection.h"
#include "core/foundation/Translations.h"
#include "gui/controls/ORCellRoles.h"
#include "gui/extensions/ORExtensionDelViewCter.h"
#include "gui/extensions/ORExtensionResultViewCter.h"
#include "gui/extensions/ORExtensionViewCter.h"
#include "support/PageFixture.h"
#include "support/ToolWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

// The extensions manager driven through the main window on a home with a
// shell extension, a browser plug-in and a thumbnailer, and no browser.
class TestExtensionsTool : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<PageFixture> fixture;
    std::unique_ptr<ToolWindow> window;

    ORExtensionResultViewCter *result() const { return window->page<ORExtensionResultViewCter>(sw::ExtensionsResultPage); }
    int rowOfCategory(qint64 groupID) const
    {
        const auto &listed = result()->groupModel()->listed();
        for (int row = 0; row < listed.size(); ++row)
            if (listed.at(row)->groupID == groupID)
                return row;
        return -1;
    }

private slots:
    void initTestCase() { sw::Translations::install(); }
    void init()
    {
        fixture = std::make_unique<PageFixture>();
        ORExtDataCollection::shareInstance().startOver();
        window = std::make_unique<ToolWindow>();
        QVERIFY(window->exposed());
    }
    void cleanup()
    {
        window.reset();
        ORExtDataCollection::shareInstance().startOver();
        fixture.reset();
    }

    void fromTheScanToTheRemovalAndBack()
    {
        const QString shell = QStringLiteral(".local/share/gnome-shell/extensions/dash@example.org/");
        fixture->write(shell + QStringLiteral("metadata.json"),
                       R"({"uuid":"dash@example.org","name":"Dash Tweaks"})");
        fixture->write(shell + QStringLiteral("extension.js"), QByteArray(4000, 'j'));
        fixture->write(QStringLiteral(".mozilla/plugins/libflash.so"), QByteArray(6000, 'f'));
        fixture->write(QStringLiteral(".local/share/thumbnailers/raw.thumbnailer"),
                       "[Thumbnailer Entry]\nExec=x\n");
        QVERIFY(window->window.buttonWithTag(sw::ExtensionsPage)->isEnabled());
        window->clickSidebar(sw::ExtensionsPage);
        window->page<ORExtensionViewCter>(sw::ExtensionsPage)->startBut()->click();
        QTRY_COMPARE(window->currentPage(), qint64(sw::ExtensionsResultPage));
        QVERIFY(window->sidebarEnabled());

        // No browser: the first category shows its note, and cannot be ticked.
        QCOMPARE(rowOfCategory(0), 0);
        QVERIFY(result()->itemNoView()->isVisible());
        const auto *groups = result()->groupModel();
        QVERIFY(!groups->data(groups->index(0), sw::CheckEnabledRole).toBool());
        QVERIFY(!result()->autoSelectButton()->isVisible());
        QVERIFY(!result()->itemObject()->searchField()->isVisible());

        // A category with add-ons lists them again.
        const int desktop = rowOfCategory(1);
        result()->tableView(result()->groupTableView(), desktop);
        QVERIFY(!result()->itemNoView()->isVisible());
        QVERIFY(result()->itemObject()->isVisible());
        QCOMPARE(result()->junkGroupField()->text(), result()->groupModel()->group(desktop)->groupName);
        const auto *items = result()->itemObject()->model();
        QCOMPARE(items->data(items->index(0), sw::NameRole).toString(), QStringLiteral("GNOME Shell \u203A Dash Tweaks"));
        result()->itemObject()->clickCheckBox(0);
        QCOMPARE(result()->groupModel()->group(desktop)->isGroupDelFlag, qint64(2));
        result()->groupButtonClick(rowOfCategory(2));
        QVERIFY(result()->delBut()->isEnabled());

        result()->delBut()->click();
        QVERIFY(answerSheet(result()->alert(), true));
        QCOMPARE(window->currentPage(), qint64(sw::ExtensionsRemovalPage));
        auto *removal = window->page<ORExtensionDelViewCter>(sw::ExtensionsRemovalPage);
        QTRY_VERIFY(removal->completionBut()->isVisible());
        QCOMPARE(removedInDetails(removal, 1), (QStringList{"dash@example.org", "libflash.so"}));
        QVERIFY(!fixture->homeHas(shell));
        QVERIFY(!fixture->homeHas(QStringLiteral(".mozilla/plugins/libflash.so")));
        QVERIFY(fixture->homeHas(QStringLiteral(".local/share/thumbnailers/raw.thumbnailer")));

        removal->completionBut()->click();
        QCOMPARE(window->currentPage(), qint64(sw::ExtensionsPage));
        QVERIFY(!ORExtDataCollection::shareInstance().tempExtData());
        QVERIFY(window->page<ORExtensionViewCter>(sw::ExtensionsPage)->briefView()->isVisible());
    }
};

QTEST_MAIN(TestExtensionsTool)
#include "test_ExtensionsTool.moc"
