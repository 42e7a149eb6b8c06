// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

namespace sw {

// The pages by number, as next() and the sidebar's tags know them. A tool's
// first page is the number of its sidebar button.
enum PageNumber : qint64 {
    JunkScanPage = 1,
    JunkResultPage = 2,
    JunkRemovalPage = 3,
    JunkNothingPage = 4,
    ArchivesPage = 9,
    ArchivesResultPage = 10,
    LoginItemsPage = 12,
    DupScanPage = 13,
    DupNothingPage = 14,
    DupResultPage = 15,
    DupRemovalPage = 16,
    LargeScanPage = 17,
    LargeNothingPage = 18,
    LargeResultPage = 19,
    LargeRemovalPage = 20,
    UninstallerPage = 22,
    UninstallerResultPage = 23,
    UninstallerRemovalPage = 24,
    ShredderPage = 26,
    ShredderRemovalPage = 27,
    ExtensionsPage = 29,
    ExtensionsResultPage = 30,
    ExtensionsRemovalPage = 31,
    MemoryPage = 32,
    ToolboxPage = 33,
    RemovalHistoryPage = 35,
};

// What a page shows through or_Status(): its idle state (a scan page's
// introduction, a removal page's report) or its busy one (the progress).
enum PageStatus : int {
    PageIdle = 0,
    PageBusy = 1,
};

}  // namespace sw
