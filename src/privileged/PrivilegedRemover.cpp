// SPDX-License-Identifier: GPL-3.0-or-later
#include "privileged/PrivilegedRemover.h"

#include "core/fs/ProtectedPaths.h"
#include "core/fs/UniqueFd.h"
#include "core/platform/LogCategory.h"
#include "core/platform/ORLayout.h"

#include <QFile>

#include <cerrno>

Q_LOGGING_CATEGORY(lcHelper, "sweepwright.privileged", sw::logThreshold(QtInfoMsg))

namespace sw {

namespace {

using Refusal = PrivilegedAnswer::Refusal;

}  // namespace

PrivilegedRemover::PrivilegedRemover(QStringList table, const QString &home)
    : m_table(std::move(table)),
      m_refused(RefusedPlaces::systemPlaces(ORLayout::root(), {home}, ProtectedPaths::protectedFolders())),
      m_run(std::make_unique<RemovalRun>(lcHelper, QStringLiteral("Fail to remove, error=%1")))
{
}

PrivilegedRemover::~PrivilegedRemover() = default;

const AnchoredRoot *PrivilegedRemover::openRoot(const QString &folder)
{
    if (const auto it = m_roots.constFind(folder); it != m_roots.constEnd())
        return it->get();
    std::optional<AnchoredRoot> root = AnchoredRoot::open(folder);
    std::shared_ptr<const AnchoredRoot> kept = root ? std::make_shared<const AnchoredRoot>(std::move(*root)) : nullptr;
    m_roots.insert(folder, kept);
    return kept.get();
}

// Whether the root or a folder between it and the item is, or lies in, a
// protected folder: a bind mount or another name can show /etc anywhere.
// (The home and the file-system root may well hold the item.)
bool PrivilegedRemover::crossesProtected(const AnchoredRoot &root, const QByteArray &relative) const
{
    const auto isProtected = [this](int folderFd) {
        const auto match = m_refused.matchFolder(folderFd);
        return match && (match->place.kind == RefusedPlaces::Kind::Protected
                         || match->relation == RefusedPlaces::Relation::Unchecked);
    };
    if (isProtected(root.fd()))
        return true;
    for (qsizetype slash = relative.indexOf('/'); slash > 0; slash = relative.indexOf('/', slash + 1)) {
        const UniqueFd folder = root.openFolder(relative.left(slash));
        if (!folder)
            return false;  // the item cannot be reached either; locate() says why
        if (isProtected(folder.get()))
            return true;
    }
    return false;
}

Refusal PrivilegedRemover::check(const PrivilegedRequest &request, const AnchoredRoot *root, FileIdentity &found,
                                 QString &reason) const
{
    if (!AnchoredRoot::isPlainRelative(request.relative))
        return Refusal::Malformed;
    if (ProtectedPaths::isProtected(root->realPathOf(request.relative)) || crossesProtected(*root, request.relative))
        return Refusal::Protected;
    const std::optional<AnchoredRoot::Item> item = root->locate(request.relative);
    const auto id = item ? FileIdentity::of(item->parent.get(), item->name.constData()) : std::nullopt;
    if (!id) {
        reason = RemovalRun::reasonOf(errno);
        return Refusal::Unreachable;
    }
    if (!id->sameMount(item->parentId)) {
        reason = RemovalRun::reasonOf(EXDEV);
        return Refusal::Unreachable;
    }
    if (id->dev != request.dev || id->ino != request.ino)
        return Refusal::Changed;
    // Nor may the item be the home, a folder holding it, or a protected folder.
    if (m_refused.matchEntry(item->parent.get(), item->name.constData()))
        return Refusal::Protected;
    found = *id;
    return Refusal::None;
}

PrivilegedAnswer PrivilegedRemover::handle(qsizetype index, const QByteArray &line)
{
    PrivilegedAnswer answer;
    answer.index = index;
    const std::optional<PrivilegedRequest> request = PrivilegedRequest::fromLine(line);
    if (!request) {
        answer.refusal = Refusal::Malformed;
        return answer;
    }
    if (!m_table.contains(request->root)) {
        answer.refusal = Refusal::OutsideTable;
        return answer;
    }
    const AnchoredRoot *root = openRoot(request->root);
    if (!root || root->identity().dev != request->rootDev || root->identity().ino != request->rootIno) {
        answer.refusal = Refusal::RootChanged;
        return answer;
    }
    FileIdentity found;
    QString reason;
    answer.refusal = check(*request, root, found, reason);
    if (!reason.isEmpty())
        answer.failures.append({QByteArray(), reason});
    if (answer.refusal != Refusal::None)
        return answer;
    const RemovalRun::Mode mode =
        request->mode == PrivilegedRequest::Mode::Whole ? RemovalRun::Mode::Whole : RemovalRun::Mode::Contents;
    const RemovalOutcome &outcome = m_run->removeIdentified(*root, request->relative, found, mode, 0);
    answer.removed = outcome.removed;
    const QString itemPath = root->realPathOf(request->relative);
    for (const RemovalFailure &failure : outcome.failures) {
        const QString below = failure.path.startsWith(itemPath + QLatin1Char('/')) ? failure.path.mid(itemPath.size() + 1)
                                                                                    : QString();
        answer.failures.append({QFile::encodeName(below), failure.reason});
    }
    return answer;
}

}  // namespace sw
