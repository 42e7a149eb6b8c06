// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/uninst/ORUninstDelViewCter.h"

#include "core/uninst/ORAppDataCollection.h"
#include "gui/shell/PageStyle.h"

#include <QDesktopServices>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

using namespace sw;

ORUninstDelViewCter::ORUninstDelViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : RemovalPage(delegate, parent,
                  engineTool<ORAppDataCollection>(UninstallerPage,
                                                  {RemovalWording::Action::Uninstall, kOwnItemsToTrash}))
{
    auto *summary = static_cast<QVBoxLayout *>(removeSizeView()->layout());
    m_openTrashBut = PageStyle::secondaryButton(tr("Open Trash"), removeSizeView());
    m_openTrashBut->setObjectName(QStringLiteral("openTrashBut"));
    m_openTrashBut->setToolTip(tr("What went to the Trash can be restored from there"));
    m_openTrashBut->hide();
    connect(m_openTrashBut, &QPushButton::clicked, this, &ORUninstDelViewCter::openTrash);
    summary->addWidget(m_openTrashBut, 0, Qt::AlignHCenter);
    // Connected after the page's own handler: the record is complete by then.
    connect(runner(), &JobRunner::removalFinished, this,
            [this] { m_openTrashBut->setVisible(ORAppDataCollection::shareInstance().trashedCount() > 0); });
}

void ORUninstDelViewCter::openTrash()
{
    QDesktopServices::openUrl(QUrl(QStringLiteral("trash:///")));
}
