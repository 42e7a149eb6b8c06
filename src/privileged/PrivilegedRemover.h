// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/fs/AnchoredRoot.h"
#include "core/fs/FileIdentity.h"
#include "core/fs/PrivilegedRequest.h"
#include "core/fs/RefusedPlaces.h"
#include "core/fs/RemovalRun.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

namespace sw {

// The work of sweepwright-privileged, which runs as root: each request is
// checked against the helper's own table and against what is on the disk
// now, and only then carried out through the removal core.
//
// A request is refused when
//   - it is not a well-formed request, or its path steps out ("..", "." or
//     an empty component) or names the root itself;
//   - its root is not in the table, or is no longer the folder the user
//     side saw (device and inode);
//   - the item, its root or a folder between them is a protected folder,
//     or the item lies in one (judged by device and inode, and by where it
//     really is), or the item is the home or a folder holding it;
//   - a symbolic link or another file system lies on its way (openat2 with
//     RESOLVE_BENEATH | RESOLVE_NO_SYMLINKS | RESOLVE_NO_XDEV from the
//     root's descriptor), or the entry found is not the one the user side
//     saw.
// A folder is then removed by FolderTree, which never follows a link and
// never enters another mount.
class PrivilegedRemover
{
public:
    // table: the folders requests may start from (PrivilegedRoots); home:
    // the calling user's home.
    PrivilegedRemover(QStringList table, const QString &home);
    ~PrivilegedRemover();

    PrivilegedAnswer handle(qsizetype index, const QByteArray &line);

private:
    const AnchoredRoot *openRoot(const QString &folder);
    bool crossesProtected(const AnchoredRoot &root, const QByteArray &relative) const;
    PrivilegedAnswer::Refusal check(const PrivilegedRequest &request, const AnchoredRoot *root,
                                    FileIdentity &found, QString &reason) const;

    QStringList m_table;
    RefusedPlaces m_refused;
    QHash<QString, std::shared_ptr<const AnchoredRoot>> m_roots;
    std::unique_ptr<RemovalRun> m_run;
};

}  // namespace sw
