#include "ORFileConvertViewCter.h"

#include "FileItemListModel.h"
#include "FileItemRoles.h"
#include "FileNotifications.h"
#include "FileTreeModel.h"
#include "ItemCopy.h"
#include "ItemMailer.h"
#include "ORFileDataCollection.h"
#include "ORImage.h"
#include "ORNotificationCenter.h"
#include "ORUtility.h"
#include "PageNumber.h"
#include "PageStyle.h"
#include "RevealInFileManager.h"
#include "SegmentedControl.h"

#include <QDesktopServices>
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
#include <QStandardPaths>
#include <QTreeView>
#include <QUrl>
#include <QVBoxLayout>

using namespace sw;

namespace {
const QString kViewStyle = QStringLiteral(
    "QListView, QTreeView { background:#e7edf6; border:1px solid #dde3ea; border-radius:10px; padding:6px; }"
    "QListView:focus, QTreeView:focus { border:2px solid #a8e07f; }"
    "QListView::item:selected, QTreeView::item:selected { background:#cfe8bd; color:#2f353b; }");
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
    setTabOrder(m_saveButton, m_mailButton);
    ORNotificationCenter::defaultCenter().addObserver(this, filenote::kGet, [this](const QVariant &) { run(); });
}

QWidget *ORFileConvertViewCter::buildHeader()
{
    auto *header = new QWidget(this);
    auto *row = new QHBoxLayout(header);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(14);
    auto *icon = new QLabel(header);
    icon->setPixmap(ORImage::pixmap(QStringLiteral("or_rar"), QSize(44, 44), devicePixelRatioF()));
    row->addWidget(icon);
    auto *texts = new QVBoxLayout;
    texts->setSpacing(2);
    m_titleField = PageStyle::heading(QString(), header, 18);
    m_titleField->setObjectName(QStringLiteral("titleField"));
    texts->addWidget(m_titleField);
    m_pathField = PageStyle::muted(QString(), header, 10);
    m_pathField->setWordWrap(false);
    m_pathField->setTextInteractionFlags(Qt::TextSelectableByMouse);
    texts->addWidget(m_pathField);
    row->addLayout(texts, 1);
    m_viewMode = new SegmentedControl({tr("Icons"), tr("List")}, header);
    m_viewMode->setObjectName(QStringLiteral("viewModeControl"));
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
        view->setStyleSheet(kViewStyle);
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
    m_backButton = PageStyle::secondaryButton(tr("Back"), bar);
    m_backButton->setObjectName(QStringLiteral("backButton"));
    row->addWidget(m_backButton);
    row->addStretch(1);
    m_saveButton = PageStyle::secondaryButton(tr("Save..."), bar);
    m_saveButton->setObjectName(QStringLiteral("saveButton"));
    row->addWidget(m_saveButton);
    m_mailButton = PageStyle::primaryButton(tr("Mail"), bar);
    m_mailButton->setObjectName(QStringLiteral("mailButton"));
    row->addWidget(m_mailButton);
    connect(m_backButton, &QPushButton::clicked, this, &ORFileConvertViewCter::bakeToHome);
    connect(m_saveButton, &QPushButton::clicked, this, &ORFileConvertViewCter::menuSave);
    connect(m_mailButton, &QPushButton::clicked, this, &ORFileConvertViewCter::menuMail);
    return bar;
}

void ORFileConvertViewCter::run()
{
    m_itemModel->setFileData(m_collection.fileData());
    m_treeModel->setTreeNode(m_collection.treeNode());
    m_outlineView->expandToDepth(0);
    const QString folder = m_collection.desPath();
    m_titleField->setText(QFileInfo(m_collection.fileArray().value(0)).fileName());
    m_pathField->setText(tr("Extracted to %1").arg(ORUtility::shortenFilePath(folder)));
    m_pathField->setToolTip(folder);
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

void ORFileConvertViewCter::saveAs(const QString &source, const QString &name)
{
    const QString home = QStandardPaths::writableLocation(QStandardPaths::HomeLocation);
    auto *panel = new QFileDialog(window(), tr("Save"), home + QLatin1Char('/') + name);
    panel->setObjectName(QStringLiteral("savePanel"));
    panel->setAttribute(Qt::WA_DeleteOnClose);
    panel->setAcceptMode(QFileDialog::AcceptSave);
    panel->setFileMode(QFileDialog::AnyFile);
    panel->selectFile(name);
    panel->setWindowModality(Qt::WindowModal);
    connect(panel, &QFileDialog::fileSelected, this, [this, source](const QString &target) {
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
    panel->open();
}

void ORFileConvertViewCter::menuMail()
{
    const QString selected = selectedPath();
    ItemMailer::send(selected.isEmpty() ? m_collection.desPath() : selected, this);
}

void ORFileConvertViewCter::bakeToHome()
{
    m_collection.startOver();
    next(ArchivesPage);
    m_itemModel->setFileData(nullptr);
    m_treeModel->setTreeNode(nullptr);
}
