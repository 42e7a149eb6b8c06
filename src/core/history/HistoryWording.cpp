// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/history/HistoryWording.h"

#include "core/foundation/ORUtility.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

namespace sw {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(HistoryWording)
};

// The tools under the names their sidebar buttons carry.
struct ToolTitle
{
    const char *tool;
    const char *title;
};

constexpr ToolTitle kTools[] = {
    {"junk", QT_TRANSLATE_NOOP("ORMainWinController", "Junk Clean")},
    {"large", QT_TRANSLATE_NOOP("ORMainWinController", "Large Files")},
    {"dups", QT_TRANSLATE_NOOP("ORMainWinController", "Duplicates")},
    {"apps", QT_TRANSLATE_NOOP("ORMainWinController", "Uninstaller")},
    {"extensions", QT_TRANSLATE_NOOP("ORMainWinController", "Extensions")},
    {"shred", QT_TRANSLATE_NOOP("ORMainWinController", "Shredder")},
};

QString sized(const QString &text, qint64 bytes)
{
    return bytes > 0 ? QStringLiteral("%1 (%2)").arg(text, ORUtility::sizeFormatWithNumber(bytes)) : text;
}

}  // namespace

QString HistoryWording::toolName(const QString &tool)
{
    if (tool == HistoryRecord::kPutBack)
        return Text::tr("Put Back");
    for (const ToolTitle &row : kTools)
        if (tool == QLatin1String(row.tool))
            return QCoreApplication::translate("ORMainWinController", row.title);
    return tool;
}

QString HistoryWording::fate(const HistoryItem &item)
{
    switch (item.fate) {
    case HistoryItem::Fate::Trashed: return Text::tr("Moved to the Trash");
    case HistoryItem::Fate::Deleted: return Text::tr("Deleted for good");
    case HistoryItem::Fate::Linked: return Text::tr("Replaced with a link");
    case HistoryItem::Fate::Failed: return Text::tr("Not done: %1").arg(item.reason);
    case HistoryItem::Fate::Refused: return Text::tr("Refused: %1").arg(item.reason);
    case HistoryItem::Fate::Restored: return Text::tr("Put back");
    }
    return QString();
}

QString HistoryWording::summary(const HistoryRecord &run)
{
    using Fate = HistoryItem::Fate;
    QStringList parts;
    const auto add = [&](Fate fate, const QString &text) {
        if (const int n = int(run.count(fate)); n > 0)
            parts << sized(text.arg(n), fate == Fate::Failed || fate == Fate::Refused ? 0 : run.bytes(fate));
    };
    add(Fate::Restored, Text::tr("%1 put back"));
    add(Fate::Trashed, Text::tr("%1 to the Trash"));
    add(Fate::Deleted, Text::tr("%1 deleted for good"));
    add(Fate::Linked, Text::tr("%1 replaced with links"));
    add(Fate::Failed, Text::tr("%1 not done"));
    add(Fate::Refused, Text::tr("%1 refused"));
    if (parts.isEmpty())
        return Text::tr("Nothing was removed");
    return Text::tr("%n item(s): %1", nullptr, int(run.items.size())).arg(parts.join(QStringLiteral(", ")));
}

QString HistoryWording::when(const HistoryRecord &run)
{
    return QLocale().toString(run.time.toLocalTime(), QLocale::ShortFormat);
}

}  // namespace sw
