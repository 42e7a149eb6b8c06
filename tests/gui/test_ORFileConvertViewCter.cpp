#include "ArchiveFixture.h"
#include "FileTreeModel.h"
#include "JobControl.h"
#include "ORFileConvertViewCter.h"
#include "PageFixture.h"
#include "PageNumber.h"
#include "SegmentedControl.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QTreeView>
#include <QtTest>

namespace {

// The texts of column of the rows under parent.
QStringList texts(const QAbstractItemModel *model, const QModelIndex &parent = QModelIndex(), int column = 0)
{
    QStringList found;
    for (int row = 0; row < model->rowCount(parent); ++row)
        found << model->index(row, column, parent).data().toString();
    found.sort();
    return found;
}

// The row of the outline's root whose name is name.
QModelIndex child(const QAbstractItemModel *model, const QString &name, int column = 0)
{
    const QModelIndex root = model->index(0, 0);
    for (int row = 0; row < model->rowCount(root); ++row)
        if (model->index(row, 0, root).data().toString() == name)
            return model->index(row, column, root);
    return {};
}

// Waits for the save panel and answers it with target; returns the name it proposed.
QString answerSavePanel(const QString &target)
{
    QFileDialog *panel = nullptr;
    if (!QTest::qWaitFor([&panel] {
            panel = QApplication::activeModalWidget() ? QApplication::activeModalWidget()->findChild<QFileDialog *>()
                                                      : nullptr;
            if (!panel)
                panel = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            return panel && panel->isVisible();
        }))
        return QString();
    const QString proposed = QFileInfo(panel->selectedFiles().value(0)).fileName();
    // Typed, as a user would: the panel's own selectFile() leaves the typed name.
    auto *nameField = panel->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    if (!nameField)
        return QString();
    nameField->setText(target);
    QMetaObject::invokeMethod(panel, "accept");
    return proposed;
}

}  // namespace

class TestORFileConvertViewCter : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void bothViewModesShowTheItems();
    void saveWithNothingSelectedCopiesTheWholeFolder();
    void backReturnsToTheIntroPageWithTheResultCleared();

private:
    // Extracts a zip of note.txt and docs/inner.txt and shows the result.
    void extract();

    std::unique_ptr<ArchiveFixture> m_fixture;
    std::unique_ptr<RecordingDelegate> m_delegate;
    std::unique_ptr<ORFileConvertViewCter> m_page;
};

void TestORFileConvertViewCter::init()
{
    m_fixture = std::make_unique<ArchiveFixture>();
    m_delegate = std::make_unique<RecordingDelegate>();
    m_page = std::make_unique<ORFileConvertViewCter>(m_delegate.get());
    m_page->resize(1100, 720);
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
}

void TestORFileConvertViewCter::cleanup()
{
    m_page.reset();
    m_delegate.reset();
    m_fixture.reset();
}

void TestORFileConvertViewCter::extract()
{
    const QString zip = m_fixture->zip(QStringLiteral("bundle.zip"),
                                       {{QStringLiteral("note.txt"), "a note"}, {QStringLiteral("docs/inner.txt"), "inner"}});
    sw::ExtractionRequest request;
    request.source = zip;
    const sw::ExtractionOutcome outcome = ORFileDataCollection::shareInstance().extract(
        request, [] { return std::optional<QString>(); }, sw::JobControl::unwatched());
    QCOMPARE(outcome.status, sw::ExtractionOutcome::Status::Extracted);
    m_page->run();
}

void TestORFileConvertViewCter::bothViewModesShowTheItems()
{
    extract();
    QCOMPARE(m_page->imageBrowser()->viewMode(), QListView::IconMode);
    QVERIFY(m_page->imageBrowser()->isVisible());
    QCOMPARE(texts(m_page->imageBrowser()->model()), (QStringList{"docs", "note"}));

    QTest::mouseClick(m_page->viewModeControl()->button(ORFileConvertViewCter::ListMode), Qt::LeftButton);
    QVERIFY(m_page->outlineView()->isVisible());
    QVERIFY(!m_page->imageBrowser()->isVisible());
    const QAbstractItemModel *tree = m_page->outlineView()->model();
    QStringList ids;
    for (int column = 0; column < tree->columnCount(); ++column)
        ids << tree->headerData(column, Qt::Horizontal, FileTreeModel::ColumnIdRole).toString();
    QCOMPARE(ids, (QStringList{"Name", "style", "Update", "Size"}));
    QCOMPARE(tree->rowCount(), 1);
    QCOMPARE(texts(tree, tree->index(0, 0)), (QStringList{"docs", "note.txt"}));
    QVERIFY(m_page->outlineView()->isExpanded(tree->index(0, 0)));
    QCOMPARE(child(tree, "docs", FileTreeModel::StyleColumn).data().toString(), QStringLiteral("Directory"));
    QCOMPARE(child(tree, "note.txt", FileTreeModel::StyleColumn).data().toString(), QStringLiteral("txt"));
    QCOMPARE(child(tree, "note.txt", FileTreeModel::SizeColumn).data().toString(), QStringLiteral("6 B"));
    QCOMPARE(texts(tree, child(tree, "docs")), QStringList{"inner.txt"});

    QTest::mouseClick(m_page->viewModeControl()->button(ORFileConvertViewCter::IconMode), Qt::LeftButton);
    QVERIFY(m_page->imageBrowser()->isVisible());
}

void TestORFileConvertViewCter::saveWithNothingSelectedCopiesTheWholeFolder()
{
    extract();
    const QString folder = ORFileDataCollection::shareInstance().desPath();
    const QString target = m_fixture->path(QStringLiteral("saved"));
    QTimer::singleShot(0, m_page->saveButton(), &QPushButton::click);
    QCOMPARE(answerSavePanel(target), QFileInfo(folder).completeBaseName());
    QTRY_VERIFY(QFileInfo::exists(target + QStringLiteral("/docs/inner.txt")));
    QFile note(target + QStringLiteral("/note.txt"));
    QVERIFY(note.open(QIODevice::ReadOnly));
    QCOMPARE(note.readAll(), QByteArray("a note"));
    QVERIFY(!m_page->findChild<QMessageBox *>(QString(), Qt::FindDirectChildrenOnly));

    // A copy that fails is told, not dropped.
    QTimer::singleShot(0, m_page->saveButton(), &QPushButton::click);
    QVERIFY(!answerSavePanel(m_fixture->path(QStringLiteral("missing/folder/saved"))).isEmpty());
    QTRY_VERIFY(m_page->window()->findChild<QMessageBox *>(QStringLiteral("saveFailedAlert")));
}

void TestORFileConvertViewCter::backReturnsToTheIntroPageWithTheResultCleared()
{
    extract();
    QVERIFY(ORFileDataCollection::shareInstance().tmpFileData());
    QTest::mouseClick(m_page->backButton(), Qt::LeftButton);
    QCOMPARE(m_delegate->pages, QList<qint64>{sw::ArchivesPage});
    QVERIFY(!ORFileDataCollection::shareInstance().tmpFileData());
    QVERIFY(!ORFileDataCollection::shareInstance().treeNode());
    QCOMPARE(m_page->imageBrowser()->model()->rowCount(), 0);
    QCOMPARE(m_page->outlineView()->model()->rowCount(), 0);
}

QTEST_MAIN(TestORFileConvertViewCter)
#include "test_ORFileConvertViewCter.moc"
