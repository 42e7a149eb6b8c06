// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArchiveFixture.h"
#include "core/foundation/JobControl.h"
#include "gui/shell/PageNumber.h"
#include "gui/shell/SegmentedControl.h"
#include "gui/winmail/ExtractToStatus.h"
#include "gui/winmail/FileTreeModel.h"
#include "gui/winmail/ORFileConvertViewCter.h"
#include "support/PageFixture.h"

#include <QAbstractButton>
#include <QDesktopServices>
#include <QLabel>
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

// Waits for the save (or Extract to) panel and answers it with target;
// returns the path it proposed.
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
    const QString proposed = panel->selectedFiles().value(0);
    // Typed, as a user would: the panel's own selectFile() leaves the typed name.
    auto *nameField = panel->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    if (!nameField)
        return QString();
    nameField->setText(target);
    QMetaObject::invokeMethod(panel, "accept");
    return proposed;
}

}  // namespace

// Stands in for the desktop's handler of file URLs.
class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

class TestORFileConvertViewCter : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void bothViewModesShowTheItemsUnderTheArchivesName();
    void saveWithNothingSelectedCopiesTheWholeFolderBesideTheArchive();
    void extractToWritesIntoTheChosenFolderAndOpensIt();
    void mailOfAnEncryptedArchivesFilesOffersTheArchive();
    void backRemovesTheExtractionAndReturnsToTheIntroPage();

private:
    // Extracts bundle.zip (note.txt and docs/inner.txt, encrypted with a
    // password) and shows the result.
    void extract(const QString &password = QString());

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

void TestORFileConvertViewCter::extract(const QString &password)
{
    const QString zip = m_fixture->zip(QStringLiteral("bundle.zip"),
                                       {{QStringLiteral("note.txt"), "a note"}, {QStringLiteral("docs/inner.txt"), "inner"}},
                                       password);
    sw::ExtractionRequest request;
    request.source = zip;
    sw::JobControl job;
    const sw::ExtractionOutcome outcome = ORFileDataCollection::shareInstance().extract(
        request, [password](const QString &) { return std::optional<QString>(password); }, job);
    QCOMPARE(outcome.status, sw::ExtractionOutcome::Status::Extracted);
    m_page->run();
}

// The root and the header showed the temporary folder ("unarchiverAbCd").
void TestORFileConvertViewCter::bothViewModesShowTheItemsUnderTheArchivesName()
{
    extract();
    QCOMPARE(m_page->findChild<QLabel *>(QStringLiteral("titleField"))->text(), QStringLiteral("bundle.zip"));
    for (const QLabel *label : m_page->findChildren<QLabel *>())
        QVERIFY2(!label->text().contains(QStringLiteral("unarchiver")), qPrintable(label->text()));
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
    QCOMPARE(tree->index(0, 0).data().toString(), QStringLiteral("bundle"));
    QCOMPARE(texts(tree, tree->index(0, 0)), (QStringList{"docs", "note.txt"}));
    QVERIFY(m_page->outlineView()->isExpanded(tree->index(0, 0)));
    QCOMPARE(child(tree, "docs", FileTreeModel::StyleColumn).data().toString(), QStringLiteral("Directory"));
    QCOMPARE(child(tree, "note.txt", FileTreeModel::StyleColumn).data().toString(), QStringLiteral("txt"));
    QCOMPARE(child(tree, "note.txt", FileTreeModel::SizeColumn).data().toString(), QStringLiteral("6 B"));
    QCOMPARE(texts(tree, child(tree, "docs")), QStringList{"inner.txt"});

    QTest::mouseClick(m_page->viewModeControl()->button(ORFileConvertViewCter::IconMode), Qt::LeftButton);
    QVERIFY(m_page->imageBrowser()->isVisible());
}

void TestORFileConvertViewCter::saveWithNothingSelectedCopiesTheWholeFolderBesideTheArchive()
{
    extract();
    const QString target = m_fixture->path(QStringLiteral("saved"));
    QTimer::singleShot(0, m_page->saveButton(), &QPushButton::click);
    QCOMPARE(answerSavePanel(target), m_fixture->path(QStringLiteral("bundle")));
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

// Extract to: proposed beside the archive under its name; straight into
// the folder chosen; then "Open Folder".
void TestORFileConvertViewCter::extractToWritesIntoTheChosenFolderAndOpensIt()
{
    extract();
    const QString target = m_fixture->path(QStringLiteral("chosen"));
    QTimer::singleShot(0, m_page->extractToButton(), &QPushButton::click);
    QCOMPARE(answerSavePanel(target), m_fixture->path(QStringLiteral("bundle")));
    ExtractToStatus *status = m_page->extractToStatus();
    QTRY_VERIFY(status->openFolderButton()->isVisible());
    QVERIFY(!status->isRunning());
    QVERIFY2(status->statusField()->text().startsWith(QStringLiteral("Extracted to")),
             qPrintable(status->statusField()->text()));
    QVERIFY(m_page->backButton()->isEnabled());
    QCOMPARE(QFileInfo(target + QStringLiteral("/note.txt")).size(), 6);
    QVERIFY(QFileInfo::exists(target + QStringLiteral("/docs/inner.txt")));

    UrlRecorder opened;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &opened, "open");
    QTest::mouseClick(status->openFolderButton(), Qt::LeftButton);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QCOMPARE(opened.urls, QList<QUrl>{QUrl::fromLocalFile(target)});
}

// Mailing what came out of an encrypted archive sent it unprotected
// without a word; now the user is told, and may attach the archive.
void TestORFileConvertViewCter::mailOfAnEncryptedArchivesFilesOffersTheArchive()
{
    // A stand-in for xdg-email that notes what it was asked to attach.
    const QString bin = m_fixture->path(QStringLiteral("bin"));
    QDir().mkpath(bin);
    const QString log = m_fixture->path(QStringLiteral("mailed"));
    QFile script(bin + QStringLiteral("/xdg-email"));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$2\" > '%1'\n").arg(log).toUtf8());
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin) + ':' + path);

    extract(QStringLiteral("s3cret"));
    QTimer::singleShot(0, m_page->mailButton(), &QPushButton::click);
    QMessageBox *question = nullptr;
    QTRY_VERIFY((question = m_page->window()->findChild<QMessageBox *>(QStringLiteral("unprotectedMailQuestion"))));
    QCOMPARE(question->text(), QStringLiteral("The attachment will not be protected"));
    QCOMPARE(question->defaultButton()->objectName(), QStringLiteral("attachArchiveButton"));
    question->defaultButton()->click();
    QTRY_VERIFY(QFileInfo::exists(log));
    qputenv("PATH", path);
    QFile mailed(log);
    QVERIFY(mailed.open(QIODevice::ReadOnly));
    const QString attached = QString::fromUtf8(mailed.readAll()).trimmed();
    QCOMPARE(QFileInfo(attached).fileName(), QStringLiteral("bundle.zip"));
    QFile copy(attached);
    QFile archive(m_fixture->path(QStringLiteral("bundle.zip")));
    QVERIFY(copy.open(QIODevice::ReadOnly) && archive.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), archive.readAll());
}

// Decrypted files stayed in the temporary folder after the user left.
void TestORFileConvertViewCter::backRemovesTheExtractionAndReturnsToTheIntroPage()
{
    extract();
    const QString folder = ORFileDataCollection::shareInstance().desPath();
    QVERIFY(QFileInfo::exists(folder + QStringLiteral("/note.txt")));
    QTest::mouseClick(m_page->backButton(), Qt::LeftButton);
    QCOMPARE(m_delegate->pages, QList<qint64>{sw::ArchivesPage});
    QVERIFY(!ORFileDataCollection::shareInstance().tmpFileData());
    QVERIFY(!ORFileDataCollection::shareInstance().treeNode());
    QCOMPARE(m_page->imageBrowser()->model()->rowCount(), 0);
    QCOMPARE(m_page->outlineView()->model()->rowCount(), 0);
    QCOMPARE(QDir(m_fixture->path(QStringLiteral("tmp"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList());
}

QTEST_MAIN(TestORFileConvertViewCter)
#include "test_ORFileConvertViewCter.moc"
