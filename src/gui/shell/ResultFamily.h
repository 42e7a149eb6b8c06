#pragma once

#include "ORSelection.h"

#include <memory>

namespace sw {

// What ResultPage needs to know of a result family and its engine: the data
// object's list of groups and its two sizes, the page's group model (and
// through it the selection policy) and item list, and the engine whose temp
// result the page shows. A family whose groups may list the same bytes twice
// derives from it and hides selectedSizeOf() with a count that takes each
// byte once.
template <class DataT, auto Groups, auto SelectedSize, auto TotalSize, class GroupModelT, class ItemObjectT,
          class Engine, auto TempData>
struct ResultFamily
{
    using Data = DataT;
    using GroupModel = GroupModelT;
    using ItemObject = ItemObjectT;
    using Group = typename GroupModel::Group;
    using Policy = typename GroupModel::SelectionPolicy;
    static constexpr auto groups = Groups;
    static constexpr auto selectedSize = SelectedSize;
    static constexpr auto totalSize = TotalSize;

    // What the marked items a search does not hide come to, shown as
    // "Selected": exactly what the removal takes.
    static qint64 selectedSizeOf(const Data &data) { return selection::visibleMarkedSize(data.*Groups); }

    static std::shared_ptr<Data> result() { return (Engine::shareInstance().*TempData)(); }
    static void startOver() { Engine::shareInstance().startOver(); }
};

}  // namespace sw
