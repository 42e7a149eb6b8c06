#pragma once

#include <memory>

namespace sw {

// What ResultPage needs to know of a result family and its engine: the data
// object's list of groups and its two sizes, the page's group model and item
// list, and the engine whose temp result the page shows.
template <class DataT, auto Groups, auto SelectedSize, auto TotalSize, class GroupModelT, class ItemObjectT,
          class Engine, auto TempData>
struct ResultFamily
{
    using Data = DataT;
    using GroupModel = GroupModelT;
    using ItemObject = ItemObjectT;
    using Group = typename GroupModel::Group;
    static constexpr auto groups = Groups;
    static constexpr auto selectedSize = SelectedSize;
    static constexpr auto totalSize = TotalSize;

    static std::shared_ptr<Data> result() { return (Engine::shareInstance().*TempData)(); }
    static void startOver() { Engine::shareInstance().startOver(); }
};

}  // namespace sw
