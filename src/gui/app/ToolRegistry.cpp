// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/ToolRegistry.h"

#include "core/bigs/ORBigDataCollection.h"
#include "core/dups/ORDupDataCollection.h"
#include "core/extensions/ORExtDataCollection.h"
#include "core/foundation/ToolEngine.h"
#include "core/junk/ORJunkFilesCollection.h"
#include "core/uninst/ORAppDataCollection.h"
#include "gui/bigs/ORBigDelViewCter.h"
#include "gui/bigs/ORBigNoVeiwCter.h"
#include "gui/bigs/ORBigResultViewCter.h"
#include "gui/bigs/ORBigViewCter.h"
#include "gui/dups/ORDupDelViewCter.h"
#include "gui/dups/ORDupNoViewCter.h"
#include "gui/dups/ORDupResultViewCter.h"
#include "gui/dups/ORDupViewCter.h"
#include "gui/extensions/ORExtensionDelViewCter.h"
#include "gui/extensions/ORExtensionResultViewCter.h"
#include "gui/extensions/ORExtensionViewCter.h"
#include "gui/history/HistoryPage.h"
#include "gui/junk/ORJunkDelViewCter.h"
#include "gui/junk/ORJunksResultViewCter.h"
#include "gui/junk/ORJunkViewCter.h"
#include "gui/junk/ORNoJunkViewCter.h"
#include "gui/login/MLoginItemsPage.h"
#include "gui/mem/ORMemViewCter.h"
#include "gui/shell/RemovalPage.h"
#include "gui/shreds/ORShredViewCter.h"
#include "gui/toolbox/ORToolViewCter.h"
#include "gui/uninst/ORUninstDelViewCter.h"
#include "gui/uninst/ORUninstResultViewCter.h"
#include "gui/uninst/ORUninstViewCter.h"
#include "gui/winmail/ORFileConvertViewCter.h"
#include "gui/winmail/ORFileIntroViewCter.h"

#include <QtGlobal>

namespace sw {

namespace {

template <class Page>
ORBaseViewCter *make(ORBasedViewCterDelegate *delegate, QWidget *parent)
{
    return new Page(delegate, parent);
}

// The shredder has no removal page of its own: the shared one runs its removal.
ORBaseViewCter *makeShredRemoval(ORBasedViewCterDelegate *delegate, QWidget *parent)
{
    return new RemovalPage(delegate, parent, ORShredViewCter::removalTool());
}

// Whether Engine holds a result with groups: one without (a scan that found
// nothing) is not reopened, the tool opens on its scan page then.
template <ToolEngine Engine, auto Groups>
bool holdsGroups()
{
    const auto data = Engine::shareInstance().result();
    return data && !((*data).*Groups).isEmpty();
}

ToolRegistry makeRegistry()
{
    return {
        {"junkButton", "or_sys_icon", QT_TRANSLATE_NOOP("ORMainWinController", "Junk Clean"), JunkScanPage,
         ToolEntry::ReopenResult, JunkResultPage, holdsGroups<ORJunkFilesCollection, &ORJunkData::junkGroups>,
         {{JunkScanPage, make<ORJunkViewCter>},
          {JunkResultPage, make<ORJunksResultViewCter>},
          {JunkRemovalPage, make<ORJunkDelViewCter>},
          {JunkNothingPage, make<ORNoJunkViewCter>}}},
        {"fileConvertButton", "or_rar", QT_TRANSLATE_NOOP("ORMainWinController", "Archives"), ArchivesPage, ToolEntry::Reset, PageNumber(0), nullptr,
         {{ArchivesPage, make<ORFileIntroViewCter>}, {ArchivesResultPage, make<ORFileConvertViewCter>}}},
        {"loginButton", "or_loginItems", QT_TRANSLATE_NOOP("ORMainWinController", "Login Items"), LoginItemsPage, ToolEntry::Show, PageNumber(0), nullptr,
         {{LoginItemsPage, make<MLoginItemsPage>}}},
        {"dupButton", "or_dup_icon", QT_TRANSLATE_NOOP("ORMainWinController", "Duplicates"), DupScanPage,
         ToolEntry::ReopenResult, DupResultPage, holdsGroups<ORDupDataCollection, &ORDupData::dupGroups>,
         {{DupScanPage, make<ORDupViewCter>},
          {DupNothingPage, make<ORDupNoViewCter>},
          {DupResultPage, make<ORDupResultViewCter>},
          {DupRemovalPage, make<ORDupDelViewCter>}}},
        {"largeButton", "or_bigs_icon", QT_TRANSLATE_NOOP("ORMainWinController", "Large Files"), LargeScanPage,
         ToolEntry::ReopenResult, LargeResultPage, holdsGroups<ORBigDataCollection, &ORBigData::bigGroups>,
         {{LargeScanPage, make<ORBigViewCter>},
          {LargeNothingPage, make<ORBigNoVeiwCter>},
          {LargeResultPage, make<ORBigResultViewCter>},
          {LargeRemovalPage, make<ORBigDelViewCter>}}},
        {"uninstButton", "or_app_icon", QT_TRANSLATE_NOOP("ORMainWinController", "Uninstaller"), UninstallerPage,
         ToolEntry::ReopenResult, UninstallerResultPage, holdsGroups<ORAppDataCollection, &ORAppData::appGroups>,
         {{UninstallerPage, make<ORUninstViewCter>},
          {UninstallerResultPage, make<ORUninstResultViewCter>},
          {UninstallerRemovalPage, make<ORUninstDelViewCter>}}},
        {"shredButton", "or_shred_icon", QT_TRANSLATE_NOOP("ORMainWinController", "Shredder"), ShredderPage, ToolEntry::Show, PageNumber(0), nullptr,
         {{ShredderPage, make<ORShredViewCter>}, {ShredderRemovalPage, makeShredRemoval}}},
        {"memButton", "or_mem_icon", QT_TRANSLATE_NOOP("ORMainWinController", "Memory"), MemoryPage, ToolEntry::Show, PageNumber(0), nullptr,
         {{MemoryPage, make<ORMemViewCter>}}},
        {"toolButton", "or_toolbox_icon", QT_TRANSLATE_NOOP("ORMainWinController", "Toolbox"), ToolboxPage, ToolEntry::Show, PageNumber(0), nullptr,
         {{ToolboxPage, make<ORToolViewCter>}}},
        {"extButton", "or_extension_icon", QT_TRANSLATE_NOOP("ORMainWinController", "Extensions"), ExtensionsPage,
         ToolEntry::ReopenResult, ExtensionsResultPage, holdsGroups<ORExtDataCollection, &ORExtData::extGroups>,
         {{ExtensionsPage, make<ORExtensionViewCter>},
          {ExtensionsResultPage, make<ORExtensionResultViewCter>},
          {ExtensionsRemovalPage, make<ORExtensionDelViewCter>}}},
        // Last: it is about what the tools above did.
        {"historyButton", "or_history_icon", QT_TRANSLATE_NOOP("ORMainWinController", "History"), RemovalHistoryPage,
         ToolEntry::Show, PageNumber(0), nullptr, {{RemovalHistoryPage, make<sw::HistoryPage>}}},
    };
}


}  // namespace

const ToolRegistry &toolRegistry()
{
    static const ToolRegistry registry = makeRegistry();
    return registry;
}

}  // namespace sw
