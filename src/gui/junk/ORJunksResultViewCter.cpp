#include "ORJunksResultViewCter.h"

#include "JunkNotifications.h"
#include "ORImage.h"
#include "ORLayout.h"
#include "PageStyle.h"

#include <QLabel>

#include <algorithm>
#include <QStackedWidget>
#include <QVBoxLayout>

using namespace sw;

ORJunksResultViewCter::ORJunksResultViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : ResultPage(delegate, parent,
                 Texts{{tr("Junk Clean"), tr("Do you want to delete the selected junk files?"), junknote::kRemove,
                        JunkScanPage, JunkRemovalPage},
                       tr("Categories"),
                       junknote::kShowGroup})
{
    // An empty category shows a note instead of an empty list.
    m_itemStack = new QStackedWidget(this);
    itemPaneLayout()->replaceWidget(itemObject(), m_itemStack);
    m_itemNoView = new QWidget(m_itemStack);
    m_itemNoView->setObjectName(QStringLiteral("itemNoView"));
    auto *empty = new QVBoxLayout(m_itemNoView);
    empty->addStretch(1);
    auto *picture = new QLabel(m_itemNoView);
    picture->setPixmap(ORImage::pixmap(QStringLiteral("or_empty"), QSize(96, 96), devicePixelRatioF()));
    picture->setAlignment(Qt::AlignCenter);
    empty->addWidget(picture);
    auto *text = PageStyle::muted(tr("Nothing to clean in this category."), m_itemNoView, 12);
    text->setAlignment(Qt::AlignCenter);
    empty->addWidget(text);
    empty->addStretch(2);
    m_itemStack->addWidget(itemObject());
    m_itemStack->addWidget(m_itemNoView);
}

void ORJunksResultViewCter::groupAnnounced(ORJunkDataGroup *group)
{
    ResultPage::groupAnnounced(group);
    const bool empty = !group || group->groupItems.isEmpty();
    m_itemStack->setCurrentWidget(empty ? m_itemNoView : static_cast<QWidget *>(itemObject()));
}

// Junk is deleted, not moved to the Trash: on a desktop where everything
// else goes to the Trash the sheet says so, with what it takes.
QString ORJunksResultViewCter::removalSummary() const
{
    const auto data = groupModel()->result();
    if (!data || !ORLayout::isFreedesktop())
        return QString();
    int count = 0;
    for (const ORJunkDataGroup &group : data->junkGroups)
        if (group.isGroupDelFlag != 0)
            count += int(std::count_if(group.groupItems.cbegin(), group.groupItems.cend(),
                                       [](const ORjunkDataItem &item) { return item.isDel && item.isVisible; }));
    const QString size = ORUtility::sizeFormatWithNumber(JunkOverlap::selectedSize(*data));
    return count == 1 ? tr("1 item, %1, will be deleted permanently.").arg(size)
                      : tr("%1 items, %2, will be deleted permanently.").arg(count).arg(size);
}

void ORJunksResultViewCter::updateJunkGroupCheckStatus(int groupRow, int)
{
    updateGroupCheckStatus(groupRow);
}
