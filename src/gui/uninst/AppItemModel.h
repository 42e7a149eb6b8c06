// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/foundation/ORAppData.h"
#include "gui/shell/GroupItemModel.h"
#include "gui/uninst/LeftoversWithTheApp.h"

namespace sw {

// The items of the application shown, by kind: the application itself
// first, then its caches, its settings and the user's data, each kind under
// a heading ("Your data"). Leftovers are named by their path, the home
// written as "~"; packages by the name the scan gave them.
class AppItemModel : public GroupItemModel<ORAppDataGroup, LeftoversWithTheApp>
{
public:
    using GroupItemModel::GroupItemModel;

    // The kinds keep their order, and the scan's order holds within each.
    void sortItems(int, const QString &searchText) override { listByKind(searchText); }
    void setSearchText(const QString &text) override { listByKind(text); }

    QVariant data(const QModelIndex &index, int role) const override;

    // The heading over the items of a kind; none over the application.
    static QString sectionTitle(AppItemKind kind);

private:
    void listByKind(const QString &searchText);
};

}  // namespace sw
