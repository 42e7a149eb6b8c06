// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/fs/FileIdentity.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace sw {

namespace {

std::optional<FileIdentity> identify(int dirFd, const char *name, int flags)
{
    struct statx sx;
    constexpr unsigned kMask = STATX_TYPE | STATX_MODE | STATX_UID | STATX_INO | STATX_SIZE | STATX_MNT_ID | STATX_MTIME;
    if (::statx(dirFd, name, flags | AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT, kMask, &sx) != 0)
        return std::nullopt;
    FileIdentity id;
    id.dev = makedev(sx.stx_dev_major, sx.stx_dev_minor);
    id.ino = sx.stx_ino;
    id.hasMountId = (sx.stx_mask & STATX_MNT_ID) != 0;
    id.mountId = id.hasMountId ? sx.stx_mnt_id : 0;
    id.mode = sx.stx_mode;
    id.uid = sx.stx_uid;
    id.size = qint64(sx.stx_size);
    id.mtime = qint64(sx.stx_mtime.tv_sec);
    return id;
}

}  // namespace

std::optional<FileIdentity> FileIdentity::of(int folderFd, const char *name)
{
    return identify(folderFd, name, 0);
}

std::optional<FileIdentity> FileIdentity::ofFd(int fd)
{
    return identify(fd, "", AT_EMPTY_PATH);
}

bool FileIdentity::isFolder() const
{
    return S_ISDIR(mode);
}

bool FileIdentity::isLink() const
{
    return S_ISLNK(mode);
}

bool FileIdentity::isSpecial() const
{
    return S_ISCHR(mode) || S_ISBLK(mode) || S_ISFIFO(mode) || S_ISSOCK(mode);
}

bool FileIdentity::sameMount(const FileIdentity &other) const
{
    if (dev != other.dev)
        return false;
    return !(hasMountId && other.hasMountId) || mountId == other.mountId;
}

}  // namespace sw
