// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dups/ORDupResultItemObject.h"

#include "core/dups/DupNotifications.h"
#include "core/foundation/ORUtility.h"
#include "gui/controls/ORItemTableCellView.h"
#include "gui/dups/DupGroupModel.h"
#include "gui/shell/PageStyle.h"

#include <QLabel>
#include <QVBoxLayout>

using namespace sw;

ORDupResultItemObject::ORDupResultItemObject(QWidget *parent) : FamilyItemList(dupnote::kShowGroup, parent)
{
    // The page searches and sorts the groups; a group's copies are alike.
    setItemToolsShown(false);
    cellView()->isPreview = true;
    // Drawn as the large files are: the name over the folder, the date
    // beside the size.
    cellView()->isBigFile = true;
    auto *column = static_cast<QVBoxLayout *>(layout());
    m_caption = PageStyle::heading(QString(), this, 13);
    m_caption->setObjectName(QStringLiteral("copyCaption"));
    column->insertWidget(0, m_caption);
    m_info = PageStyle::muted(QString(), this, 10);
    column->insertWidget(1, m_info);
    groupShown();
}

void ORDupResultItemObject::groupShown()
{
    const ORDupDataGroup *group = dataGroup();
    if (!group) {
        m_caption->setText(tr("No duplicates here"));
        m_info->setText(tr("Choose another kind, or search for another name."));
        return;
    }
    m_caption->setText(DupGroupModel::displayName(*group));
    if (group->allMayGo) {
        m_info->setText(tr("%n item(s), %1 in all; each may go to the Trash.", nullptr, int(group->groupItems.size()))
                            .arg(ORUtility::sizeFormatWithNumber(group->groupSize)));
        return;
    }
    const QString size = ORUtility::sizeFormatWithNumber(DupGroupModel::copySize(*group));
    // One copy listed: the others lie where they may not be deleted.
    m_info->setText(group->groupItems.size() == 1
                        ? tr("1 copy of %1 is listed; the others lie in protected places.").arg(size)
                        : tr("%n copies of %1 each; one copy is always kept.", nullptr, int(group->groupItems.size()))
                              .arg(size));
}
