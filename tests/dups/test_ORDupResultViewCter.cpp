// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dups/DupCopyLimit.h"
#include "core/dups/DupKeepRule.h"
#include "core/dups/ORDupDataCollection.h"
#include "core/foundation/JobControl.h"
#include "core/foundation/ORPrefConfig.h"
#include "core/foundation/ORUtility.h"
#include "core/foundation/Translations.h"
#include "gui/controls/ORCellRoles.h"
#include "gui/controls/ORItemTableCellView.h"
#include "gui/dups/DupGroupModel.h"
#include "gui/dups/DupItemModel.h"
#include "gui/dups/DupKindBar.h"
#include "gui/dups/DupLinkButton.h"
#include "gui/dups/ORDupResultViewCter.h"
#include "gui/preview/PreviewDialog.h"
#include "gui/preview/PreviewPane.h"
#include "gui/shell/ORBasedViewCterDelegate.h"
#include "gui/shell/RemovalPage.h"
#include "gui/shell/ResultBottomBar.h"
#include "gui/shell/SegmentedControl.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Records what the page asks of its window, and the start of the removal
// page it has, in one sequence.
struct RecordingDelegate : ORBasedViewCterDelegate
{
    QStringList events;
    ORBaseViewCter *removalPage = nullptr;
    void next(qint64 page) override { events.append(QStringLiteral("next %1").arg(page)); }
    void butEnable(bool) override {}
    ORBaseViewCter *pageController(qint64 page) override { return page == sw::DupRemovalPage ? removalPage : nullptr; }
};

constexpr qint64 kReportSize = 20000;

}  // namespace

// The duplicate result page on a real scan of a tree of copies: kinds, the
// kind bar, sorting, searching, the selection with its copy limit, the
// preview mode and the ways off the page.
class TestORDupResultViewCter : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    RecordingDelegate delegate;
    std::unique_ptr<ORDupResultViewCter> page;

    void write(const QString &rel, const QByteArray &bytes) const
    {
        const QString full = dir.filePath(rel);
        QDir().mkpath(QFileInfo(full).path());
        QFile file(full);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(rel));
    }
    static QByteArray noise(qsizetype size, quint32 seed)
    {
        QByteArray bytes(size, Qt::Uninitialized);
        QRandomGenerator generator(seed);
        for (char &byte : bytes)
            byte = char(generator.generate() & 0xff);
        return bytes;
    }
    static QByteArray noisePng()
    {
        QImage image(120, 120, QImage::Format_RGB32);
        QRandomGenerator generator(7);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, generator.generate());
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        return png;
    }
    // Copies of one content in folders c0, c1, ...
    void copies(const QString &name, int count, const QByteArray &bytes) const
    {
        for (int i = 0; i < count; ++i)
            write(QStringLiteral("c%1/%2").arg(i).arg(name), bytes);
    }

    ORDupDataGroup *group(const QString &name) const
    {
        for (ORDupDataGroup *g : page->groupArr())
            if (g->groupName == name)
                return g;
        return nullptr;
    }
    int row(const QString &name) const { return page->groupModel()->rowOf(group(name)); }
    QVariant groupData(const QString &name, int role) const
    {
        return page->groupModel()->data(page->groupModel()->index(row(name)), role);
    }
    QString selectedText() const
    {
        return page->bottomBar()->selectedSizeField()->text() + QLatin1Char(' ') + page->bottomBar()->selectedUnitField()->text();
    }
    QStringList listedNames() const
    {
        QStringList names;
        for (const ORDupDataGroup *g : page->groupArr())
            names.append(g->groupName);
        return names;
    }
    QVariant copyData(int copyRow, int role) const
    {
        sw::DupItemModel *model = page->itemObject()->model();
        return model->data(model->index(copyRow), role);
    }

private slots:
    void initTestCase()
    {
        sw::Translations::install();
        QVERIFY(dir.isValid());
        copies(QStringLiteral("Report.docx"), 3, noise(kReportSize, 1));
        copies(QStringLiteral("Holiday.png"), 2, noisePng());
        copies(QStringLiteral("Clip.wmv"), 2, noise(30000, 2));
        copies(QStringLiteral("data.xyz"), 5, noise(18000, 3));
        copies(QStringLiteral("Café menu.txt"), 2, QByteArray(25000, 'm'));
        copies(QStringLiteral("Tool.app/Contents/tool.bin"), 2, noise(40000, 4));
        copies(QStringLiteral("Letter.pages/Index.xml"), 2, noise(17000, 5));
        ORPrefConfig::setStorePath(dir.filePath(QStringLiteral("settings.conf")));
        // The selection cases keep the first copy found, whatever the copies' times.
        sw::dupkeep::remember(sw::DupKeepRule::FirstFound);
    }

    void init()
    {
        ORDupDataCollection &engine = ORDupDataCollection::shareInstance();
        engine.startOver();
        engine.setFolders({dir.path()});
        engine.setExcludeFolders({});
        engine.setExcludeFiles({});
        QVERIFY(engine.dupData());
        delegate.events.clear();
        page = std::make_unique<ORDupResultViewCter>(&delegate);
        page->resize(1000, 660);
        page->show();
        page->viewWillAppear();
        page->viewDidAppear();
    }
    void cleanup()
    {
        sw::PreviewDialog::closePreview();
        page.reset();
        ORDupDataCollection::shareInstance().startOver();
    }

    void appearsOnAllKindsWithNothingSelected()
    {
        const qint64 total = ORDupDataCollection::shareInstance().tempDupData()->dupTotalSize;
        QCOMPARE(page->titleTextField()->text(),
                 QStringLiteral("All duplicates: 7 sets, ") + ORUtility::sizeFormatWithNumber(total));
        QCOMPARE(page->bottomBar()->autoSelectButton()->text(), QStringLiteral("Select"));
        QCOMPARE(page->segControl()->selectedSegment(), 0);
        QCOMPARE(page->groupArr().size(), 7);
        QCOMPARE(selectedText(), QStringLiteral("0 B"));
        QVERIFY(!page->bottomBar()->delBut()->isEnabled());
        // Row 0 is announced to the copy list.
        QCOMPARE(page->itemObject()->dataGroup(), page->groupArr().first());
    }

    void kindsSortTheGroupsAndEmptyKindsAreDisabled()
    {
        const auto names = [this](sw::DupKind kind) {
            QStringList list;
            for (const ORDupDataGroup *g : page->kindGroups(kind))
                list.append(g->groupName);
            list.sort();
            return list;
        };
        QCOMPARE(names(sw::DupKind::Documents), (QStringList{QStringLiteral("Café menu.txt"),
                                                             QStringLiteral("Letter.pages"),
                                                             QStringLiteral("Report.docx")}));
        QCOMPARE(names(sw::DupKind::Pictures), QStringList{QStringLiteral("Holiday.png")});
        QCOMPARE(names(sw::DupKind::Video), QStringList{QStringLiteral("Clip.wmv")});
        QCOMPARE(names(sw::DupKind::Packages), QStringList{QStringLiteral("Tool.app")});
        QCOMPARE(names(sw::DupKind::Others), QStringList{QStringLiteral("data.xyz")});
        QVERIFY(!page->segControl()->isSegmentEnabled(1 + int(sw::DupKind::Music)));
        QVERIFY(page->segControl()->isSegmentEnabled(1 + int(sw::DupKind::Video)));
        QCOMPARE(page->groupPies().at(int(sw::DupKind::Video)), 60000);
        QCOMPARE(page->kindBar()->legendSizeText(int(sw::DupKind::Video)), ORUtility::sizeFormatWithNumber(60000));
    }

    void groupRowShowsNameCopySizeAndCopies()
    {
        QCOMPARE(groupData(QStringLiteral("Report.docx"), sw::NameRole).toString(), QStringLiteral("Report"));
        QCOMPARE(groupData(QStringLiteral("Report.docx"), sw::SizeTextRole).toString(), ORUtility::sizeFormatWithNumber(20000));
        QCOMPARE(groupData(QStringLiteral("Report.docx"), sw::ExtraTextRole).toString(), QStringLiteral("0/3"));
    }

    void groupClickSelectsEveryCopyButTheFirst()
    {
        const int r = row(QStringLiteral("Report.docx"));
        page->groupButtonClick(r);
        const ORDupDataGroup *g = group(QStringLiteral("Report.docx"));
        QCOMPARE(g->groupItems.at(0).isDel, false);
        QCOMPARE(g->groupItems.at(1).isDel, true);
        QCOMPARE(g->groupItems.at(2).isDel, true);
        QCOMPARE(groupData(QStringLiteral("Report.docx"), sw::CheckImageRole).toString(), QStringLiteral("or_select_all"));
        QCOMPARE(groupData(QStringLiteral("Report.docx"), sw::ExtraTextRole).toString(), QStringLiteral("2/3"));
        QCOMPARE(g->groupSelectedSize, 2 * kReportSize);
        QCOMPARE(selectedText(), ORUtility::sizeFormatWithNumber(40000));
        QVERIFY(page->bottomBar()->delBut()->isEnabled());
        // The copy list shows the group; the kept copy's box cannot be ticked.
        QCOMPARE(page->itemObject()->dataGroup(), g);
        QCOMPARE(copyData(0, sw::CheckEnabledRole).toBool(), false);
        QCOMPARE(copyData(1, sw::CheckImageRole).toString(), QStringLiteral("or_select_all"));
        page->groupButtonClick(r);
        QCOMPARE(sw::DupCopyLimit::markedCount(*g), 0);
        QVERIFY(!page->bottomBar()->delBut()->isEnabled());
    }

    void copyClicksKeepOneCopy()
    {
        const int r = row(QStringLiteral("Report.docx"));
        page->groupButtonClick(r);
        ORDupResultItemObject *copiesList = page->itemObject();
        const ORDupDataGroup *g = group(QStringLiteral("Report.docx"));
        copiesList->clickCheckBox(0);  // would select the last unselected copy
        QCOMPARE(g->groupItems.at(0).isDel, false);
        QCOMPARE(groupData(QStringLiteral("Report.docx"), sw::ExtraTextRole).toString(), QStringLiteral("2/3"));
        copiesList->clickCheckBox(1);
        QCOMPARE(groupData(QStringLiteral("Report.docx"), sw::CheckImageRole).toString(),
                 QStringLiteral("or_select_part"));
        QCOMPARE(groupData(QStringLiteral("Report.docx"), sw::ExtraTextRole).toString(), QStringLiteral("1/3"));
        QCOMPARE(g->groupSelectedSize, kReportSize);
        QCOMPARE(copyData(0, sw::CheckEnabledRole).toBool(), true);
        copiesList->clickCheckBox(0);
        QCOMPARE(groupData(QStringLiteral("Report.docx"), sw::CheckImageRole).toString(), QStringLiteral("or_select_all"));
        QCOMPARE(g->groupSelectedSize, 2 * kReportSize);
        QCOMPARE(copyData(1, sw::CheckEnabledRole).toBool(), false);
    }

    // Every sequence of five clicks on the three copies and the group's
    // check button leaves one copy unselected and the sizes consistent.
    void copyLimitHoldsWhateverIsClicked()
    {
        const int r = row(QStringLiteral("Report.docx"));
        ORDupDataGroup *g = group(QStringLiteral("Report.docx"));
        page->tableView(page->groupTableView(), r);
        for (int sequence = 0; sequence < 4 * 4 * 4 * 4 * 4; ++sequence) {
            sw::DupCopyLimit::setGroupMarked(*g, false);
            page->updateSelectedSize();
            for (int step = 0, code = sequence; step < 5; ++step, code /= 4) {
                if (code % 4 == 3)
                    page->groupButtonClick(r);
                else
                    page->itemObject()->clickCheckBox(code % 4);
                const qsizetype marked = sw::DupCopyLimit::markedCount(*g);
                QVERIFY2(marked < 3, qPrintable(QStringLiteral("sequence %1").arg(sequence)));
                QCOMPARE(g->groupSelectedSize, marked * kReportSize);
                QCOMPARE(g->isGroupDelFlag, marked == 0 ? 0 : marked == 1 ? 1 : 2);
                QCOMPARE(page->bottomBar()->delBut()->isEnabled(), marked > 0);
            }
        }
    }

    // The keep rule beside Select picks the copy that stays, is remembered,
    // and a page made later starts with it.
    void selectKeepsTheCopyTheRulePicks()
    {
        QComboBox *rule = page->keepRulePopUp();
        const int newest = rule->findData(int(sw::DupKeepRule::Newest));
        rule->setCurrentIndex(newest);
        emit rule->activated(newest);
        QCOMPARE(sw::dupkeep::remembered(), sw::DupKeepRule::Newest);
        ORDupDataGroup *report = group(QStringLiteral("Report.docx"));
        for (ORDupDataItem &copy : report->groupItems)  // the middle copy is the newest
            copy.itemModTime = copy.itemPath.endsWith(QLatin1String("c1/Report.docx")) ? 2000 : 1000;
        page->autoSelectAction();
        for (const ORDupDataItem &copy : report->groupItems)
            QCOMPARE(copy.isDel, !copy.itemPath.endsWith(QLatin1String("c1/Report.docx")));
        page->autoSelectAction();
        page->groupButtonClick(row(QStringLiteral("Report.docx")));  // the group's box keeps it too
        for (const ORDupDataItem &copy : report->groupItems)
            QCOMPARE(copy.isDel, !copy.itemPath.endsWith(QLatin1String("c1/Report.docx")));
        QCOMPARE(ORDupResultViewCter(&delegate).keepRulePopUp()->currentText(), QStringLiteral("Newest"));
        // With nothing remembered the freedesktop layout keeps the best original.
        ORPrefConfig::removeObject(QStringLiteral("dupKeepRule"));
        ORDupResultViewCter fresh(&delegate);
        QCOMPARE(fresh.keepRulePopUp()->itemText(0), QStringLiteral("Best original"));
        QCOMPARE(fresh.keepRulePopUp()->currentText(), QStringLiteral("Best original"));
        sw::dupkeep::remember(sw::DupKeepRule::FirstFound);
    }

    void autoSelectSelectsAllButFirstAndClearsAgain()
    {
        page->autoSelectAction();
        QCOMPARE(page->bottomBar()->autoSelectButton()->text(), QStringLiteral("Deselect"));
        qint64 expected = 0;
        for (const ORDupDataGroup *g : page->groupArr()) {
            QVERIFY(!g->groupItems.first().isDel);
            QCOMPARE(sw::DupCopyLimit::markedCount(*g), g->groupItems.size() - 1);
            QCOMPARE(g->isGroupDelFlag, 2);
            expected += g->groupSize - sw::DupGroupModel::copySize(*g);
        }
        QCOMPARE(ORDupDataCollection::shareInstance().tempDupData()->dupSelectedSize, expected);
        page->autoSelectAction();
        QCOMPARE(page->bottomBar()->autoSelectButton()->text(), QStringLiteral("Select"));
        for (const ORDupDataGroup *g : page->groupArr())
            QCOMPARE(sw::DupCopyLimit::markedCount(*g), 0);
        QVERIFY(!page->bottomBar()->delBut()->isEnabled());
    }

    // With c1 a reference folder, every set holds one original there: its
    // tick is locked and says why, Select and the group's box skip it, and
    // every other copy may be selected (no further copy needs keeping).
    void referenceCopyTickIsLockedAndSelectSkipsIt()
    {
        page.reset();
        ORDupDataCollection &engine = ORDupDataCollection::shareInstance();
        engine.startOver();
        engine.setFolders({dir.path()});
        engine.setReferenceFolders({dir.filePath(QStringLiteral("c1"))});
        QVERIFY(engine.dupData());
        page = std::make_unique<ORDupResultViewCter>(&delegate);
        page->resize(1000, 660);
        page->show();
        page->viewWillAppear();
        page->viewDidAppear();
        const auto isOriginal = [](const ORDupDataItem &copy) { return copy.itemPath.contains(QLatin1String("/c1/")); };

        ORDupDataGroup *report = group(QStringLiteral("Report.docx"));
        QVERIFY(report);
        page->tableView(page->groupTableView(), row(QStringLiteral("Report.docx")));
        sw::DupItemModel *copiesModel = page->itemObject()->model();
        int original = -1;
        for (int r = 0; r < copiesModel->rowCount(); ++r)
            if (copiesModel->itemPath(r).contains(QLatin1String("/c1/")))
                original = r;
        QVERIFY(original >= 0);
        QCOMPARE(copyData(original, sw::CheckEnabledRole).toBool(), false);
        QCOMPARE(copyData(original, sw::CheckImageRole).toString(), QStringLiteral("or_select_null"));
        QVERIFY(copyData(original, Qt::ToolTipRole).toString().contains(QLatin1String("reference folder")));
        QCOMPARE(copyData(original, sw::BadgeRole).toString(), QStringLiteral("Reference"));
        page->itemObject()->clickCheckBox(original);
        QCOMPARE(sw::DupCopyLimit::markedCount(*report), 0);
        // By hand both other copies may go.
        for (int r = 0; r < copiesModel->rowCount(); ++r)
            if (r != original)
                page->itemObject()->clickCheckBox(r);
        QCOMPARE(sw::DupCopyLimit::markedCount(*report), 2);
        QCOMPARE(groupData(QStringLiteral("Report.docx"), sw::CheckImageRole).toString(), QStringLiteral("or_select_all"));

        page->autoSelectAction();  // selects, whatever the keep rule
        QCOMPARE(page->bottomBar()->autoSelectButton()->text(), QStringLiteral("Deselect"));
        for (const ORDupDataGroup *g : page->groupArr())
            for (const ORDupDataItem &copy : g->groupItems)
                QCOMPARE(copy.isDel, !isOriginal(copy));
        QVERIFY(page->bottomBar()->delBut()->isEnabled());
    }

    void anotherKindClearsTheSelection()
    {
        page->changeDupGroup(1 + int(sw::DupKind::Documents));
        QCOMPARE(page->groupArr().size(), 3);
        page->groupButtonClick(0);
        QVERIFY(page->bottomBar()->delBut()->isEnabled());
        page->changeDupGroup(1 + int(sw::DupKind::Pictures));
        QCOMPARE(listedNames(), QStringList{QStringLiteral("Holiday.png")});
        for (const ORDupDataGroup &g : ORDupDataCollection::shareInstance().tempDupData()->dupGroups)
            QCOMPARE(sw::DupCopyLimit::markedCount(g), 0);
        QCOMPARE(selectedText(), QStringLiteral("0 B"));
        QVERIFY(!page->bottomBar()->delBut()->isEnabled());
        QCOMPARE(page->bottomBar()->totalSizeField()->text() + QLatin1Char(' ') + page->bottomBar()->totalUnitField()->text(),
                 ORUtility::sizeFormatWithNumber(group(QStringLiteral("Holiday.png"))->groupSize));
        QCOMPARE(page->titleTextField()->text(),
                 QStringLiteral("Pictures: 1 set, ")
                     + ORUtility::sizeFormatWithNumber(group(QStringLiteral("Holiday.png"))->groupSize));
    }

    // Copies share their name: each row shows its own folder and date.
    void copyRowsShowTheirFolderAndDate()
    {
        ORDupDataGroup *report = group(QStringLiteral("Report.docx"));
        const QDateTime older(QDate(2021, 3, 4), QTime(5, 6));
        const QDateTime newer(QDate(2024, 11, 30), QTime(22, 15));
        report->groupItems[0].itemModTime = older.toMSecsSinceEpoch();
        report->groupItems[1].itemModTime = newer.toMSecsSinceEpoch();
        page->tableView(page->groupTableView(), row(QStringLiteral("Report.docx")));
        QVERIFY(page->itemObject()->cellView()->isBigFile);  // drawn as name over folder, with the date
        for (int copy = 0; copy < 2; ++copy) {
            QCOMPARE(copyData(copy, sw::NameRole).toString(), QStringLiteral("Report.docx"));
            QCOMPARE(copyData(copy, sw::PathRole).toString(),
                     QFileInfo(report->groupItems.at(copy).itemPath).path());
        }
        QCOMPARE(copyData(0, sw::DateTextRole).toString(), QLocale().toString(older.date(), QLocale::ShortFormat));
        QCOMPARE(copyData(1, sw::DateTextRole).toString(), QLocale().toString(newer.date(), QLocale::ShortFormat));
    }

    void searchMatchesNamesInAnyCaseAndWidensAgain_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("capitals") << "REPORT" << QStringList{QStringLiteral("Report.docx")};
        QTest::newRow("without the accent") << "cafe" << QStringList{QStringLiteral("Café menu.txt")};
        QTest::newRow("no match") << "zzz" << QStringList();
    }
    void searchMatchesNamesInAnyCaseAndWidensAgain()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, listed);
        page->searchField()->setText(text);
        QCOMPARE(listedNames(), listed);
        QCOMPARE(page->groupModel()->rowCount(), int(listed.size()));
        QCOMPARE(page->itemObject()->dataGroup() != nullptr, !listed.isEmpty());
        // A shorter text searches the whole kind again.
        page->searchField()->setText(QStringLiteral("e"));
        QVERIFY(listedNames().contains(QStringLiteral("Report.docx")));
        page->searchField()->clear();
        QCOMPARE(page->groupArr().size(), 7);
    }

    void searchStaysWithinTheKind()
    {
        page->changeDupGroup(1 + int(sw::DupKind::Video));
        page->searchField()->setText(QStringLiteral("report"));
        QVERIFY(page->groupArr().isEmpty());
        QCOMPARE(page->segControl()->selectedSegment(), 1 + int(sw::DupKind::Video));
        page->searchField()->clear();
        QCOMPARE(listedNames(), QStringList{QStringLiteral("Clip.wmv")});
    }

    void sortingByCopiesAndByNameReordersTheResult()
    {
        page->sortedGroups(2);
        QCOMPARE(listedNames().first(), QStringLiteral("data.xyz"));
        QCOMPARE(listedNames().at(1), QStringLiteral("Report.docx"));
        QCOMPARE(ORDupDataCollection::shareInstance().tempDupData()->dupGroups.first().groupName,
                 QStringLiteral("data.xyz"));
        page->sortedGroups(1);
        QStringList byName = listedNames();
        std::sort(byName.begin(), byName.end(),
                  [](const QString &a, const QString &b) { return a.toLower() < b.toLower(); });
        QCOMPARE(listedNames(), byName);
        // The kinds point at the moved groups.
        QCOMPARE(page->kindGroups(sw::DupKind::Video).first()->groupName, QStringLiteral("Clip.wmv"));
        QCOMPARE(page->itemObject()->dataGroup(), page->groupArr().first());
    }

    void previewModeShowsTheGroupsFile()
    {
        page->changeViewMode(ORDupResultViewCter::PreviewMode);
        QCOMPARE(page->previewPane()->path(), page->groupArr().first()->groupPath);
        page->tableView(page->groupTableView(), row(QStringLiteral("Holiday.png")));
        QCOMPARE(page->previewPane()->kind(), sw::PreviewKind::Image);
        page->tableView(page->groupTableView(), row(QStringLiteral("Café menu.txt")));
        QCOMPARE(page->previewPane()->kind(), sw::PreviewKind::Text);
        page->changeViewMode(ORDupResultViewCter::ListMode);
        QVERIFY(page->previewPane()->path().isEmpty());
    }

    void previewButtonTogglesThePreviewWindow()
    {
        page->tableView(page->groupTableView(), row(QStringLiteral("Report.docx")));
        page->itemObject()->previewButton(1);
        const QString path = group(QStringLiteral("Report.docx"))->groupItems.at(1).itemPath;
        QCOMPARE(page->itemObject()->or_itemPath(), path);
        QVERIFY(sw::PreviewDialog::instance() && sw::PreviewDialog::instance()->isShowing(path));
        page->itemObject()->previewButton(1);
        QVERIFY(!sw::PreviewDialog::instance()->isVisible());
    }

    void noLeavesEverythingAndYesGoesToTheRemovalPage()
    {
        sw::RemovalPage removal(&delegate, nullptr,
                                {sw::DupScanPage, {sw::RemovalWording::Action::DeleteDuplicates, true},
                                 [this](sw::JobRunner &, const QVariant &) { delegate.events.append(QStringLiteral("removal")); },
                                 [] {}});
        delegate.removalPage = &removal;
        page->groupButtonClick(row(QStringLiteral("data.xyz")));
        const QString before = selectedText();
        page->delButton();
        QVERIFY(page->alert()->isVisible());
        QCOMPARE(page->alert()->text(), QStringLiteral("Move duplicates to the Trash?"));
        QVERIFY(page->alert()->actionButton()->text().startsWith(QStringLiteral("Move 4 items to the Trash (")));
        page->alert()->cancelButton()->click();
        QVERIFY(delegate.events.isEmpty());
        QCOMPARE(selectedText(), before);
        QCOMPARE(sw::DupCopyLimit::markedCount(*group(QStringLiteral("data.xyz"))), 4);
        page->delButton();
        page->alert()->actionButton()->click();
        QCOMPARE(delegate.events, QStringList{QStringLiteral("next 16")});
        QTRY_COMPARE(delegate.events, (QStringList{QStringLiteral("next 16"), QStringLiteral("removal")}));
    }

    // Empty finds have no copy to keep or to link to, and are not duplicates.
    void emptyFindsOfferNoLinkAndAskAboutEmptyItems()
    {
        QDir(dir.path()).mkpath(QStringLiteral("hollow/inner"));
        write(QStringLiteral("zero.txt"), {});
        ORDupDataCollection &engine = ORDupDataCollection::shareInstance();
        engine.startOver();
        engine.setFolders({dir.path()});
        engine.setScanMode(ORDupDataCollection::ScanMode::Empty);
        sw::JobControl job;
        QVERIFY(engine.scan(job));
        engine.setScanMode(ORDupDataCollection::ScanMode::Duplicates);
        page->viewWillAppear();
        page->viewDidAppear();
        QVERIFY(page->linkButton()->button()->isHidden());
        QVERIFY(page->keepRulePopUp()->isHidden());
        page->bottomBar()->autoSelectButton()->click();
        page->delButton();
        QCOMPARE(page->alert()->text(), QStringLiteral("Move empty and broken items to the Trash?"));
        QVERIFY(page->alert()->actionButton()->text().startsWith(QStringLiteral("Move 2 items to the Trash (")));
        page->alert()->cancelButton()->click();
        QDir(dir.filePath(QStringLiteral("hollow"))).removeRecursively();
        QFile::remove(dir.filePath(QStringLiteral("zero.txt")));
    }

    void startOverForgetsTheResult()
    {
        page->bottomBar()->startOverBut()->click();
        QCOMPARE(delegate.events, QStringList{QStringLiteral("next 13")});
        QVERIFY(!ORDupDataCollection::shareInstance().tempDupData());
        QVERIFY(!page->itemObject()->dataGroup());
        QCOMPARE(page->groupModel()->rowCount(), 0);
    }
};

QTEST_MAIN(TestORDupResultViewCter)
#include "test_ORDupResultViewCter.moc"
