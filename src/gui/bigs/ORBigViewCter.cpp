#include "ORBigViewCter.h"

#include "FolderListPanel.h"
#include "ORBigDataCollection.h"
#include "ORBigDropView.h"
#include "ORNotificationCenter.h"
#include "ScanProgressPanel.h"

#include <QLoggingCategory>

using namespace sw;

Q_LOGGING_CATEGORY(lcBigPages, "sweepwright.bigs.pages")

ORBigViewCter::ORBigViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : FolderScanPage(delegate, parent,
                     Intro{QStringLiteral("or_bigs_icon"), tr("Large Files"),
                           tr("Find the files of 32 MB and more in these folders and move the ones you no longer "
                              "need to the Trash.")},
                     new ORBigDropView, Lists::defaultsOf<ORBigDataCollection>())
{
    ORNotificationCenter &center = ORNotificationCenter::defaultCenter();
    center.addObserver(this, QStringLiteral("bigtitle"), [this](const QVariant &v) { slideToField(v); });
    center.addObserver(this, QStringLiteral("bigszie"), [this](const QVariant &v) { foundJunkSize(v); });
}

ORTableView *ORBigViewCter::bigFolderTableView() const
{
    return folderPanel()->folderTableView();
}

ORBigDropView *ORBigViewCter::bigDropView() const
{
    return static_cast<ORBigDropView *>(folderPanel()->dropView());
}

void ORBigViewCter::slideToField(const QVariant &path)
{
    progressPanel()->showPath(path);
}

void ORBigViewCter::foundJunkSize(const QVariant &size)
{
    progressPanel()->showFoundSize(size);
}

void ORBigViewCter::scanButton()
{
    scanFolders<ORBigDataCollection>(
        [](ORBigDataCollection &engine) {
            if (!engine.scanBigDataFlag())
                return false;
            const auto data = engine.bigData();
            qCDebug(lcBigPages) << "bigData----->" << data->bigGroups.size() << "groups," << data->bigTotalSize
                                << "bytes";
            return !data->bigGroups.isEmpty();
        },
        19, 18);
}
