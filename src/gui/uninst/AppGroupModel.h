// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/foundation/ORAppData.h"
#include "gui/shell/GroupListModel.h"
#include "gui/uninst/LeftoversWithTheApp.h"

namespace sw {

// The application table of the uninstaller's result page: one row per listed
// application with its own icon, its name in the user's language, the badge
// of where it comes from (which tells apart two applications of one name)
// and how many items it leaves.
class AppGroupModel : public GroupListModel<ORAppData, &ORAppData::appGroups, LeftoversWithTheApp>
{
public:
    using GroupListModel::GroupListModel;

    QVariant data(const QModelIndex &index, int role) const override;

    // By the sort pop-up's tag: 0 the size, largest first; 1 the lower-cased
    // last path component of the name. Stable.
    static void sortGroups(QList<ORAppDataGroup *> &groups, int tag);
    // The icon its desktop entry names (from the icon theme, or the file it
    // names), else the icon of its first item's file.
    static QIcon appIcon(const ORAppDataGroup &group);
    // Where it comes from, as its badge says: "Package", "Flatpak", ...
    static QString sourceBadge(AppSource source);

protected:
    QIcon groupIcon(const ORAppDataGroup &group) const override { return appIcon(group); }
    QString groupExtraText(const ORAppDataGroup &group) const override;
};

}  // namespace sw
