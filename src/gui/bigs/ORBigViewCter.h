// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/shell/FolderScanPage.h"

class ORBigDropView;

// Page 17, the large-file scan page: the folders to look in, then the scan
// with the path being sized and the total found so far.
class ORBigViewCter : public sw::FolderScanPage
{
    Q_OBJECT
public:
    // The setting that remembers the folder list.
    static constexpr char kFoldersKey[] = "bigFolders";

    explicit ORBigViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent = nullptr);

    void scanButton() override;
    // "bigszie": the bytes found so far.
    void foundJunkSize(const QVariant &size) override;

    QStringList bigFolderArr() const { return folders(); }
    ORTableView *bigFolderTableView() const { return folderTableView(); }
    ORBigDropView *bigDropView() const;
    QPushButton *scanBut() const { return startButton(); }
};
