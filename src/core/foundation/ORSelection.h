// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/foundation/ORUtility.h"

#include <QList>
#include <QString>

#include <algorithm>

// The tri-state selection of result pages, shared by every family of the scan
// result model. A group's flag is 0 (no item marked), 1 (some) or 2 (all);
// its selected size is the sum of its marked items' sizes; the data object's
// selected size is the sum over the groups. Pages call these instead of
// keeping their own arithmetic, so the invariants hold everywhere.
namespace sw::selection {

inline QString foldForSearch(const QString &text)
{
    // Case- and diacritic-insensitive matching: decompose, drop the combining
    // marks, fold the case.
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString out;
    out.reserve(decomposed.size());
    for (const QChar c : decomposed)
        if (c.category() != QChar::Mark_NonSpacing && c.category() != QChar::Mark_Enclosing)
            out.append(c);
    return out.toCaseFolded();
}

// Flag from the items' marks; a group without items keeps its flag.
template <class Group>
qint64 checkItemSelectStatus(const Group &group)
{
    if (group.groupItems.isEmpty())
        return group.isGroupDelFlag;
    const auto marked = std::count_if(group.groupItems.cbegin(), group.groupItems.cend(),
                                      [](const auto &item) { return item.isDel; });
    if (marked == 0)
        return 0;
    return marked < group.groupItems.size() ? 1 : 2;
}

template <class Group>
qint64 markedSize(const Group &group)
{
    qint64 sum = 0;
    for (const auto &item : group.groupItems)
        if (item.isDel)
            sum += item.itemSize;
    return sum;
}

// Takes an item out of its group (the user keeps it from now on): the
// group's sizes and flag follow what is left.
template <class Group>
void dropItem(Group &group, qsizetype itemIndex)
{
    if (itemIndex < 0 || itemIndex >= group.groupItems.size())
        return;
    group.groupSize -= group.groupItems.at(itemIndex).itemSize;
    group.groupItems.removeAt(itemIndex);
    group.isGroupDelFlag = group.groupItems.isEmpty() ? 0 : checkItemSelectStatus(group);
    group.groupSelectedSize = markedSize(group);
}

// An item's check button: mark or unmark it and bring its group up to date.
template <class Group>
void setItemMarked(Group &group, qsizetype itemIndex, bool marked)
{
    if (itemIndex < 0 || itemIndex >= group.groupItems.size())
        return;
    group.groupItems[itemIndex].isDel = marked;
    group.isGroupDelFlag = checkItemSelectStatus(group);
    group.groupSelectedSize = group.isGroupDelFlag == 2 ? group.groupSize : markedSize(group);
}

// Marks every item (keepFirst: every item but the first) or none.
template <class Group>
void setGroupMarked(Group &group, bool marked, bool keepFirst = false)
{
    for (qsizetype i = 0; i < group.groupItems.size(); ++i)
        group.groupItems[i].isDel = marked && !(keepFirst && i == 0);
    if (group.groupItems.isEmpty()) {
        group.isGroupDelFlag = marked ? 2 : 0;
        group.groupSelectedSize = 0;
        return;
    }
    group.isGroupDelFlag = checkItemSelectStatus(group);
    group.groupSelectedSize = markedSize(group);
}

// A group's check button: a group with some or all items marked is cleared,
// an unmarked group is marked whole (or all but its first copy).
template <class Group>
void groupButtonClick(Group &group, bool keepFirst = false)
{
    setGroupMarked(group, group.isGroupDelFlag == 0, keepFirst);
}

template <class Group>
void setAllGroupsMarked(QList<Group> &groups, bool marked, bool keepFirst = false)
{
    for (Group &group : groups)
        setGroupMarked(group, marked, keepFirst);
}

template <class Group>
qint64 selectedSize(const QList<Group> &groups)
{
    qint64 sum = 0;
    for (const Group &group : groups)
        sum += group.groupSelectedSize;
    return sum;
}

// Calls visit(group, item) for what a removal takes: the marked items that
// no search hides, in groups that no search hides.
template <class Group, class Visit>
void forEachVisibleMarked(const QList<Group> &groups, Visit visit)
{
    for (const Group &group : groups) {
        if constexpr (requires { group.isVisible; })
            if (!group.isVisible)
                continue;
        for (const auto &item : group.groupItems) {
            if constexpr (requires { item.isVisible; })
                if (!item.isVisible)
                    continue;
            if (item.isDel)
                visit(group, item);
        }
    }
}

template <class Group>
qint64 visibleMarkedSize(const QList<Group> &groups)
{
    qint64 sum = 0;
    forEachVisibleMarked(groups, [&sum](const Group &, const auto &item) { sum += item.itemSize; });
    return sum;
}

template <class Group>
int visibleMarkedCount(const QList<Group> &groups)
{
    int count = 0;
    forEachVisibleMarked(groups, [&count](const Group &, const auto &) { ++count; });
    return count;
}

template <class Group>
bool isGroupCheckable(const Group &group)
{
    return group.groupSize > 0;
}

// A check box's image by its flag (2 all, 1 some, 0 none); the empty box
// where nothing may be ticked.
inline QString checkImage(bool checkable, int delFlag)
{
    if (!checkable)
        return QStringLiteral("or_select_null");
    switch (delFlag) {
    case 2:
        return QStringLiteral("or_select_all");
    case 1:
        return QStringLiteral("or_select_part");
    default:
        return QStringLiteral("or_select_off");
    }
}

template <class Group>
QString groupCheckImage(const Group &group)
{
    return checkImage(isGroupCheckable(group), group.isGroupDelFlag);
}

template <class Group, class Item>
QString itemCheckImage(const Group &group, const Item &item)
{
    return checkImage(isGroupCheckable(group), item.isDel ? 2 : 0);
}

// The name an item is listed under: its file name, after its owner's name
// where the family knows owners ("Discord › data.bin").
template <class Item>
QString shownName(const Item &item)
{
    const QString name = item.itemPath.section(QLatin1Char('/'), -1);
    if constexpr (requires { item.itemOwner; })
        return ORUtility::ownedName(item.itemOwner, name);
    return name;
}

// The search field: an empty text shows every item; otherwise only the items
// whose path or shown name contains the text (ignoring case and diacritics).
// Sets isVisible where the family has it (one without is never searched) and
// returns the indices of the listed items in list order.
template <class Group>
QList<qsizetype> applySearch(Group &group, const QString &text)
{
    QList<qsizetype> listed;
    const QString needle = foldForSearch(text);
    for (qsizetype i = 0; i < group.groupItems.size(); ++i) {
        auto &item = group.groupItems[i];
        const bool visible = needle.isEmpty() || foldForSearch(item.itemPath).contains(needle)
                             || foldForSearch(shownName(item)).contains(needle);
        if constexpr (requires { item.isVisible; })
            item.isVisible = visible;
        if (visible)
            listed.append(i);
    }
    return listed;
}

// The sort pop-up: tag 0 by size, larger first; tag 1 by the lower-cased
// shown name, ascending. Reorders the group's own list (stable).
template <class Group>
void sortItems(Group &group, int tag)
{
    auto &items = group.groupItems;
    if (tag == 0) {
        std::stable_sort(items.begin(), items.end(),
                         [](const auto &a, const auto &b) { return a.itemSize > b.itemSize; });
    } else if (tag == 1) {
        auto key = [](const auto &item) { return shownName(item).toLower(); };
        std::stable_sort(items.begin(), items.end(),
                         [&key](const auto &a, const auto &b) { return key(a) < key(b); });
    }
}

}  // namespace sw::selection
