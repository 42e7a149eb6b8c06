// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dups/DupKeepRule.h"

#include "core/foundation/ORPrefConfig.h"
#include "core/platform/ORLayout.h"

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
    RuleRow{DupKeepRule::BestOriginal, "original", QT_TRANSLATE_NOOP("sw::DupKeepRule", "Best original")},
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
    return ORLayout::isMacOS() ? DupKeepRule::FirstFound : DupKeepRule::BestOriginal;
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

QList<DupKeepRule> rules()
{
    QList<DupKeepRule> all;
    for (const RuleRow &r : kRules)
        all.append(r.rule);
    return all;
}

QString title(DupKeepRule rule)
{
    return QCoreApplication::translate("sw::DupKeepRule", row(rule).title);
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
