// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/shell/FolderScanPage.h"

class QCheckBox;
class QLabel;

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

    void scanButton() override;
    // "duplicatesize": [bytes found, groups found].
    void foundJunkSize(const QVariant &found) override;

    QStringList folderArr() const { return folders(); }
    QStringList referenceFolderArr() const;
    QPushButton *startBut() const { return startButton(); }
    QCheckBox *quickScanBox() const { return m_quickScanBox; }
    QLabel *sizeNote() const { return m_sizeNote; }

private:
    QCheckBox *m_quickScanBox = nullptr;
    QLabel *m_sizeNote = nullptr;
};
