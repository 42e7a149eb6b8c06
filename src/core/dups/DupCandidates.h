// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <deque>
#include <span>
#include <string>
#include <vector>

namespace sw {

// The files and packages a duplicate scan keeps after its walk, stored
// compactly: a scan of a large home keeps hundreds of thousands of them,
// and only the few that end in a group ever need a QString path. Each
// folder's path is stored once and each name once, in one buffer.
class DupCandidates
{
public:
    struct Candidate
    {
        qint64 size;
        quint64 inode;
        quint32 folder;
        quint32 nameOffset;
        quint16 nameLength;  // a name has at most 255 bytes
        quint16 device;      // an index into the devices seen
        bool package : 1;
        bool deletable : 1;  // the walk found that the user may remove it
    };
    // From the walk: folderSerial changes whenever folder does.
    void add(const QByteArray &folder, quint32 folderSerial, const char *name, qint64 size, quint64 device,
             quint64 inode, bool package, bool deletable = true);
    void add(const QString &path, qint64 size, quint64 device, quint64 inode, bool package, bool deletable = true);

    // Marks the start of the next root's candidates: the walk lists a root's
    // entries unsorted, so the order found is told from the root walked and
    // the path within it.
    void beginRoot() { m_rootStarts.push_back(quint32(m_items.size())); }
    // True when a sorted walk of the roots finds a before b.
    bool foundBefore(quint32 a, quint32 b) const;

    qsizetype count() const { return qsizetype(m_items.size()); }
    const Candidate &at(qsizetype index) const { return m_items[size_t(index)]; }
    quint64 device(qsizetype index) const { return m_devices[at(index).device]; }
    // Gives back what the walk's growth left unused.
    void squeeze();
    QByteArray nativePath(qsizetype index) const;
    QString path(qsizetype index) const;

private:
    // In blocks rather than one growing array: no copy of all of them, and
    // no spare half, at the moment the walk has found the most.
    std::deque<Candidate> m_items;
    std::vector<QByteArray> m_folders;
    std::string m_names;
    std::vector<quint64> m_devices;
    std::vector<quint32> m_rootStarts;  // the first index of each root, ascending
    quint32 m_lastSerial = 0;
    bool m_haveSerial = false;
};

// Candidates that may be duplicates of each other, as indices, in the order
// a sorted walk finds them (DupCandidates::foundBefore).
using CandidateSet = std::vector<quint32>;

// Many sets in one array, each a CandidateSet: a scan of a large tree has
// hundreds of thousands of sets of one size, too many for an allocation each.
class CandidateSets
{
public:
    void reserve(size_t sets, size_t members);
    void add(std::span<const quint32> set);
    size_t size() const { return m_starts.size(); }
    std::span<const quint32> operator[](size_t i) const;
    CandidateSet at(size_t i) const;

private:
    std::vector<quint32> m_members;
    std::vector<size_t> m_starts;
};

}  // namespace sw
