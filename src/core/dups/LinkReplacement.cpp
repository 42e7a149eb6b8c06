// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dups/LinkReplacement.h"

#include "core/finder/FinderRemoval.h"
#include "core/foundation/JobControl.h"

#include <QDir>
#include <QFile>

#include <algorithm>

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
    for (const Pair &pair : pairs) {
        if (job.isCancelled())
            return;
        job.setCurrentPath(pair.copy->itemPath);
        const RemovalOutcome &outcome =
            m_run.add(pair.refusal.isEmpty()
                          ? FileLink::replace(sideOf(*pair.kept), sideOf(*pair.copy), pair.copy->itemSize, kind)
                          : RemovalOutcome::refusal(pair.copy->itemPath, pair.copy->itemSize, pair.refusal));
        if (outcome.ok())
            job.addItems();
        job.addBytes(outcome.removed);
    }
}

}  // namespace sw
