// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/winmail/ORFileConvertViewCter.h"

#include "core/foundation/ORNotificationCenter.h"
#include "core/foundation/ORUtility.h"
#include "core/fs/ItemCopy.h"
#include "core/winmail/ORFileDataCollection.h"
#include "gui/controls/ThemeFollower.h"
#include "gui/shell/FileChooser.h"
#include "gui/shell/ItemMailer.h"
#include "gui/shell/PageNumber.h"
#include "gui/shell/PageStyle.h"
#include "gui/shell/RevealInFileManager.h"
#include "gui/shell/SegmentedControl.h"
#include "gui/winmail/ExtractToStatus.h"
#include "gui/winmail/FileItemListModel.h"
#include "gui/winmail/FileItemRoles.h"
#include "gui/winmail/FileNotifications.h"
#include "gui/winmail/FileTreeModel.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QTreeView>
#include <QUrl>
#include <QVBoxLayout>

using namespace sw;

namespace {
const QString kViewStyle = QStringLiteral(
    "QListView, QTreeView { background:@list; border:1px solid @border; border-radius:10px; padding:6px; }"
    "QListView:focus, QTreeView:focus { border:2px solid @accentFocus; }"
    "QListView::item:selected, QTreeView::item:selected { background:@accentRing; color:@text; }");
}

ORFileConvertViewCter::ORFileConvertViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : ORBaseViewCter(delegate, parent), m_collection(ORFileDataCollection::shareInstance())
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(32, 24, 32, 20);
    column->setSpacing(16);
    column->addWidget(buildHeader());
    buildViews();
    column->addWidget(m_views, 1);
    column->addWidget(buildBottomBar());
    setTabOrder(m_viewMode->button(IconMode), m_viewMode->button(ListMode));
    setTabOrder(m_viewMode->button(ListMode), m_imageBrowser);
    setTabOrder(m_imageBrowser, m_outlineView);
    setTabOrder(m_outlineView, m_backButton);
    setTabOrder(m_backButton, m_saveButton);
    setTabOrder(m_saveButton, m_extractToButton);
    setTabOrder(m_extractToButton, m_mailButton);
    ORNotificationCenter::defaultCenter().addObserver(this, filenote::kGet, [this](const QVariant &) { run(); });
    // What came out of the archive does not outlive the program.
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { m_collection.startOver(); });
}

QWidget *ORFileConvertViewCter::buildHeader()
{
    auto *header = new QWidget(this);
    auto *row = new QHBoxLayout(header);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(14);
    auto *icon = new QLabel(header);
    PageStyle::showImage(icon, QStringLiteral("or_rar"), QSize(44, 44));
    row->addWidget(icon);
    auto *texts = new QVBoxLayout;
    texts->setSpacing(2);
    m_titleField = PageStyle::heading(QString(), header, 18);
    m_titleField->setObjectName(QStringLiteral("titleField"));
    texts->addWidget(m_titleField);
    m_pathField = PageStyle::muted(QString(), header, 10);
    m_pathField->setWordWrap(true);
    m_pathField->setTextInteractionFlags(Qt::TextSelectableByMouse);
    texts->addWidget(m_pathField);
    row->addLayout(texts, 1);
    m_viewMode = new SegmentedControl({tr("Icons"), tr("List")}, header);
    m_viewMode->setObjectName(QStringLiteral("viewModeControl"));
    m_viewMode->setAccessibleName(tr("Show as"));
    m_viewMode->setSelectedSegment(IconMode);
    connect(m_viewMode, &SegmentedControl::segmentChanged, this, &ORFileConvertViewCter::changeViewMode);
    row->addWidget(m_viewMode, 0, Qt::AlignVCenter);
    return header;
}

void ORFileConvertViewCter::buildViews()
{
    m_views = new QStackedWidget(this);
    m_itemModel = new FileItemListModel(this);
    m_imageBrowser = new QListView(m_views);
    m_imageBrowser->setObjectName(QStringLiteral("imageBrowser"));
    m_imageBrowser->setAccessibleName(tr("Extracted files"));
    m_imageBrowser->setViewMode(QListView::IconMode);
    m_imageBrowser->setResizeMode(QListView::Adjust);
    m_imageBrowser->setMovement(QListView::Static);
    m_imageBrowser->setIconSize(QSize(64, 64));
    m_imageBrowser->setGridSize(QSize(132, 112));
    m_imageBrowser->setSpacing(8);
    m_imageBrowser->setWordWrap(true);
    m_imageBrowser->setUniformItemSizes(true);
    m_imageBrowser->setSelectionMode(QAbstractItemView::SingleSelection);
    m_imageBrowser->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_imageBrowser->setModel(m_itemModel);

    m_treeModel = new FileTreeModel(this);
    m_outlineView = new QTreeView(m_views);
    m_outlineView->setObjectName(QStringLiteral("outlineView"));
    m_outlineView->setAccessibleName(tr("Extracted files"));
    m_outlineView->setModel(m_treeModel);
    m_outlineView->setUniformRowHeights(true);
    m_outlineView->setAlternatingRowColors(false);
    m_outlineView->setExpandsOnDoubleClick(false);
    m_outlineView->setSelectionMode(QAbstractItemView::SingleSelection);
    m_outlineView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_outlineView->setIconSize(QSize(20, 20));
    QHeaderView *header = m_outlineView->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(FileTreeModel::NameColumn, QHeaderView::Stretch);
    header->resizeSection(FileTreeModel::StyleColumn, 120);
    header->resizeSection(FileTreeModel::UpdateColumn, 170);
    header->resizeSection(FileTreeModel::SizeColumn, 110);

    for (QAbstractItemView *view : {static_cast<QAbstractItemView *>(m_imageBrowser),
                                    static_cast<QAbstractItemView *>(m_outlineView)}) {
        ThemeFollower::style(view, kViewStyle);
        view->setFocusPolicy(Qt::StrongFocus);
        view->installEventFilter(this);
        connect(view, &QAbstractItemView::doubleClicked, this, &ORFileConvertViewCter::doubleClickAtIndex);
        m_views->addWidget(view);
    }
    m_views->setCurrentWidget(m_imageBrowser);
}

QWidget *ORFileConvertViewCter::buildBottomBar()
{
    auto *bar = new QWidget(this);
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(12);
    m_backButton = PageStyle::secondaryButton(tr("&Back"), bar);
    m_backButton->setObjectName(QStringLiteral("backButton"));
    row->addWidget(m_backButton);
    row->addSpacing(8);
    m_extractToStatus = new ExtractToStatus(bar);
    row->addWidget(m_extractToStatus, 1);
    m_saveButton = PageStyle::secondaryButton(tr("&Save..."), bar);
    m_saveButton->setObjectName(QStringLiteral("saveButton"));
    row->addWidget(m_saveButton);
    m_extractToButton = PageStyle::secondaryButton(tr("&Extract to..."), bar);
    m_extractToButton->setObjectName(QStringLiteral("extractToButton"));
    row->addWidget(m_extractToButton);
    m_mailButton = PageStyle::primaryButton(tr("&Mail"), bar);
    m_mailButton->setObjectName(QStringLiteral("mailButton"));
    row->addWidget(m_mailButton);
    connect(m_backButton, &QPushButton::clicked, this, &ORFileConvertViewCter::bakeToHome);
    connect(m_saveButton, &QPushButton::clicked, this, &ORFileConvertViewCter::menuSave);
    connect(m_extractToButton, &QPushButton::clicked, this, &ORFileConvertViewCter::menuExtractTo);
    connect(m_mailButton, &QPushButton::clicked, this, &ORFileConvertViewCter::menuMail);
    connect(m_extractToStatus, &ExtractToStatus::runningChanged, this, &ORFileConvertViewCter::setBusy);
    return bar;
}

void ORFileConvertViewCter::run()
{
    m_itemModel->setFileData(m_collection.fileData());
    m_treeModel->setTreeNode(m_collection.treeNode());
    m_outlineView->expandToDepth(0);
    // Where the archive is, never the temporary folder the files are in.
    const QFileInfo archive(m_collection.fileArray().value(0));
    m_titleField->setText(archive.fileName());
    m_pathField->setText(tr("In %1. These files are a temporary copy, removed when you leave this page: "
                            "save them or extract them to keep them.")
                             .arg(ORUtility::shortenFilePath(archive.path())));
    m_pathField->setToolTip(archive.filePath());
    m_extractToStatus->clear();
    (m_views->currentWidget() == m_imageBrowser ? static_cast<QWidget *>(m_imageBrowser) : m_outlineView)
        ->setFocus();
}

void ORFileConvertViewCter::changeViewMode(int segment)
{
    QWidget *shown = segment == ListMode ? static_cast<QWidget *>(m_outlineView) : m_imageBrowser;
    m_views->setCurrentWidget(shown);
    if (m_viewMode->selectedSegment() != segment)
        m_viewMode->setSelectedSegment(segment);
}

void ORFileConvertViewCter::doubleClickAtIndex(const QModelIndex &index)
{
    const QString path = index.data(sw::FileItemRole::Path).toString();
    if (path.isEmpty())
        return;
    if (index.data(sw::FileItemRole::IsDirectory).toBool())
        RevealInFileManager::reveal(path);
    else
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool ORFileConvertViewCter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && (watched == m_imageBrowser || watched == m_outlineView)) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            doubleClickAtIndex(static_cast<QAbstractItemView *>(watched)->currentIndex());
            return true;
        }
    }
    return ORBaseViewCter::eventFilter(watched, event);
}

QString ORFileConvertViewCter::selectedPath() const
{
    const QAbstractItemView *view = m_views->currentWidget() == m_outlineView
                                        ? static_cast<const QAbstractItemView *>(m_outlineView)
                                        : m_imageBrowser;
    const QModelIndexList rows = view->selectionModel()->selectedIndexes();
    return rows.isEmpty() ? QString() : rows.first().data(sw::FileItemRole::Path).toString();
}

void ORFileConvertViewCter::menuSave()
{
    const QString selected = selectedPath();
    if (!selected.isEmpty()) {
        saveAs(selected, QFileInfo(selected).fileName());
        return;
    }
    const QString folder = m_collection.desPath();
    if (!folder.isEmpty())
        saveAs(folder, QFileInfo(folder).completeBaseName());
}

void ORFileConvertViewCter::askForPath(const QString &objectName, const QString &title, const QString &acceptLabel,
                                       const QString &name, const std::function<void(const QString &)> &chosen)
{
    // Beside the archive, under a name nothing has yet.
    const QString proposed =
        ORUtility::desDirectory(QFileInfo(m_collection.fileArray().value(0)).dir().filePath(name));
    auto *panel = sw::FileChooser::sheet(window(), title);
    panel->setDirectory(QFileInfo(proposed).path());
    panel->setObjectName(objectName);
    panel->setAttribute(Qt::WA_DeleteOnClose);
    panel->setAcceptMode(QFileDialog::AcceptSave);
    panel->setFileMode(QFileDialog::AnyFile);
    panel->setLabelText(QFileDialog::Accept, acceptLabel);
    panel->selectFile(QFileInfo(proposed).fileName());
    connect(panel, &QFileDialog::fileSelected, this, chosen);
    panel->open();
}

void ORFileConvertViewCter::saveAs(const QString &source, const QString &name)
{
    askForPath(QStringLiteral("savePanel"), tr("Save"), tr("Save"), name, [this, source](const QString &target) {
        const QList<ItemCopy::Failure> failures = ItemCopy::copy(source, target);
        if (failures.isEmpty())
            return;
        QStringList lines;
        for (const ItemCopy::Failure &failure : failures)
            lines << QStringLiteral("%1: %2").arg(failure.path, failure.reason);
        auto *alert = new QMessageBox(QMessageBox::Warning, tr("Save"),
                                      tr("%n item(s) could not be saved.", nullptr, int(failures.size())),
                                      QMessageBox::Ok, window());
        alert->setObjectName(QStringLiteral("saveFailedAlert"));
        alert->setDetailedText(lines.join(QLatin1Char('\n')));
        alert->setInformativeText(lines.mid(0, 3).join(QLatin1Char('\n')));
        alert->setAttribute(Qt::WA_DeleteOnClose);
        alert->setWindowModality(Qt::WindowModal);
        alert->open();
    });
}

void ORFileConvertViewCter::menuExtractTo()
{
    const QString folder = m_collection.desPath();
    if (folder.isEmpty() || m_extractToStatus->isRunning())
        return;
    askForPath(QStringLiteral("extractToPanel"), tr("Extract To"), tr("Extract"), QFileInfo(folder).fileName(),
               [this](const QString &target) { extractInto(target); });
}

void ORFileConvertViewCter::extractInto(const QString &target)
{
    const QFileInfo info(target);
    bool made = false;
    if (!info.exists() && !info.isSymLink()) {
        // Only the folder itself: its parent is one the dialog showed.
        made = QDir().mkdir(target);
        if (!made) {
            m_extractToStatus->showProblem(tr("The folder %1 could not be made").arg(target));
            return;
        }
    } else if (!info.isDir()) {
        m_extractToStatus->showProblem(tr("%1 is not a folder").arg(target));
        return;
    }
    m_extractToStatus->start(info.absoluteFilePath(), made);
}

void ORFileConvertViewCter::setBusy(bool busy)
{
    for (QPushButton *button : {m_backButton, m_saveButton, m_extractToButton, m_mailButton})
        button->setEnabled(!busy);
    butEnable(!busy);
}

void ORFileConvertViewCter::menuMail()
{
    const QString selected = selectedPath();
    ItemMailer::send(selected.isEmpty() ? m_collection.desPath() : selected, this,
                     m_collection.isEncrypted() ? m_collection.fileArray().value(0) : QString());
}

void ORFileConvertViewCter::bakeToHome()
{
    m_extractToStatus->cancel();
    m_collection.startOver();
    next(ArchivesPage);
    m_itemModel->setFileData(nullptr);
    m_treeModel->setTreeNode(nullptr);
}
