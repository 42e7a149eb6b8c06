#include "ORShredViewCter.h"

#include "ConfirmSheet.h"
#include "FileChooser.h"
#include "FolderListModel.h"
#include "FolderTableCard.h"
#include "ORDispatch.h"
#include "ORImage.h"
#include "ORLayout.h"
#include "ORNotificationCenter.h"
#include "ORShredDropView.h"
#include "ORShredOperation.h"
#include "ORTableView.h"
#include "PageNumber.h"
#include "PageStyle.h"
#include "RemovalPage.h"
#include "ShredNotifications.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

using namespace sw;

ORShredViewCter::ORShredViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : ORBaseViewCter(delegate, parent), m_shredOperation(ORShredOperation::shareInstance())
{
    m_model = new FolderListModel(this);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(40, 28, 40, 28);
    column->setSpacing(14);
    column->addWidget(PageStyle::heading(tr("Shredder"), this, 22), 0, Qt::AlignHCenter);
    auto *brief = PageStyle::muted(tr("Files and folders shredded here are removed at once, not moved to the Trash."),
                                   this, 12);
    brief->setAlignment(Qt::AlignCenter);
    column->addWidget(brief);
    auto *row = new QHBoxLayout;
    row->setSpacing(20);
    row->addWidget(buildDropView());
    row->addWidget(buildList(), 1);
    column->addLayout(row, 1);
    ORNotificationCenter::defaultCenter().addObserver(this, shrednote::kDropped,
                                                      [this](const QVariant &v) { addFolder(v); });
}

QWidget *ORShredViewCter::buildDropView()
{
    m_dropView = new ORShredDropView(this);
    m_dropView->setObjectName(QStringLiteral("dropView"));
    m_dropView->setFixedWidth(250);
    auto *column = PageStyle::dropPrompt(m_dropView, QStringLiteral("or_shred_icon"), tr("Drop files and folders here"));
    auto *addFiles = PageStyle::secondaryButton(tr("Add Files…"), m_dropView);
    addFiles->setObjectName(QStringLiteral("addFilesButton"));
    connect(addFiles, &QPushButton::clicked, this, [this] { addFolderButton(false); });
    column->addWidget(addFiles, 0, Qt::AlignHCenter);
    auto *addFolders = PageStyle::secondaryButton(tr("Add Folders…"), m_dropView);
    addFolders->setObjectName(QStringLiteral("addFolderButton"));
    connect(addFolders, &QPushButton::clicked, this, [this] { addFolderButton(true); });
    column->addWidget(addFolders, 0, Qt::AlignHCenter);
    column->addStretch(1);
    return m_dropView;
}

QWidget *ORShredViewCter::buildList()
{
    auto *card = new FolderTableCard(tr("To shred"), m_model, this);
    auto *column = card->column();
    column->setContentsMargins(6, 12, 6, 12);
    m_folderTableView = card->table();
    connect(card, &FolderTableCard::closeClicked, this, &ORShredViewCter::closeButton);

    m_overwriteBox = new QCheckBox(tr("Overwrite contents before removing"), card);
    m_overwriteBox->setObjectName(QStringLiteral("overwriteBox"));
    connect(m_overwriteBox, &QCheckBox::toggled, this, [](bool on) { ORShredOperation::setOverwriteEnabled(on); });
    auto *caveat = PageStyle::muted(tr("On SSDs and copy-on-write file systems, overwriting cannot guarantee that "
                                       "the old data is gone."),
                                    card, 10);
    auto *bottom = new QHBoxLayout;
    bottom->setContentsMargins(10, 6, 10, 0);
    auto *switches = new QVBoxLayout;
    switches->addWidget(m_overwriteBox);
    switches->addWidget(caveat);
    bottom->addLayout(switches, 1);
    m_startBut = PageStyle::primaryButton(tr("Shred"), card);
    m_startBut->setObjectName(QStringLiteral("startBut"));
    connect(m_startBut, &QPushButton::clicked, this, &ORShredViewCter::shredButton);
    bottom->addWidget(m_startBut, 0, Qt::AlignBottom);
    column->addLayout(bottom);
    return card;
}

void ORShredViewCter::viewWillAppear()
{
    m_model->setFolders({});
    m_startBut->setEnabled(false);
    const QSignalBlocker quiet(m_overwriteBox);
    m_overwriteBox->setChecked(ORShredOperation::overwriteEnabled());
}

QStringList ORShredViewCter::folderArr() const
{
    return m_model->folders();
}

bool ORShredViewCter::isEixst(const QString &path) const
{
    return m_model->folders().contains(path);
}

void ORShredViewCter::addFolder(const QVariant &paths)
{
    if (ORNotificationCenter::isNull(paths))
        return;
    QStringList folders = m_model->folders();
    for (const QString &path : paths.toStringList()) {
        if (folders.contains(path))
            break;  // a listed path ends the batch; the rest is not taken
        folders.append(path);
    }
    if (folders.size() == m_model->folders().size())
        return;
    m_model->setFolders(folders);
    m_startBut->setEnabled(!folders.isEmpty());
}

void ORShredViewCter::addFolderButton(bool folders)
{
    delete m_chooser;
    m_chooser = FileChooser::sheet(window(), folders ? tr("Choose Folders") : tr("Choose Files"));
    m_chooser->setObjectName(QStringLiteral("shredChooser"));
    m_chooser->setFileMode(folders ? QFileDialog::Directory : QFileDialog::ExistingFiles);
    m_chooser->setOption(QFileDialog::ShowDirsOnly, folders);
    m_chooser->setLabelText(QFileDialog::Accept, tr("Add"));
    m_chooser->setDirectory(ORLayout::home());
    connect(m_chooser, &QFileDialog::filesSelected, this,
            [this](const QStringList &chosen) { addFolder(QVariant(chosen)); });
    m_chooser->open();
}

void ORShredViewCter::closeButton(int row)
{
    QStringList folders = m_model->folders();
    if (row < 0 || row >= folders.size())
        return;
    folders.removeAt(row);
    m_model->setFolders(folders);
}

// The list is measured off the window's thread first, for the size the
// sheet names; the engine keeps what it measured for the removal.
void ORShredViewCter::shredButton()
{
    const QStringList paths = folderArr();
    if (paths.isEmpty() || m_measuring)
        return;
    m_measuring = true;
    m_startBut->setEnabled(false);
    QPointer<ORShredViewCter> page(this);
    ORDispatch::global(ORDispatch::Priority::Default, [page, paths, &operation = m_shredOperation] {
        operation.startOver();
        operation.setFolders(paths);
        qint64 bytes = 0;
        for (const ORShredItem &item : operation.folders().value_or(QList<ORShredItem>()))
            bytes += item.shredSize;
        ORDispatch::main([page, paths, bytes] {
            if (page)
                page->confirmShred(paths, bytes);
        });
    });
}

void ORShredViewCter::confirmShred(const QStringList &paths, qint64 bytes)
{
    m_measuring = false;
    m_startBut->setEnabled(!folderArr().isEmpty());
    if (paths != folderArr()) {  // a row was taken off meanwhile: what was measured is not what is listed
        m_shredOperation.startOver();
        shredButton();
        return;
    }
    delete m_alert;
    m_alert = new ConfirmSheet(
        window(), {RemovalWording::Action::Shred, int(paths.size()), bytes, false},
        [this, paths] {
            next(ShredderRemovalPage);
            RemovalPage::postAfterWorkerHop(shrednote::kStart, paths);
        },
        [this] { m_shredOperation.startOver(); });
    m_alert->open();
}
