// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/bigs/ORBigViewCter.h"

#include "core/bigs/BigNotifications.h"
#include "core/bigs/ORBigDataCollection.h"
#include "gui/bigs/ORBigDropView.h"
#include "gui/shell/ScanProgressPanel.h"

#include <QLoggingCategory>

using namespace sw;

Q_LOGGING_CATEGORY(lcBigPages, "sweepwright.bigs.pages")

ORBigViewCter::ORBigViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : FolderScanPage(delegate, parent,
                     Intro{QStringLiteral("or_bigs_icon"), tr("Large Files"),
                           tr("Find the files of 32 MB and more in these folders and move the ones you no longer "
                              "need to the Trash."),
                           bignote::kTitle, bignote::kSize, QString::fromLatin1(kFoldersKey)},
                     new ORBigDropView, Lists::defaultsOf<ORBigDataCollection>())
{
}

ORBigDropView *ORBigViewCter::bigDropView() const
{
    return static_cast<ORBigDropView *>(dropView());
}

void ORBigViewCter::foundJunkSize(const QVariant &size)
{
    progressPanel()->showFoundSize(size);
}

void ORBigViewCter::scanButton()
{
    scanFolders<ORBigDataCollection>(
        [](const ORBigData &data) {
            qCDebug(lcBigPages) << "bigData----->" << data.bigGroups.size() << "groups," << data.bigTotalSize
                                << "bytes";
            return !data.bigGroups.isEmpty();
        },
        LargeResultPage, LargeNothingPage);
}
