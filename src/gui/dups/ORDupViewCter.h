// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/shell/FolderScanPage.h"

#include <QPointer>

class QCheckBox;
class QLabel;

namespace sw {
class SegmentedControl;
}

// Page 13, the duplicate scan page: the folders to look in and the quick-scan
// option, then the scan with the path being examined and the duplicates
// found so far.
class ORDupViewCter : public sw::FolderScanPage
{
    Q_OBJECT
public:
    // The setting that trusts equal size and sampled digest without reading
    // the files through (quicker, but files that differ only between the
    // samples are then reported as duplicates).
    static constexpr char kQuickScanKey[] = "dupQuickScan";
    // The setting that remembers the folder list.
    static constexpr char kFoldersKey[] = "dupFolders";
    // The setting that remembers which listed folders are reference folders.
    static constexpr char kReferenceFoldersKey[] = "dupReferenceFolders";

    explicit ORDupViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent = nullptr);

    enum ScanSegment { DuplicatesSegment = 0, EmptySegment = 1 };

    void scanButton() override;
    // Opens a result saved as JSON on the result page, once it has been
    // checked against the disk; what was left out is told in a sheet.
    void openResultFile(const QString &path);
    // Asks for the saved result to open.
    void chooseSavedResult();
    // "duplicatesize": [bytes found, groups found].
    void foundJunkSize(const QVariant &found) override;

    QStringList folderArr() const { return folders(); }
    QStringList referenceFolderArr() const;
    QPushButton *startBut() const { return startButton(); }
    QCheckBox *quickScanBox() const { return m_quickScanBox; }
    QLabel *sizeNote() const { return m_sizeNote; }
    sw::SegmentedControl *modeControl() const { return m_modeControl; }
    QPushButton *openResultButton() const { return m_openResultButton; }
    // The sheet that told what an opened result left out, while it is open.
    QWidget *openNotesSheet() const { return m_notesSheet; }

private:
    void tellOpenNotes();

    sw::SegmentedControl *m_modeControl = nullptr;
    QPushButton *m_openResultButton = nullptr;
    QPointer<QWidget> m_notesSheet;
    bool m_opening = false;  // the scan running opens a saved result
    QCheckBox *m_quickScanBox = nullptr;
    QLabel *m_sizeNote = nullptr;
};
