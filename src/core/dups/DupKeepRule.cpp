#include "DupKeepRule.h"

#include "ORLayout.h"
#include "ORPrefConfig.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace sw::dupkeep {

namespace {

struct RuleRow
{
    DupKeepRule rule;
    const char *key;
    const char *title;
};

constexpr std::array kRules{
    RuleRow{DupKeepRule::Oldest, "oldest", QT_TRANSLATE_NOOP("sw::DupKeepRule", "Oldest")},
    RuleRow{DupKeepRule::Newest, "newest", QT_TRANSLATE_NOOP("sw::DupKeepRule", "Newest")},
    RuleRow{DupKeepRule::ShortestPath, "shortest-path", QT_TRANSLATE_NOOP("sw::DupKeepRule", "Shortest path")},
    RuleRow{DupKeepRule::FirstFound, "first", QT_TRANSLATE_NOOP("sw::DupKeepRule", "First found")},
};

const RuleRow &row(DupKeepRule rule)
{
    return *std::find_if(kRules.begin(), kRules.end(), [rule](const RuleRow &r) { return r.rule == rule; });
}

const QString kStoreKey = QStringLiteral("dupKeepRule");

}  // namespace

DupKeepRule defaultRule()
{
    return ORLayout::isMacOS() ? DupKeepRule::FirstFound : DupKeepRule::Oldest;
}

QString key(DupKeepRule rule)
{
    return QString::fromLatin1(row(rule).key);
}

std::optional<DupKeepRule> fromKey(const QString &text)
{
    for (const RuleRow &r : kRules)
        if (text == QLatin1String(r.key))
            return r.rule;
    return std::nullopt;
}

QStringList keys()
{
    QStringList all;
    for (const RuleRow &r : kRules)
        all.append(QString::fromLatin1(r.key));
    return all;
}

QString title(DupKeepRule rule)
{
    return QCoreApplication::translate("sw::DupKeepRule", row(rule).title);
}

qsizetype keptCopy(const ORDupDataGroup &group, DupKeepRule rule)
{
    const QList<ORDupDataItem> &copies = group.groupItems;
    if (copies.isEmpty())
        return -1;
    // Ties keep the earlier copy: min_element returns the first of equals.
    auto shorter = [](const ORDupDataItem &a, const ORDupDataItem &b) { return a.itemPath.size() < b.itemPath.size(); };
    auto pick = [&](auto less) { return std::min_element(copies.cbegin(), copies.cend(), less) - copies.cbegin(); };
    switch (rule) {
    case DupKeepRule::Oldest:
        return pick([&](const ORDupDataItem &a, const ORDupDataItem &b) {
            return a.itemModTime != b.itemModTime ? a.itemModTime < b.itemModTime : shorter(a, b);
        });
    case DupKeepRule::Newest:
        return pick([&](const ORDupDataItem &a, const ORDupDataItem &b) {
            return a.itemModTime != b.itemModTime ? a.itemModTime > b.itemModTime : shorter(a, b);
        });
    case DupKeepRule::ShortestPath: return pick(shorter);
    case DupKeepRule::FirstFound: break;
    }
    return 0;
}

DupKeepRule remembered()
{
    return fromKey(ORPrefConfig::stringForKey(kStoreKey)).value_or(defaultRule());
}

void remember(DupKeepRule rule)
{
    ORPrefConfig::setObject(kStoreKey, key(rule));
}

}  // namespace sw::dupkeep
