// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/junk/JunkOverlap.h"
#include "core/junk/ORJunkFilesCollection.h"
#include "gui/junk/JunkGroupModel.h"
#include "gui/junk/ORJunkResultItemObject.h"
#include "gui/shell/ResultPage.h"

namespace sw {
class ItemPaneStack;
}

// Categories overlap (a cache folder listed whole may hold a browser cache
// listed too), so the selected size counts each byte once; each group keeps
// showing what it found.
struct JunkResultTraits
    : sw::ResultFamily<sw::JunkGroupModel, ORJunkResultItemObject, ORJunkFilesCollection,
                       &ORJunkFilesCollection::tempJunkData, &ORJunkData::junkSelectedSize, &ORJunkData::junkTotalSize>
{
    static qint64 selectedSizeOf(const ORJunkData &data) { return sw::JunkOverlap::selectedSize(data); }
    static qint64 totalSizeOf(const ORJunkData &data) { return sw::JunkOverlap::totalSize(data); }
    static int selectedCountOf(const ORJunkData &data);
};

// Page 2, the junk result page: the categories on the left, the items of the
// chosen one on the right (or a note when it is empty), the selected and
// total sizes, and the buttons that start over or delete what is ticked
// after a confirmation sheet.
class ORJunksResultViewCter : public sw::ResultPage<JunkResultTraits>, public ORJunkResultItemObjectDelegate
{
    Q_OBJECT
public:
    explicit ORJunksResultViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent = nullptr);

    void updateJunkGroupCheckStatus(int groupRow, int itemRow) override;

    QWidget *itemNoView() const;

protected:
    void groupAnnounced(ORJunkDataGroup *group) override;

private:
    sw::ItemPaneStack *m_itemStack = nullptr;
};
