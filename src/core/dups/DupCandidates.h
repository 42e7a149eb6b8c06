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

    qsizetype count() const { return qsizetype(m_items.size()); }
    const Candidate &at(qsizetype index) const { return m_items[size_t(index)]; }
    QByteArray nativePath(qsizetype index) const;
    QString path(qsizetype index) const;

private:
    std::vector<Candidate> m_items;
    std::vector<QByteArray> m_folders;
    std::string m_names;
    quint32 m_lastSerial = 0;
    bool m_haveSerial = false;
};

// Candidates that may be duplicates of each other, as indices in walk order.
using CandidateSet = std::vector<quint32>;

}  // namespace sw
