// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A picture of a file tree taken without following links: every entry's
// type, size and (for files) a digest of its contents. Two pictures tell
// what disappeared or changed, so a removal test can prove that only the
// listed items went and that the bytes it reported are the bytes that went.

#include <QByteArray>
#include <QCryptographicHash>
#include <QFile>
#include <QHash>
#include <QString>
#include <QStringList>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace swtest {

class TreeSnapshot
{
public:
    struct Entry
    {
        mode_t type = 0;
        qint64 size = 0;
        QByteArray digest;  // files: their contents; links: their target
        bool operator==(const Entry &) const = default;
    };

    // Walks below root by path; a folder that cannot be read counts as itself.
    static TreeSnapshot of(const QString &root)
    {
        TreeSnapshot snapshot;
        snapshot.add(QFile::encodeName(root));
        return snapshot;
    }

    const QHash<QByteArray, Entry> &entries() const { return m_entries; }

    // Paths present here and not in after, sorted.
    QStringList vanished(const TreeSnapshot &after) const
    {
        QStringList out;
        for (auto it = m_entries.cbegin(); it != m_entries.cend(); ++it)
            if (!after.m_entries.contains(it.key()))
                out.append(QFile::decodeName(it.key()));
        out.sort();
        return out;
    }

    // Paths present in both whose type, size or contents differ, sorted.
    QStringList changed(const TreeSnapshot &after) const
    {
        QStringList out;
        for (auto it = m_entries.cbegin(); it != m_entries.cend(); ++it)
            if (const auto other = after.m_entries.constFind(it.key());
                other != after.m_entries.cend() && !(*other == *it) && !S_ISDIR(it->type))
                out.append(QFile::decodeName(it.key()));
        out.sort();
        return out;
    }

    // The bytes that went: st_size of every vanished entry except the
    // folders named in wholeItems (an item's own folder entry is not part
    // of what it counts for, as with every folder size).
    qint64 bytesGone(const TreeSnapshot &after, const QStringList &wholeItems = {}) const
    {
        qint64 sum = 0;
        for (const QString &path : vanished(after)) {
            const Entry &entry = m_entries.value(QFile::encodeName(path));
            const bool special = S_ISCHR(entry.type) || S_ISBLK(entry.type) || S_ISFIFO(entry.type)
                                 || S_ISSOCK(entry.type);
            if (!special && !(S_ISDIR(entry.type) && wholeItems.contains(path)))
                sum += entry.size;
        }
        return sum;
    }

    // True when path is one of items or lies inside one.
    static bool isUnder(const QString &path, const QStringList &items)
    {
        for (const QString &item : items)
            if (path == item || path.startsWith(item + QLatin1Char('/')))
                return true;
        return false;
    }

private:
    void add(const QByteArray &path)
    {
        struct stat st;
        if (::lstat(path.constData(), &st) != 0)
            return;
        Entry entry{st.st_mode & S_IFMT, qint64(st.st_size), {}};
        if (S_ISREG(st.st_mode))
            entry.digest = digestOf(path);
        if (S_ISLNK(st.st_mode)) {
            char target[4096];
            const ssize_t n = ::readlink(path.constData(), target, sizeof target);
            entry.digest = QByteArray(target, n > 0 ? int(n) : 0);
        }
        m_entries.insert(path, entry);
        if (!S_ISDIR(st.st_mode))
            return;
        DIR *dir = ::opendir(path.constData());
        if (!dir)
            return;
        QList<QByteArray> names;
        while (const dirent *e = ::readdir(dir))
            if (qstrcmp(e->d_name, ".") != 0 && qstrcmp(e->d_name, "..") != 0)
                names.append(QByteArray(e->d_name));
        ::closedir(dir);
        for (const QByteArray &name : names)
            add(path + '/' + name);
    }

    static QByteArray digestOf(const QByteArray &path)
    {
        const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            return "unreadable";
        QCryptographicHash hash(QCryptographicHash::Sha1);
        char buffer[65536];
        for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;)
            hash.addData(QByteArrayView(buffer, n));
        ::close(fd);
        return hash.result();
    }

    QHash<QByteArray, Entry> m_entries;
};

}  // namespace swtest
