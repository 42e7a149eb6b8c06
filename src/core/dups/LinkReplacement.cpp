// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dups/LinkReplacement.h"

#include "core/dups/OrderedParallel.h"
#include "core/finder/FinderRemoval.h"
#include "core/foundation/JobControl.h"

#include <QDir>
#include <QFile>
#include <QThread>

#include <algorithm>
#include <optional>
#include <vector>

#include <sys/stat.h>

namespace sw {

namespace {

struct KindName
{
    LinkKind kind;
    const char *key;
};

const KindName kKinds[] = {
    {LinkKind::Hard, "hard"},
    {LinkKind::Reflink, "reflink"},
    {LinkKind::Symbolic, "symbolic"},
};

dev_t deviceOf(const QString &path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_dev : dev_t(0);
}

}  // namespace

LinkReplacement::LinkReplacement(const QStringList &folders, LogCategory category)
    : m_run(category, QStringLiteral("Fail to link duplicate, error=%1"))
{
    for (const QString &folder : folders)
        m_folders.append(QDir::cleanPath(folder));
}

QList<LinkReplacement::Pair> LinkReplacement::plan(const ORDupData &data)
{
    QList<Pair> pairs;
    for (const ORDupDataGroup &group : data.dupGroups) {
        if (group.isGroupDelFlag == 0 || !group.isVisible)
            continue;
        const auto kept = std::find_if(group.groupItems.cbegin(), group.groupItems.cend(),
                                       [](const ORDupDataItem &item) { return !item.isDel; });
        if (kept == group.groupItems.cend())
            continue;  // a set never loses its last copy
        for (const ORDupDataItem &item : group.groupItems)
            if (item.isDel)
                pairs.append(Pair{&*kept, &item, {}});
    }
    return pairs;
}

LinkKind LinkReplacement::defaultKind(const ORDupData &data)
{
    for (const Pair &pair : plan(data))
        if (deviceOf(pair.kept->itemPath) != deviceOf(pair.copy->itemPath))
            return LinkKind::Symbolic;
    return LinkKind::Hard;
}

QString LinkReplacement::key(LinkKind kind)
{
    for (const KindName &row : kKinds)
        if (row.kind == kind)
            return QLatin1String(row.key);
    return QString();
}

std::optional<LinkKind> LinkReplacement::fromKey(const QString &key)
{
    for (const KindName &row : kKinds)
        if (key == QLatin1String(row.key))
            return row.kind;
    return std::nullopt;
}

QStringList LinkReplacement::keys()
{
    QStringList out;
    for (const KindName &row : kKinds)
        out.append(QLatin1String(row.key));
    return out;
}

FileLink::Side LinkReplacement::sideOf(const ORDupDataItem &item)
{
    return {m_run.roots().openChosen(FinderRemoval::folderOf(m_folders, item.itemPath)), item.itemPath, dev_t(item.itemDev),
            ino_t(item.itemIno)};
}

void LinkReplacement::replace(const QList<Pair> &pairs, LinkKind kind, JobControl &job)
{
    // The folders are anchored here first: the workers only read them.
    std::vector<std::pair<FileLink::Side, FileLink::Side>> sides;
    sides.reserve(size_t(pairs.size()));
    for (const Pair &pair : pairs)
        sides.emplace_back(sideOf(*pair.kept), sideOf(*pair.copy));
    // Copies are independent of one another, and most of the work is waiting
    // on the file system: they are linked side by side, reported in order.
    orderedParallel<std::optional<RemovalOutcome>>(
        size_t(pairs.size()), QThread::idealThreadCount(),
        [&](size_t index) -> std::optional<RemovalOutcome> {
            if (job.isCancelled())
                return std::nullopt;  // not begun
            const Pair &pair = pairs.at(qsizetype(index));
            if (!pair.refusal.isEmpty())
                return RemovalOutcome::refusal(pair.copy->itemPath, pair.copy->itemSize, pair.refusal);
            return FileLink::replace(sides[index].first, sides[index].second, pair.copy->itemSize, kind);
        },
        [&](std::optional<RemovalOutcome> &&done) {
            if (!done)
                return;
            job.setCurrentPath(done->path);
            const RemovalOutcome &outcome = m_run.add(std::move(*done));
            if (outcome.ok())
                job.addItems();
            job.addBytes(outcome.removed);
        });
}

}  // namespace sw
