// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dups/ORDupViewCter.h"

#include "core/dups/DupNotifications.h"
#include "core/dups/ORDupDataCollection.h"
#include "core/foundation/ORPrefConfig.h"
#include "core/foundation/ORUtility.h"
#include "gui/dups/ORDropView.h"
#include "gui/shell/FileChooser.h"
#include "gui/shell/FolderListPanel.h"
#include "gui/shell/JobRunner.h"
#include "gui/shell/PageStyle.h"
#include "gui/shell/ScanProgressPanel.h"
#include "gui/shell/SegmentedControl.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QPushButton>

using namespace sw;

Q_LOGGING_CATEGORY(lcDupPages, "sweepwright.dups.pages")

namespace {

bool hasGroups(const ORDupData &data)
{
    qCDebug(lcDupPages) << "dupData----->" << data.dupGroups.size() << "groups," << data.dupTotalSize << "bytes";
    return !data.dupGroups.isEmpty();
}

}  // namespace

ORDupViewCter::ORDupViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : FolderScanPage(delegate, parent,
                     Intro{QStringLiteral("or_dup_icon"), tr("Duplicates"),
                           tr("Find the files that are stored more than once in these folders and move the extra "
                              "copies to the Trash or replace them with links."),
                           dupnote::kTitle, dupnote::kSize, QString::fromLatin1(kFoldersKey)},
                     new ORDropView, Lists::defaultsOf<ORDupDataCollection>())
{
    m_modeControl = new SegmentedControl({tr("Duplicates"), tr("Empty and broken")}, this);
    m_modeControl->setObjectName(QStringLiteral("modeControl"));
    m_modeControl->setAccessibleName(tr("What to find"));
    m_modeControl->setToolTip(tr("Copies of the same file, or empty files, empty folders and broken links"));
    addOption(m_modeControl);
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
    connect(m_modeControl, &SegmentedControl::segmentChanged, this, [this](int segment) {
        m_quickScanBox->setVisible(segment == DuplicatesSegment);
        m_sizeNote->setVisible(segment == DuplicatesSegment);
    });
    m_openResultButton = PageStyle::secondaryButton(tr("Open a Saved Result…"), this);
    m_openResultButton->setObjectName(QStringLiteral("openResultButton"));
    m_openResultButton->setAccessibleName(tr("Open a saved result"));
    m_openResultButton->setToolTip(tr("Open a result exported as JSON; it is checked against the disk first"));
    connect(m_openResultButton, &QPushButton::clicked, this, &ORDupViewCter::chooseSavedResult);
    addOption(m_openResultButton);
    connect(runner(), &JobRunner::scanFinished, this, [this](bool completed) {
        if (std::exchange(m_opening, false) && completed)
            tellOpenNotes();
    });
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
    ORDupDataCollection &engine = ORDupDataCollection::shareInstance();
    engine.setConfirmContents(!m_quickScanBox->isChecked());
    const QString cacheKey = QString::fromLatin1(ORDupDataCollection::kHashCacheKey);
    engine.setUseHashCache(!ORPrefConfig::hasStoredValue(cacheKey) || ORPrefConfig::boolForKey(cacheKey));
    engine.setScanMode(m_modeControl->selectedSegment() == EmptySegment ? ORDupDataCollection::ScanMode::Empty
                                                                        : ORDupDataCollection::ScanMode::Duplicates);
    engine.setReferenceFolders(referenceFolderArr());
    scanFolders<ORDupDataCollection>(hasGroups, DupResultPage, DupNothingPage);
}

void ORDupViewCter::chooseSavedResult()
{
    if (isScanning())
        return;
    QFileDialog *chooser = FileChooser::sheet(window(), tr("Open a Saved Result"));
    chooser->setAttribute(Qt::WA_DeleteOnClose);
    chooser->setFileMode(QFileDialog::ExistingFile);
    chooser->setNameFilters({tr("Saved results (*.json)")});
    connect(chooser, &QFileDialog::fileSelected, this, &ORDupViewCter::openResultFile);
    chooser->open();
}

void ORDupViewCter::openResultFile(const QString &path)
{
    if (isScanning())
        return;
    ORDupDataCollection &engine = ORDupDataCollection::shareInstance();
    engine.setSavedResult(QFileInfo(path).absoluteFilePath());
    m_opening = true;
    scanFolders<ORDupDataCollection>(hasGroups, DupResultPage, DupNothingPage);
}

// After the page the opening led to is shown: why the file could not be
// opened, or which entries were left out.
void ORDupViewCter::tellOpenNotes()
{
    const ORDupDataCollection &engine = ORDupDataCollection::shareInstance();
    const QStringList notes = engine.openNotes();
    if (engine.openError().isEmpty() && notes.isEmpty())
        return;
    const QString text = !engine.openError().isEmpty()
                             ? engine.openError()
                             : tr("%n item(s) of the saved result were left out: they changed since it was saved, "
                                  "or cannot be acted on.",
                                  nullptr, int(notes.size()));
    auto *sheet = new QMessageBox(QMessageBox::Information, tr("Open a Saved Result"), text, QMessageBox::Ok,
                                  window());
    sheet->setObjectName(QStringLiteral("openNotesSheet"));
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    sheet->setWindowModality(Qt::WindowModal);
    sheet->setDetailedText(notes.join(QLatin1Char('\n')));
    m_notesSheet = sheet;
    sheet->open();
}
