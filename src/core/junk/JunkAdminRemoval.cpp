#include "JunkAdminRemoval.h"

#include "FolderTree.h"
#include "ORJunkCategory.h"
#include "PrivilegedRemoval.h"
#include "ProtectedPaths.h"
#include "RemovalRun.h"

#include <QCoreApplication>

namespace sw {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("JunkAdminRemoval", text);
}

}  // namespace

// What rm is given for an item: the real paths of a folder's entries when
// the folder is emptied, else the item's real path. Nothing for an item that
// cannot be reached below its root or lies in a protected folder.
QStringList JunkAdminRemoval::pathsFor(RemovalRun &run, qint64 groupID, const ORjunkDataItem &item) const
{
    const AnchoredRoot *root = run.roots().open(item.itemRoot, ORJunkCategory::userFoldersOf(groupID));
    const std::optional<QByteArray> relative = root ? root->relativeOf(item.itemPath) : std::nullopt;
    if (!relative || relative->isEmpty())
        return {};
    const QString real = root->pathForProgram(*relative);
    if (real.isEmpty() || ProtectedPaths::isProtected(real) || !PrivilegedRemoval::isAcceptablePath(real))
        return {};
    const UniqueFd folder = root->openFolder(*relative);
    if (!folder || ORJunkCategory::removesWhole(groupID))
        return {real};
    QStringList paths;
    for (const QString &name : FolderTree::names(folder.get()).value_or(QStringList()))
        paths.append(real + QLatin1Char('/') + name);
    return paths;
}

QList<std::pair<qint64, ORjunkDataItem>> JunkAdminRemoval::run(RemovalRun &run)
{
    QList<std::pair<qint64, ORjunkDataItem>> removed;
    if (m_items.isEmpty())
        return removed;
    QList<QStringList> itemPaths;
    QStringList all;
    for (const auto &[groupID, item] : std::as_const(m_items)) {
        itemPaths.append(m_allowed ? pathsFor(run, groupID, item) : QStringList());
        all += itemPaths.constLast();
    }
    const PrivilegedRemoval::Result result = m_allowed && !all.isEmpty() ? PrivilegedRemoval::removeAll(all)
                                                                         : PrivilegedRemoval::Result{};
    for (qsizetype i = 0; i < m_items.size(); ++i) {
        const auto &[groupID, item] = m_items.at(i);
        RemovalOutcome outcome{item.itemPath, item.itemSize, 0, {}};
        const AnchoredRoot *root = run.roots().open(item.itemRoot, ORJunkCategory::userFoldersOf(groupID));
        if (!m_allowed) {
            outcome.failures.append({item.itemPath, tr("needs administrator rights; skipped")});
        } else if (itemPaths.at(i).isEmpty() || !root) {
            outcome.failures.append({item.itemPath, tr("cannot be reached below its folder; left in place")});
        } else if (result.outcome != PrivilegedRemoval::Result::Outcome::Ran) {
            outcome.failures.append({item.itemPath, result.reason()});
        } else {
            const qint64 left = root->measure(item.itemPath);
            outcome.removed = qMax<qint64>(0, item.itemSize - left);
            const QStringList &paths = itemPaths.at(i);
            const bool stays = left > 0 || std::any_of(paths.cbegin(), paths.cend(), [&](const QString &path) {
                                   return result.remaining.contains(path);
                               });
            if (stays)
                outcome.failures.append({item.itemPath, tr("could not be removed with administrator rights")});
        }
        if (outcome.removed > 0) {
            ORjunkDataItem gone = item;
            gone.itemSize = outcome.removed;
            removed.append({groupID, gone});
        }
        run.add(std::move(outcome));
    }
    return removed;
}

}  // namespace sw
