// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/foundation/ORSelection.h"

#include <memory>

namespace sw {

// What ResultPage needs to know of a result family and its engine: the page's
// group model (and through it the data object, its list of groups and the
// selection policy), its item list, the engine and its temp result the page
// shows, and the data object's two sizes. A family whose groups may list the same bytes twice
// derives from it and hides selectedSizeOf() and totalSizeOf() with counts
// that take each byte once.
template <class GroupModelT, class ItemObjectT, class Engine, auto TempData, auto SelectedSize, auto TotalSize>
struct ResultFamily
{
    using GroupModel = GroupModelT;
    using Data = typename GroupModel::DataType;
    using ItemObject = ItemObjectT;
    using Group = typename GroupModel::Group;
    using Policy = typename GroupModel::SelectionPolicy;
    static constexpr auto groups = GroupModel::groupsOfData;
    static constexpr auto selectedSize = SelectedSize;
    static constexpr auto totalSize = TotalSize;

    // What the marked items a search does not hide come to, shown as
    // "Selected": exactly what the removal takes.
    static qint64 selectedSizeOf(const Data &data) { return selection::visibleMarkedSize(data.*groups); }
    // What the groups found together, after an item left one.
    static qint64 totalSizeOf(const Data &data)
    {
        qint64 total = 0;
        for (const auto &group : data.*groups)
            total += group.groupSize;
        return total;
    }
    // How many items that is.
    static int selectedCountOf(const Data &data) { return selection::visibleMarkedCount(data.*groups); }

    static std::shared_ptr<Data> result() { return (Engine::shareInstance().*TempData)(); }
    static void startOver() { Engine::shareInstance().startOver(); }
};

}  // namespace sw
