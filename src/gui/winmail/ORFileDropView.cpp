// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/winmail/ORFileDropView.h"

#include "core/foundation/ORUtility.h"
#include "core/winmail/ORFileDataCollection.h"
#include "gui/shell/FileChooser.h"
#include "gui/shell/PageStyle.h"
#include "gui/winmail/FileNotifications.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

ORFileDropView::ORFileDropView(QWidget *parent) : FolderDropView(sw::filenote::kDrop, parent)
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(24, 24, 24, 24);
    column->setSpacing(10);
    column->addStretch(1);
    auto *icon = new QLabel(this);
    sw::PageStyle::showImage(icon, QStringLiteral("or_rar"), QSize(64, 64));
    column->addWidget(icon, 0, Qt::AlignHCenter);
    auto *hint = sw::PageStyle::heading(tr("Drop an archive or a winmail.dat file here"), this, 14);
    hint->setAlignment(Qt::AlignHCenter);
    column->addWidget(hint, 0, Qt::AlignHCenter);
    column->addWidget(sw::PageStyle::muted(tr("or"), this, 11), 0, Qt::AlignHCenter);
    m_addButton = sw::PageStyle::primaryButton(tr("Choose a File..."), this);
    m_addButton->setObjectName(QStringLiteral("addFileButton"));
    column->addWidget(m_addButton, 0, Qt::AlignHCenter);
    column->addStretch(1);
    connect(m_addButton, &QPushButton::clicked, this, &ORFileDropView::or_addFileButton);
}

bool ORFileDropView::acceptsArchives(const QStringList &paths)
{
    const QStringList &formats = ORFileDataCollection::archiverFormat();
    return !paths.isEmpty() && std::all_of(paths.begin(), paths.end(), [&formats](const QString &path) {
        return formats.contains(QFileInfo(path).suffix().toLower());
    });
}

bool ORFileDropView::acceptsPaths(const QStringList &paths) const
{
    return acceptsArchives(paths);
}

void ORFileDropView::or_addFileButton()
{
    // The dialog matches patterns by case; an archive named FILE.ZIP counts too.
    QStringList patterns;
    for (const QString &format : ORFileDataCollection::archiverFormat())
        patterns << QStringLiteral("*.") + format << QStringLiteral("*.") + format.toUpper();
    auto *panel = sw::FileChooser::sheet(window(), tr("Choose an Archive"));
    panel->setDirectory(QStandardPaths::writableLocation(QStandardPaths::HomeLocation));
    panel->setNameFilter(tr("Archives (%1)").arg(patterns.join(QLatin1Char(' '))));
    panel->setObjectName(QStringLiteral("openPanel"));
    panel->setAttribute(Qt::WA_DeleteOnClose);
    panel->setFileMode(QFileDialog::ExistingFile);
    panel->setAcceptMode(QFileDialog::AcceptOpen);
    connect(panel, &QFileDialog::fileSelected, this, [this](const QString &path) {
        if (acceptsArchives({path}))
            ORUtility::notifyOnMainThread(notificationName(), QStringList{path});
    });
    panel->open();
}
