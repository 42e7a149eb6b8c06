// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/fs/AnchoredRoot.h"
#include "core/fs/RefusedPlaces.h"
#include "core/platform/LogCategory.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QLoggingCategory;

namespace sw {

// The category roots of one scan or one removal run, each resolved, checked
// and opened once. A root is refused, and nothing below it is listed or
// removed, when it really is (whatever link, bind mount, XDG variable or
// user-dirs entry led there; judged by identity, see RefusedPlaces):
//   - the file-system root, the layout's root, the home or a folder that holds it;
//   - a protected system folder or a folder inside one;
//   - one of the user's own folders (Desktop, Documents, Music, Pictures,
//     Videos, Templates, Public, Downloads) or inside one, unless the
//     category looks there by design (the Downloads category in Downloads);
//   - in a folder others may write (ROOT/tmp) while not being a real folder
//     of the user's own, so another user cannot plant a link or a folder of
//     theirs there.
// A refusal is logged once, as a warning, with its reason.
class CategoryRoots
{
public:
    // The user folders by their XDG key (DOWNLOAD, DOCUMENTS, ...), and
    // kHomeEntries: the home itself, as the anchor of the hidden entries
    // directly inside it (HOME/.name) and of nothing else.
    using UserFolderKeys = QStringList;
    static inline const QString kHomeEntries = QStringLiteral("HOME");

    explicit CategoryRoots(LogCategory category);
    ~CategoryRoots();

    // The checked root; nullptr when it is missing, no folder, or refused.
    const AnchoredRoot *open(const QString &folder, const UserFolderKeys &allowed = {});
    // The checked root as one whose entries are listed: as open(), but the
    // home is never listed whole, even where its hidden entries are allowed.
    const AnchoredRoot *openListed(const QString &folder, const UserFolderKeys &allowed = {});
    // The names directly inside a checked root, in listing order; empty when refused.
    QStringList names(const QString &folder, const UserFolderKeys &allowed = {});
    // A folder the user chose (a finder's scan folder): anchored like the
    // others, but the user may choose the home or a folder of theirs.
    const AnchoredRoot *openChosen(const QString &folder);
    // Why an item the user chose to remove whole may not go, else empty: it
    // is not an absolute path, or it is the file-system root, the layout's
    // root or a folder that holds it, the home or a folder that holds it, a
    // protected folder or inside one. Judged by identity where it really is:
    // its folder is resolved now, the item itself is not, since a link goes
    // as a link. A removal judges it again (see refusedPlaces()).
    QString chosenItemRefusal(const QString &path);
    // The places no item of this run may be, hold or lie in (resolved once).
    const RefusedPlaces &refusedPlaces();

private:
    struct Places;
    // Why root may not be used; empty when it may.
    QString refusal(const AnchoredRoot &root, const UserFolderKeys &allowed);
    const AnchoredRoot *openOnce(const QString &folder, bool checked, const UserFolderKeys &allowed);
    const Places &places();
    const AnchoredRoot *openHomeEntries(const QString &folder);

    LogCategory m_category;
    QHash<QString, std::shared_ptr<const AnchoredRoot>> m_roots;  // null: missing or refused
    QHash<QString, std::shared_ptr<const AnchoredRoot>> m_chosen;
    QHash<QString, std::shared_ptr<const AnchoredRoot>> m_homes;  // anchors of hidden entries only
    QHash<QString, bool> m_isHome;  // whether a folder asked for with kHomeEntries really is the home
    std::unique_ptr<const Places> m_places;  // made when the first root is checked
    QString m_lastFolder;  // as asked for, and its checked root (kept in m_roots)
    const AnchoredRoot *m_lastRoot = nullptr;
};

}  // namespace sw
