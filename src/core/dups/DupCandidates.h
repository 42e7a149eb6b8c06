#pragma once

#include <QByteArray>
#include <QString>

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
        quint64 device;
        quint64 inode;
        quint32 folder;
        quint32 nameOffset;
        quint32 nameLength;
        bool package;
        bool deletable;  // the walk found that the user may remove it
        qint64 modTime;  // ms since the epoch, from the walk's stat
    };

    // From the walk: folderSerial changes whenever folder does.
    void add(const QByteArray &folder, quint32 folderSerial, const char *name, qint64 size, quint64 device,
             quint64 inode, bool package, bool deletable = true, qint64 modTime = 0);
    void add(const QString &path, qint64 size, quint64 device, quint64 inode, bool package, bool deletable = true,
             qint64 modTime = 0);

    // Marks the start of the next root's candidates: the walk lists a root's
    // entries unsorted, so the order found is told from the root walked and
    // the path within it.
    void beginRoot() { m_rootStarts.push_back(quint32(m_items.size())); }
    // True when a sorted walk of the roots finds a before b.
    bool foundBefore(quint32 a, quint32 b) const;

    qsizetype count() const { return qsizetype(m_items.size()); }
    const Candidate &at(qsizetype index) const { return m_items[size_t(index)]; }
    QByteArray nativePath(qsizetype index) const;
    QString path(qsizetype index) const;

private:
    std::vector<Candidate> m_items;
    std::vector<QByteArray> m_folders;
    std::string m_names;
    std::vector<quint32> m_rootStarts;  // the first index of each root, ascending
    quint32 m_lastSerial = 0;
    bool m_haveSerial = false;
};

// Candidates that may be duplicates of each other, as indices, in the order
// a sorted walk finds them (DupCandidates::foundBefore).
using CandidateSet = std::vector<quint32>;

}  // namespace sw
