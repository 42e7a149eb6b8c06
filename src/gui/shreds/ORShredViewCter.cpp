// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/shreds/ORShredViewCter.h"

#include "core/foundation/ORDispatch.h"
#include "core/shreds/ORShredOperation.h"
#include "gui/shell/ConfirmSheet.h"
#include "gui/shell/FolderListPanel.h"
#include "gui/shell/FolderTableCard.h"
#include "gui/shell/PageNumber.h"
#include "gui/shell/PageStyle.h"
#include "gui/shreds/ORShredDropView.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

using namespace sw;

ORShredViewCter::ORShredViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : ORBaseViewCter(delegate, parent), m_shredOperation(ORShredOperation::shareInstance())
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(40, 28, 40, 28);
    column->setSpacing(14);
    column->addWidget(PageStyle::heading(tr("Shredder"), this, 22), 0, Qt::AlignHCenter);
    auto *brief = PageStyle::muted(tr("Files and folders shredded here are removed at once, not moved to the Trash."),
                                   this, 12);
    brief->setAlignment(Qt::AlignCenter);
    column->addWidget(brief);
    m_panel = new FolderListPanel(
        new ORShredDropView, {},
        {tr("To shred"), tr("Drop files and folders here"), QStringLiteral("or_shred_icon"), true}, this);
    column->addWidget(m_panel, 1);
    buildBottom();
    connect(m_panel, &FolderListPanel::foldersChanged, this,
            [this] { m_startBut->setEnabled(!m_measuring && !folderArr().isEmpty()); });
}

RemovalPage::Tool ORShredViewCter::removalTool()
{
    return RemovalPage::Tool{
        ShredderPage, RemovalWording(RemovalWording::Action::Shred, false),
        [](JobRunner &runner, const QVariant &paths) {
            const bool overwrite = ORShredOperation::overwriteEnabled();
            // Measuring what was chosen may take a while: it happens off the window's thread.
            runner.removeWith([overwrite, paths = paths.toStringList()](JobControl &job) {
                ORShredOperation &operation = ORShredOperation::shareInstance();
                operation.setFolders(paths);
                return operation.remove(job, overwrite);
            });
        },
        [] { ORShredOperation::shareInstance().startOver(); }};
}

// The overwrite switch with its caveat, and Shred, below the list.
void ORShredViewCter::buildBottom()
{
    FolderTableCard *card = m_panel->card();
    card->column()->setContentsMargins(6, 12, 6, 12);
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
    m_startBut = PageStyle::primaryButton(tr("&Shred"), card);
    m_startBut->setObjectName(QStringLiteral("startBut"));
    connect(m_startBut, &QPushButton::clicked, this, &ORShredViewCter::shredButton);
    bottom->addWidget(m_startBut, 0, Qt::AlignBottom);
    card->column()->addLayout(bottom);
}

void ORShredViewCter::viewWillAppear()
{
    m_panel->setFolders({});
    const QSignalBlocker quiet(m_overwriteBox);
    m_overwriteBox->setChecked(ORShredOperation::overwriteEnabled());
}

QStringList ORShredViewCter::folderArr() const
{
    return m_panel->folders();
}

ORTableView *ORShredViewCter::folderTableView() const
{
    return m_panel->folderTableView();
}

bool ORShredViewCter::isEixst(const QString &path) const
{
    return m_panel->isEixst(path);
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
        [this, paths] { RemovalPage::showAndStart(*this, ShredderRemovalPage, paths); },
        [this] { m_shredOperation.startOver(); });
    m_alert->open();
}
