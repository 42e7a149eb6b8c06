// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/fs/FileIdentity.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace sw {

// The places a removal must never take, known by identity (device and inode)
// instead of by the text of their paths, so that a bind mount, a link or a
// path spelt another way cannot present one of them under another name.
// The places are resolved once, when the object is made (once per run); a
// place missing then is left out. The places are given explicitly: the
// program's own come from CategoryRoots, a privileged helper names its own.
//
// An item is judged where it really is. The entry itself is not followed
// (a link goes as a link), but a place that is reached through a link is
// known by the link's identity too (/lib -> usr/lib). "Lies inside" is
// decided by walking up the real parents of the item's folder ("..", from
// its descriptor, at most kMaxDepth levels). Where that walk leaves a mount
// whose root lies deep inside its file system (a bind mount of /usr/share),
// the mount table tells where that root lies, and a place of the same file
// system that holds it counts. A walk that cannot reach the top refuses.
//
// One thread at a time.
class RefusedPlaces
{
public:
    enum class Kind {
        Root,        // the file-system root, a layout's root: neither it nor a folder holding it goes
        Home,        // a home: neither it nor a folder holding it goes
        Protected,   // a system folder: neither it nor anything inside it goes
        UserFolder,  // one of the user's own folders: as Protected (category roots only)
        Kept,        // on the user's keep list: neither it, nor a folder holding it, nor anything inside it goes
    };
    struct Place
    {
        QString path;  // absolute; links on its way are followed when it is resolved
        Kind kind = Kind::Protected;
        QString key;   // the caller's name for it (a user folder's XDG key), to leave it out of a check
    };
    enum class Relation {
        Is,          // the item is the place (or a link that names it)
        Holds,       // the item is a folder that holds the place
        LiesInside,  // the item lies inside the place
        Unchecked,   // the walk up from the item did not reach the top: refused, place empty
    };
    struct Match
    {
        Place place;
        Relation relation = Relation::Is;
    };

    static constexpr int kMaxDepth = 4096;

    RefusedPlaces() = default;
    explicit RefusedPlaces(const QList<Place> &places);

    // The file-system root, layoutRoot, the homes and the protected folders.
    static QList<Place> systemPlaces(const QString &layoutRoot, const QStringList &homes,
                                     const QStringList &protectedFolders);

    // The entry name in the open folder folderFd (missing or not: where it
    // would lie is judged too); nullopt when it may go. Places whose key is
    // in exceptKeys do not count.
    std::optional<Match> matchEntry(int folderFd, const char *name, const QStringList &exceptKeys = {}) const;
    // The open folder itself.
    std::optional<Match> matchFolder(int folderFd, const QStringList &exceptKeys = {}) const;

    // The entry known by its identity alone, without the walk up: for a
    // caller that has judged the folder holding it already.
    std::optional<Match> matchIdentity(const FileIdentity &id, const QStringList &exceptKeys = {}) const;

    // Why a match may not go, for people.
    static QString reason(const Match &match);

private:
    struct Known
    {
        dev_t dev;
        ino_t ino;
        qsizetype place;
        Relation relation;  // Is or Holds
    };
    struct Container
    {
        FileIdentity id;
        QString device;  // the mount table's major:minor of its file system
        QString inFileSystem;  // its path inside that file system
        qsizetype place;
    };
    struct MountRoot
    {
        QString device;  // major:minor of its file system
        QString root;    // the folder of that file system mounted
        QString point;   // where
    };

    void add(qsizetype place);
    void addHolders(qsizetype place, int fd);
    void addKeptFile(qsizetype place, const QByteArray &path);
    std::optional<Match> walkUp(int folderFd, bool includeFolder, const QStringList &exceptKeys) const;
    std::optional<Match> matchMountRoot(const FileIdentity &folder, const QStringList &exceptKeys) const;
    std::optional<MountRoot> mountRoot(quint64 mountId) const;
    bool counts(qsizetype place, const QStringList &exceptKeys) const;

    QList<Place> m_places;
    std::vector<Known> m_known;
    std::vector<Container> m_containers;
    mutable QList<std::pair<quint64, MountRoot>> m_mounts;  // read when first needed, again for a new mount
};

}  // namespace sw
