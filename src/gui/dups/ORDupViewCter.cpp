// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dups/ORDupViewCter.h"

#include "core/dups/DupNotifications.h"
#include "core/dups/ORDupDataCollection.h"
#include "core/foundation/ORPrefConfig.h"
#include "core/foundation/ORUtility.h"
#include "gui/dups/ORDropView.h"
#include "gui/shell/FolderListPanel.h"
#include "gui/shell/PageStyle.h"
#include "gui/shell/ScanProgressPanel.h"

#include <QCheckBox>
#include <QLabel>
#include <QLoggingCategory>

using namespace sw;

Q_LOGGING_CATEGORY(lcDupPages, "sweepwright.dups.pages")

ORDupViewCter::ORDupViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : FolderScanPage(delegate, parent,
                     Intro{QStringLiteral("or_dup_icon"), tr("Duplicates"),
                           tr("Find the files that are stored more than once in these folders and move the extra "
                              "copies to the Trash."),
                           dupnote::kTitle, dupnote::kSize, QString::fromLatin1(kFoldersKey)},
                     new ORDropView, Lists::defaultsOf<ORDupDataCollection>())
{
    m_quickScanBox = new QCheckBox(tr("Quick scan: compare samples only, not whole files"), this);
    m_quickScanBox->setObjectName(QStringLiteral("quickScanBox"));
    m_quickScanBox->setToolTip(tr("Faster, but files that agree only in the parts compared are reported as "
                                  "duplicates too."));
    m_quickScanBox->setChecked(ORPrefConfig::boolForKey(QString::fromLatin1(kQuickScanKey)));
    connect(m_quickScanBox, &QCheckBox::toggled, this,
            [](bool on) { ORPrefConfig::setObject(QString::fromLatin1(kQuickScanKey), on); });
    addOption(m_quickScanBox);
    m_sizeNote = PageStyle::muted(
        tr("Files of %1 and less are not compared.").arg(ORUtility::sizeFormatWithNumber(ORDupDataCollection::kMinimumSize)), this, 11);
    m_sizeNote->setObjectName(QStringLiteral("sizeNote"));
    m_sizeNote->setWordWrap(false);
    addOption(m_sizeNote);
    // Folders of originals: a toggle per row, remembered beside the list.
    folderPanel()->setReferenceToggles(true);
    folderPanel()->setReferenceFolders(ORPrefConfig::objectForKey(QString::fromLatin1(kReferenceFoldersKey)).toStringList());
    connect(folderPanel(), &FolderListPanel::referencesChanged, this, [this] {
        ORPrefConfig::setObject(QString::fromLatin1(kReferenceFoldersKey), referenceFolderArr());
    });
}

QStringList ORDupViewCter::referenceFolderArr() const
{
    return folderPanel()->referenceFolders();
}

void ORDupViewCter::foundJunkSize(const QVariant &found)
{
    const QVariantList numbers = found.toList();
    if (numbers.size() < 2)
        return;
    progressPanel()->showFound(tr("Found %n set(s) of duplicates, %1", nullptr, int(numbers.at(1).toLongLong()))
                                   .arg(ORUtility::sizeFormatWithNumber(numbers.at(0).toLongLong())));
}

void ORDupViewCter::scanButton()
{
    ORDupDataCollection::shareInstance().setConfirmContents(!m_quickScanBox->isChecked());
    ORDupDataCollection::shareInstance().setReferenceFolders(referenceFolderArr());
    scanFolders<ORDupDataCollection>(
        [](const ORDupData &data) {
            qCDebug(lcDupPages) << "dupData----->" << data.dupGroups.size() << "groups," << data.dupTotalSize
                                << "bytes";
            return !data.dupGroups.isEmpty();
        },
        DupResultPage, DupNothingPage);
}
