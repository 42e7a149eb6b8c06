// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/fs/RefusedPlaces.h"

#include "core/fs/PathInside.h"
#include "core/fs/UniqueFd.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <climits>

#include <fcntl.h>
#include <unistd.h>

namespace sw {

namespace {

constexpr int kUpFlags = O_PATH | O_DIRECTORY | O_CLOEXEC;

// One context for the texts of this file, whichever function shows them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(RefusedPlaces)
};

// Where an open descriptor really is; empty when the kernel does not say.
QString realPathOf(int fd)
{
    char buffer[PATH_MAX];
    const QByteArray link = "/proc/self/fd/" + QByteArray::number(fd);
    const ssize_t n = ::readlink(link.constData(), buffer, sizeof buffer - 1);
    return n > 0 && buffer[0] == '/' ? QFile::decodeName(QByteArray(buffer, n)) : QString();
}

// The mount table writes blanks, tabs, newlines and backslashes as \ooo.
QString unescapeMountField(const QByteArray &field)
{
    QByteArray out;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            bool ok = false;
            const int code = field.mid(i + 1, 3).toInt(&ok, 8);
            if (ok) {
                out.append(char(code));
                i += 3;
                continue;
            }
        }
        out.append(field[i]);
    }
    return QFile::decodeName(out);
}

// The text of path below a prefix folder ("/" for the folder itself).
QString below(const QString &path, const QString &folder)
{
    if (folder == QLatin1String("/"))
        return path;
    const QString rest = path.mid(folder.size());
    return rest.isEmpty() ? QStringLiteral("/") : rest;
}

}  // namespace

RefusedPlaces::RefusedPlaces(const QList<Place> &places) : m_places(places)
{
    for (qsizetype i = 0; i < m_places.size(); ++i)
        add(i);
}

QList<RefusedPlaces::Place> RefusedPlaces::systemPlaces(const QString &layoutRoot, const QStringList &homes,
                                                        const QStringList &protectedFolders)
{
    QList<Place> places{{QStringLiteral("/"), Kind::Root, {}}, {layoutRoot, Kind::Root, {}}};
    for (const QString &home : homes)
        places.append({home, Kind::Home, {}});
    for (const QString &folder : protectedFolders)
        places.append({folder, Kind::Protected, {}});
    return places;
}

// Known by the place's own name (a link included) and by where it leads.
void RefusedPlaces::add(qsizetype place)
{
    const QString path = QDir::cleanPath(m_places.at(place).path);
    if (!path.startsWith(QLatin1Char('/')))
        return;
    const QByteArray encoded = QFile::encodeName(path);
    if (const auto named = FileIdentity::of(AT_FDCWD, encoded.constData()))
        m_known.push_back({named->dev, named->ino, place, Relation::Is});
    const UniqueFd fd(::open(encoded.constData(), kUpFlags));
    const auto id = fd ? FileIdentity::ofFd(fd.get()) : std::nullopt;
    const Kind kind = m_places.at(place).kind;
    if (!id) {
        if (kind == Kind::Kept)
            addKeptFile(place, encoded);
        return;
    }
    m_known.push_back({id->dev, id->ino, place, Relation::Is});
    if (kind == Kind::Root || kind == Kind::Home || kind == Kind::Kept) {
        addHolders(place, fd.get());
        // Folders on the way as written, links among them: removing one takes the place's name away.
        for (QString up = QFileInfo(path).path(); up != path && up.size() > 1; up = QFileInfo(up).path())
            if (const auto holder = FileIdentity::of(AT_FDCWD, QFile::encodeName(up).constData()))
                m_known.push_back({holder->dev, holder->ino, place, Relation::Holds});
        if (kind != Kind::Kept)  // a kept folder refuses what lies inside it too
            return;
    }
    Container container{*id, {}, {}, place};
    const QString real = realPathOf(fd.get());
    if (const auto mount = id->hasMountId ? mountRoot(id->mountId) : std::nullopt; mount && !real.isEmpty()) {
        container.device = mount->device;
        const QString inside = below(real, mount->point);
        container.inFileSystem =
            QDir::cleanPath(mount->root == QLatin1String("/") ? inside : mount->root + inside);
    }
    m_containers.push_back(container);
}

// Every real parent of the place, up to the top.
void RefusedPlaces::addHolders(qsizetype place, int fd)
{
    UniqueFd current(::openat(fd, ".", kUpFlags));
    auto id = current ? FileIdentity::ofFd(current.get()) : std::nullopt;
    for (int depth = 0; id && depth < kMaxDepth; ++depth) {
        UniqueFd up(::openat(current.get(), "..", kUpFlags));
        const auto upId = up ? FileIdentity::ofFd(up.get()) : std::nullopt;
        if (!upId || (upId->sameFile(*id) && upId->sameMount(*id)))
            return;
        m_known.push_back({upId->dev, upId->ino, place, Relation::Holds});
        current = std::move(up);
        id = upId;
    }
}

// A kept file (or whatever it is that is no folder): known by where its name
// leads, and every folder holding it holds it.
void RefusedPlaces::addKeptFile(qsizetype place, const QByteArray &path)
{
    const UniqueFd fd(::open(path.constData(), O_PATH | O_CLOEXEC));
    if (const auto id = fd ? FileIdentity::ofFd(fd.get()) : std::nullopt)
        m_known.push_back({id->dev, id->ino, place, Relation::Is});
    const qsizetype slash = path.lastIndexOf('/');
    const UniqueFd folder(::open(slash > 0 ? path.left(slash).constData() : "/", kUpFlags));
    const auto folderId = folder ? FileIdentity::ofFd(folder.get()) : std::nullopt;
    if (!folderId)
        return;
    m_known.push_back({folderId->dev, folderId->ino, place, Relation::Holds});
    addHolders(place, folder.get());
}

bool RefusedPlaces::counts(qsizetype place, const QStringList &exceptKeys) const
{
    const QString &key = m_places.at(place).key;
    return key.isEmpty() || !exceptKeys.contains(key);
}

std::optional<RefusedPlaces::Match> RefusedPlaces::matchIdentity(const FileIdentity &id,
                                                                 const QStringList &exceptKeys) const
{
    for (const Known &known : m_known)
        if (known.dev == id.dev && known.ino == id.ino && counts(known.place, exceptKeys))
            return Match{m_places.at(known.place), known.relation};
    return std::nullopt;
}

std::optional<RefusedPlaces::Match> RefusedPlaces::matchEntry(int folderFd, const char *name,
                                                              const QStringList &exceptKeys) const
{
    if (const auto id = FileIdentity::of(folderFd, name))
        if (auto match = matchIdentity(*id, exceptKeys))
            return match;
    return walkUp(folderFd, true, exceptKeys);
}

std::optional<RefusedPlaces::Match> RefusedPlaces::matchFolder(int folderFd, const QStringList &exceptKeys) const
{
    const auto id = FileIdentity::ofFd(folderFd);
    if (!id)
        return Match{{}, Relation::Unchecked};
    if (auto match = matchIdentity(*id, exceptKeys))
        return match;
    return walkUp(folderFd, false, exceptKeys);
}

// Up from folderFd (itself included when includeFolder) to the top: a folder
// that is a place nothing may lie in, or a mount left on the way whose root
// lies in one.
std::optional<RefusedPlaces::Match> RefusedPlaces::walkUp(int folderFd, bool includeFolder,
                                                          const QStringList &exceptKeys) const
{
    UniqueFd current(::openat(folderFd, ".", kUpFlags));
    auto id = current ? FileIdentity::ofFd(current.get()) : std::nullopt;
    for (int depth = 0; id && depth < kMaxDepth; ++depth) {
        if (depth > 0 || includeFolder)
            for (const Container &container : m_containers)
                if (container.id.sameFile(*id) && counts(container.place, exceptKeys))
                    return Match{m_places.at(container.place), Relation::LiesInside};
        UniqueFd up(::openat(current.get(), "..", kUpFlags));
        const auto upId = up ? FileIdentity::ofFd(up.get()) : std::nullopt;
        if (!upId)
            break;
        if (upId->sameFile(*id) && upId->sameMount(*id))
            return std::nullopt;  // the top
        if (!upId->sameMount(*id))
            if (auto match = matchMountRoot(*id, exceptKeys))
                return match;
        current = std::move(up);
        id = upId;
    }
    return Match{{}, Relation::Unchecked};
}

// folder is the root of its mount: when that root is a folder deep inside
// its file system, the places of that file system holding it count.
std::optional<RefusedPlaces::Match> RefusedPlaces::matchMountRoot(const FileIdentity &folder,
                                                                  const QStringList &exceptKeys) const
{
    const auto mount = folder.hasMountId ? mountRoot(folder.mountId) : std::nullopt;
    if (!mount || mount->root == QLatin1String("/"))
        return std::nullopt;
    for (const Container &container : m_containers)
        if (!container.device.isEmpty() && container.device == mount->device
            && isPathInside(mount->root, container.inFileSystem) && counts(container.place, exceptKeys))
            return Match{m_places.at(container.place), Relation::LiesInside};
    return std::nullopt;
}

std::optional<RefusedPlaces::MountRoot> RefusedPlaces::mountRoot(quint64 mountId) const
{
    const auto find = [this, mountId]() -> std::optional<MountRoot> {
        for (const auto &[id, mount] : std::as_const(m_mounts))
            if (id == mountId)
                return mount;
        return std::nullopt;
    };
    if (std::optional<MountRoot> known = find())
        return known;
    // Not known yet: the table is read when first needed, and again for a mount made since.
    QFile table(QStringLiteral("/proc/thread-self/mountinfo"));
    if (!table.open(QIODevice::ReadOnly))
        return std::nullopt;
    m_mounts.clear();
    // "36 35 98:0 /mnt1 /mnt2 rw,noatime ...": id, parent, device, root, mount point.
    for (const QByteArray &line : table.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() > 4)
            m_mounts.append({fields[0].toULongLong(), MountRoot{QString::fromLatin1(fields[2]),
                                                                unescapeMountField(fields[3]),
                                                                unescapeMountField(fields[4])}});
    }
    return find();
}

QString RefusedPlaces::reason(const Match &match)
{
    const QString &path = match.place.path;
    switch (match.relation) {
    case Relation::Unchecked:
        return Text::tr("where it lies could not be checked");
    case Relation::Holds:
        if (match.place.kind == Kind::Kept)
            return Text::tr("it holds %1, which is on your Never touch list").arg(path);
        return match.place.kind == Kind::Home ? Text::tr("it is the home folder or holds it (%1)").arg(path)
                                              : Text::tr("it holds the root folder %1").arg(path);
    case Relation::Is:
    case Relation::LiesInside:
        break;
    }
    switch (match.place.kind) {
    case Kind::Root:
        return Text::tr("it is the root folder");
    case Kind::Home:
        return Text::tr("it is the home folder or holds it (%1)").arg(path);
    case Kind::Protected:
        return match.relation == Relation::Is ? Text::tr("it is a protected system folder")
                                              : Text::tr("it lies in the protected system folder %1").arg(path);
    case Kind::UserFolder:
        break;
    case Kind::Kept:
        return match.relation == Relation::Is ? Text::tr("it is on your Never touch list")
                                              : Text::tr("it lies in %1, which is on your Never touch list").arg(path);
    }
    return Text::tr("it is or lies in your folder %1").arg(path);
}

}  // namespace sw
