// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/fs/RemovalRun.h"

#include "core/fs/FolderTree.h"
#include "core/fs/RefusedPlaces.h"
#include "core/fs/Trash.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLoggingCategory>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>

namespace sw {

namespace {

// Failures kept per item; a folder of thousands of locked files needs no
// thousands of lines to say so.
constexpr qsizetype kFailuresPerItem = 100;

// One context for the texts of this file, whichever function shows them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(RemovalRun)
};

}  // namespace

QString RemovalRun::reasonOf(int error)
{
    switch (error) {
    case ELOOP: return Text::tr("a link lies on its way: it changed since the scan");
    case EXDEV: return Text::tr("it lies on another file system mounted below its folder");
    default: return QString::fromLocal8Bit(std::strerror(error));
    }
}

struct RemovalRun::Target
{
    const AnchoredRoot *root = nullptr;
    QByteArray relative;
    std::optional<AnchoredRoot::Item> item;  // none for the root itself
    FileIdentity id;
};

RemovalRun::RemovalRun(LogCategory category, QString failureFormat)
    : m_category(category), m_failureFormat(std::move(failureFormat)), m_roots(category)
{
}

bool RemovalRun::removedEarlier(const QString &path) const
{
    QString clean = QDir::cleanPath(path);
    while (!clean.isEmpty()) {
        if (m_gone.contains(clean))
            return true;
        const qsizetype slash = clean.lastIndexOf(QLatin1Char('/'));
        clean = slash > 0 ? clean.left(slash) : QString();
    }
    return false;
}

void RemovalRun::log(const RemovalFailure &failure) const
{
    qCWarning(m_category).noquote() << m_failureFormat.arg(failure.path + QStringLiteral(": ") + failure.reason);
}

void RemovalRun::notFound(RemovalOutcome &outcome, const QString &path, int error, const QString &reason) const
{
    if (error == ENOENT && removedEarlier(path))
        outcome.withFolder = true;
    else
        fail(outcome, path, reason);
}

void RemovalRun::fail(RemovalOutcome &outcome, const QString &path, const QString &reason) const
{
    if (outcome.failures.size() < kFailuresPerItem) {
        outcome.failures.append({path, reason});
        log(outcome.failures.constLast());
    } else if (outcome.failures.size() == kFailuresPerItem) {
        outcome.failures.append({outcome.path, Text::tr("more entries could not be removed")});
    }
}

const RemovalOutcome &RemovalRun::finish(RemovalOutcome outcome)
{
    m_report.add(std::move(outcome));
    return m_report.outcomes().constLast();
}

const RemovalOutcome &RemovalRun::add(RemovalOutcome outcome)
{
    for (const RemovalFailure &failure : std::as_const(outcome.failures))
        log(failure);
    if (outcome.ok())
        m_gone.insert(QDir::cleanPath(outcome.path));
    return finish(std::move(outcome));
}

const RemovalOutcome &RemovalRun::addRetry(qsizetype index, const RemovalOutcome &retry)
{
    for (const RemovalFailure &failure : retry.failures)
        log(failure);
    const RemovalOutcome &merged = m_report.mergeRetry(index, retry);
    if (merged.ok())
        m_gone.insert(QDir::cleanPath(merged.path));
    return merged;
}

// The item below its root, examined; nothing when it cannot be removed (the
// outcome says why) or went earlier in this run (the outcome stays clean).
std::optional<RemovalRun::Target> RemovalRun::reach(const AnchoredRoot *root, const QString &path,
                                                    RemovalOutcome &outcome)
{
    const std::optional<QByteArray> relative = root->relativeOf(path);
    if (!relative) {
        fail(outcome, path, Text::tr("not inside %1").arg(root->path()));
        return std::nullopt;
    }
    return reachRelative(root, *relative, path, outcome);
}

std::optional<RemovalRun::Target> RemovalRun::reachRelative(const AnchoredRoot *root, const QByteArray &relative,
                                                            const QString &path, RemovalOutcome &outcome)
{
    Target target{root, relative, {}, {}};
    if (target.relative.isEmpty()) {
        target.id = root->identity();
        return target;
    }
    target.item = root->locate(target.relative);
    if (!target.item) {
        const int error = errno;
        notFound(outcome, path, error, reasonOf(error));
        return std::nullopt;
    }
    // The root was checked when it was opened; what lies below it is judged
    // by identity too (a protected folder inside a cache root).
    if (const auto refused = m_roots.refusedPlaces().matchEntry(target.item->parent.get(), target.item->name.constData())) {
        outcome.refused = true;
        fail(outcome, path, RefusedPlaces::reason(*refused));
        return std::nullopt;
    }
    const auto id = FileIdentity::of(target.item->parent.get(), target.item->name.constData());
    if (!id) {
        const int error = errno;
        notFound(outcome, path, error, reasonOf(error));
        return std::nullopt;
    }
    if (!id->sameMount(target.item->parentId)) {
        fail(outcome, path, Text::tr("another file system is mounted here; left alone"));
        return std::nullopt;
    }
    target.id = *id;
    return target;
}

void RemovalRun::removeItem(const Target &target, Mode mode, RemovalOutcome &outcome)
{
    const QString &path = outcome.path;
    const auto below = [&](const QByteArray &rel, const QString &reason) {
        fail(outcome, rel.isEmpty() ? path : path + QLatin1Char('/') + QFile::decodeName(rel), reason);
    };
    if (!target.item) {
        outcome.removed = FolderTree::removeContents(target.root->fd(), below, m_watch, m_beforeUnlink);
    } else if (!target.id.isFolder()) {
        const FolderTree::FileRemoval gone =
            FolderTree::removeFile(target.item->parent.get(), target.item->name.constData(), target.id, m_beforeUnlink);
        outcome.removed = gone.removed;
        if (!gone.failure.isEmpty())
            fail(outcome, path, gone.failure);
        else if (gone.vanished)
            notFound(outcome, path, ENOENT, reasonOf(ENOENT));
    } else {
        const int parent = target.item->parent.get();
        const UniqueFd folder(
            ::openat(parent, target.item->name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        const auto opened = folder ? FileIdentity::ofFd(folder.get()) : std::nullopt;
        if (!opened || !opened->sameFile(target.id)) {
            fail(outcome, path, opened ? Text::tr("it changed since the scan") : reasonOf(errno));
            return;
        }
        outcome.removed = FolderTree::removeContents(folder.get(), below, m_watch, m_beforeUnlink);
        if (mode == Mode::Whole && outcome.ok()
            && ::unlinkat(parent, target.item->name.constData(), AT_REMOVEDIR) != 0 && errno != ENOENT)
            fail(outcome, path, reasonOf(errno));
    }
    // What this walk could take is gone, so items below it count as removed.
    m_gone.insert(QDir::cleanPath(path));
}

const RemovalOutcome &RemovalRun::remove(const QString &root, const QString &path, Mode mode, qint64 size,
                                         const CategoryRoots::UserFolderKeys &allowed)
{
    RemovalOutcome outcome{path, size, 0, {}};
    const AnchoredRoot *anchored = m_roots.open(root, allowed);
    if (!anchored) {
        const int error = errno;
        notFound(outcome, path, error, Text::tr("its folder %1 is missing or was left alone").arg(root));
    } else if (std::optional<Target> target = reach(anchored, path, outcome)) {
        if (mode == Mode::Whole && !target->item)
            fail(outcome, path, Text::tr("a top folder is never removed whole"));
        else
            removeItem(*target, mode, outcome);
    }
    return finish(std::move(outcome));
}

void RemovalRun::removeCompanion(const QString &root, const QString &path, qint64 size)
{
    struct stat st;
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return;
    remove(root, path, Mode::Whole, size);
    m_report.mergeIntoLast(m_report.takeLast());
}

const RemovalOutcome &RemovalRun::removeChosen(const QString &path, qint64 size, const QString &chosenFolder)
{
    RemovalOutcome outcome{path, size, 0, {}};
    const QString clean = QDir::cleanPath(path);
    const qsizetype slash = clean.lastIndexOf(QLatin1Char('/'));
    if (clean == QLatin1String("/") || !clean.startsWith(QLatin1Char('/'))) {
        outcome.refused = true;
        fail(outcome, path, m_roots.chosenItemRefusal(clean));
        return finish(std::move(outcome));
    }
    const AnchoredRoot *anchored = m_roots.openChosen(slash > 0 ? clean.left(slash) : QStringLiteral("/"));
    if (!anchored && removedEarlier(path)) {
        outcome.withFolder = true;  // it went with a folder listed before it
        return finish(std::move(outcome));
    }
    if (!anchored) {
        fail(outcome, path, Text::tr("its folder %1 is missing or cannot be opened").arg(clean.left(slash)));
    } else if (!chosenFolder.isEmpty() && anchored->realPath() != chosenFolder) {
        fail(outcome, path,
             Text::tr("its folder now leads to %1: a link on its way changed since it was chosen").arg(anchored->realPath()));
    } else if (std::optional<Target> target = reach(anchored, clean, outcome)) {
        // Refused there, by identity, when it is or holds a place that never goes.
        removeItem(*target, Mode::Whole, outcome);
    }
    return finish(std::move(outcome));
}

const RemovalOutcome &RemovalRun::removeIdentified(const AnchoredRoot &root, const QByteArray &relative,
                                                   const FileIdentity &expected, Mode mode, qint64 size)
{
    const QString path = root.realPathOf(relative);
    RemovalOutcome outcome{path, size, 0, {}};
    std::optional<Target> target;
    if (!AnchoredRoot::isPlainRelative(relative))
        fail(outcome, path, Text::tr("not a plain path below %1").arg(root.realPath()));
    else
        target = reachRelative(&root, relative, path, outcome);
    if (target && !target->id.sameFile(expected))
        fail(outcome, path, Text::tr("it is no longer the item that was listed"));
    else if (target)
        removeItem(*target, mode, outcome);
    return finish(std::move(outcome));
}

const RemovalOutcome &RemovalRun::moveToTrash(const QString &chosenRoot, const QString &path, qint64 size)
{
    RemovalOutcome outcome{path, size, 0, {}};
    const AnchoredRoot *anchored = m_roots.openChosen(chosenRoot);
    if (!anchored)
        fail(outcome, path, reasonOf(errno));
    else
        trashItem(anchored, outcome);
    return finish(std::move(outcome));
}

const RemovalOutcome &RemovalRun::moveToTrashBelow(const QString &root, const QString &path, qint64 size,
                                                   const CategoryRoots::UserFolderKeys &allowed)
{
    RemovalOutcome outcome{path, size, 0, {}};
    const AnchoredRoot *anchored = m_roots.open(root, allowed);
    if (!anchored)
        fail(outcome, path, Text::tr("its folder %1 is missing or was left alone").arg(root));
    else
        trashItem(anchored, outcome);
    return finish(std::move(outcome));
}

// Renames the item, reached through its folder's descriptor, into the Trash;
// what it measured just before is what went.
void RemovalRun::trashItem(const AnchoredRoot *anchored, RemovalOutcome &outcome)
{
    const QString &path = outcome.path;
    const std::optional<Target> target = reach(anchored, path, outcome);
    if (target && !target->item) {
        fail(outcome, path, Text::tr("a top folder is never moved whole"));
    } else if (target) {
        if (m_beforeTrash) {
            if (const QString reason = m_beforeTrash(target->item->parent.get(), target->item->name);
                !reason.isEmpty()) {
                fail(outcome, path, reason);
                return;
            }
        }
        const qint64 bytes = anchored->measure(path);
        QString error = Trash::moveToTrashAt(target->item->parent.get(), target->item->name, path,
                                             anchored->realPathOf(target->relative), &outcome.trashedPath);
        if (error.startsWith(path + QStringLiteral(": ")))
            error = error.mid(path.size() + 2);
        if (error.isEmpty()) {
            outcome.removed = bytes;
            m_gone.insert(QDir::cleanPath(path));
        } else {
            fail(outcome, path, error);
        }
    }
}

}  // namespace sw
