// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Helpers for tests of the large-file and duplicate finders and the Trash:
// sparse files of any size (ftruncate: no blocks written), files of chosen
// bytes, hard links, modification times, and a capture of the progress
// notifications that a scan queued for the main thread.

#include "support/FixtureTree.h"

#include "core/foundation/MainQueue.h"
#include "core/foundation/ORNotificationCenter.h"
#include "core/platform/ORLayout.h"

#include <gtest/gtest.h>

#include <QHash>
#include <QObject>
#include <QVariant>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

namespace swtest {

// A file of size bytes that takes no room on disk; parents are created.
inline QString sparseFile(const FixtureTree &tree, const QString &rel, qint64 size)
{
    const QString p = tree.path(rel);
    QDir().mkpath(QFileInfo(p).path());
    const int fd = ::open(QFile::encodeName(p).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return QString();
    const bool ok = ::ftruncate(fd, off_t(size)) == 0;
    ::close(fd);
    return ok ? p : QString();
}

// Bytes that differ from seed to seed everywhere (no two 4 KiB samples of
// different seeds agree).
inline QByteArray pattern(quint32 seed, qint64 size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    quint32 x = seed * 2654435761u + 12345u;
    for (qint64 i = 0; i < size; ++i) {
        x = x * 1103515245u + 12345u;
        bytes[i] = char(x >> 24);
    }
    return bytes;
}

// A copy of bytes with one byte changed at offset.
inline QByteArray changedAt(QByteArray bytes, qint64 offset)
{
    bytes[offset] = char(bytes[offset] ^ 0x5a);
    return bytes;
}

inline QString hardLink(const FixtureTree &tree, const QString &existing, const QString &rel)
{
    const QString p = tree.path(rel);
    QDir().mkpath(QFileInfo(p).path());
    return ::link(QFile::encodeName(existing).constData(), QFile::encodeName(p).constData()) == 0 ? p : QString();
}

inline bool setModificationTime(const QString &path, qint64 secondsSince1970)
{
    const timeval times[2] = {{time_t(secondsSince1970), 0}, {time_t(secondsSince1970), 0}};
    return ::lutimes(QFile::encodeName(path).constData(), times) == 0;
}

// Every value of the named notifications that reaches the main thread, in
// order. deliver() hands over what the scan queued (call it on the thread
// that owns the application, which these tests run on).
class NotificationLog : public QObject
{
public:
    explicit NotificationLog(const QStringList &names)
    {
        for (const QString &name : names)
            ORNotificationCenter::defaultCenter().addObserver(this, name, [this, name](const QVariant &object) {
                m_values[name].append(object);
            });
    }
    void deliver() { sw::MainQueue::instance().flush(); }
    QVariantList values(const QString &name) const { return m_values.value(name); }
    QVariant last(const QString &name) const { return m_values.value(name).value(m_values.value(name).size() - 1); }

private:
    QHash<QString, QVariantList> m_values;
};

// A fixture for a finder's engine: a home (freedesktop layout) and a folder
// to scan in a temporary tree; the engine starts over before and after.
template <class Engine>
class FinderFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ensureCoreApplication();
        ASSERT_TRUE(tree.isValid());
        home = tree.folder(QStringLiteral("home"));
        scanned = tree.folder(QStringLiteral("scan"));
        ORLayout::set(ORLayout::Kind::Freedesktop, tree.folder(QStringLiteral("root")), home);
        engine().startOver();
    }
    void TearDown() override
    {
        engine().startOver();
        ORLayout::reset();
    }

    static Engine &engine() { return Engine::shareInstance(); }

    // Starts over with the folders (default: the scanned one) and the pages' exclusions.
    void prepare(const QStringList &folders)
    {
        engine().startOver();
        engine().setFolders(folders.isEmpty() ? QStringList{scanned} : folders);
        engine().setExcludeFolders(Engine::defaultExcludeFolders());
        engine().setExcludeFiles(Engine::defaultExcludeFiles());
    }

    // The sets of a duplicate result as lists of paths relative to the scanned folder.
    template <class Data>
    QList<QStringList> groups(const Data &data) const
    {
        QList<QStringList> out;
        for (const auto &group : data.dupGroups) {
            QStringList paths;
            for (const auto &item : group.groupItems)
                paths << item.itemPath.mid(scanned.size() + 1);
            out << paths;
        }
        return out;
    }

    FixtureTree tree;
    QString home;
    QString scanned;
};

}  // namespace swtest
