#include "ToolRegistry.h"

#include "ORBigDataCollection.h"
#include "ORBigDelViewCter.h"
#include "ORBigNoVeiwCter.h"
#include "ORBigResultViewCter.h"
#include "ORBigViewCter.h"
#include "ORDupDataCollection.h"
#include "ORDupDelViewCter.h"
#include "ORDupNoViewCter.h"
#include "ORDupResultViewCter.h"
#include "ORDupViewCter.h"
#include "ORJunkDelViewCter.h"
#include "ORJunkFilesCollection.h"
#include "ORJunkViewCter.h"
#include "ORJunksResultViewCter.h"
#include "ORNoJunkViewCter.h"

#include <QtGlobal>

namespace sw {

namespace {

template <class Page>
ORBaseViewCter *make(ORBasedViewCterDelegate *delegate, QWidget *parent)
{
    return new Page(delegate, parent);
}

// A result without groups (a scan that found nothing) is not reopened: the
// tool opens on its scan page then.
bool junkHoldsResult()
{
    const auto data = ORJunkFilesCollection::shareInstance().tempJunkData();
    return data && !data->junkGroups.isEmpty();
}

bool dupsHoldResult()
{
    const auto data = ORDupDataCollection::shareInstance().tempDupData();
    return data && !data->dupGroups.isEmpty();
}

bool bigsHoldResult()
{
    const auto data = ORBigDataCollection::shareInstance().tempBigData();
    return data && !data->bigGroups.isEmpty();
}

// The tools below without pages are not built yet.
constexpr PageNumber kNone = PageNumber(0);

#define SW_TITLE(text) QT_TRANSLATE_NOOP("ORMainWinController", text)

ToolRegistry makeRegistry()
{
    return {
        {"junkButton", "or_sys_icon", SW_TITLE("Junk Clean"), JunkScanPage, ToolEntry::ReopenResult, JunkResultPage,
         junkHoldsResult,
         {{JunkScanPage, make<ORJunkViewCter>},
          {JunkResultPage, make<ORJunksResultViewCter>},
          {JunkRemovalPage, make<ORJunkDelViewCter>},
          {JunkNothingPage, make<ORNoJunkViewCter>}}},
        {"fileConvertButton", "or_rar", SW_TITLE("Archives"), ArchivesPage, ToolEntry::Reset, kNone, nullptr, {}},
        {"loginButton", "or_loginItems", SW_TITLE("Login Items"), LoginItemsPage, ToolEntry::Reset, kNone, nullptr, {}},
        {"dupButton", "or_dup_icon", SW_TITLE("Duplicates"), DupScanPage, ToolEntry::ReopenResult, DupResultPage,
         dupsHoldResult,
         {{DupScanPage, make<ORDupViewCter>},
          {DupNothingPage, make<ORDupNoViewCter>},
          {DupResultPage, make<ORDupResultViewCter>},
          {DupRemovalPage, make<ORDupDelViewCter>}}},
        {"largeButton", "or_bigs_icon", SW_TITLE("Large Files"), LargeScanPage, ToolEntry::ReopenResult,
         LargeResultPage, bigsHoldResult,
         {{LargeScanPage, make<ORBigViewCter>},
          {LargeNothingPage, make<ORBigNoVeiwCter>},
          {LargeResultPage, make<ORBigResultViewCter>},
          {LargeRemovalPage, make<ORBigDelViewCter>}}},
        {"uninstButton", "or_app_icon", SW_TITLE("Uninstaller"), UninstallerPage, ToolEntry::ReopenResult, kNone, nullptr, {}},
        {"shredButton", "or_shred_icon", SW_TITLE("Shredder"), ShredderPage, ToolEntry::Show, kNone, nullptr, {}},
        {"memButton", "or_mem_icon", SW_TITLE("Memory"), MemoryPage, ToolEntry::Show, kNone, nullptr, {}},
        {"toolButton", "or_toolbox_icon", SW_TITLE("Toolbox"), ToolboxPage, ToolEntry::Show, kNone, nullptr, {}},
        {"extButton", "or_extension_icon", SW_TITLE("Extensions"), ExtensionsPage, ToolEntry::ReopenResult, kNone, nullptr, {}},
    };
}

#undef SW_TITLE

}  // namespace

const ToolRegistry &toolRegistry()
{
    static const ToolRegistry registry = makeRegistry();
    return registry;
}

}  // namespace sw
