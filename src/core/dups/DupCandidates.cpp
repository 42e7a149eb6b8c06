#include "DupCandidates.h"

#include <QFile>

#include <cstring>

namespace sw {

void DupCandidates::add(const QByteArray &folder, quint32 folderSerial, const char *name, qint64 size,
                        quint64 device, quint64 inode, bool package, bool deletable, qint64 modTime)
{
    if (!m_haveSerial || folderSerial != m_lastSerial || m_folders.empty()) {
        m_folders.push_back(folder);
        m_lastSerial = folderSerial;
        m_haveSerial = true;
    }
    const size_t length = std::strlen(name);
    m_items.push_back(Candidate{size, device, inode, quint32(m_folders.size() - 1), quint32(m_names.size()),
                                quint32(length), package, deletable, modTime});
    m_names.append(name, length);
}

void DupCandidates::add(const QString &path, qint64 size, quint64 device, quint64 inode, bool package,
                        bool deletable, qint64 modTime)
{
    const QByteArray native = QFile::encodeName(path);
    const qsizetype slash = native.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : native.left(slash);
    m_haveSerial = false;  // a folder of its own, never shared with the walk's
    add(folder, 0, native.mid(slash + 1).constData(), size, device, inode, package, deletable, modTime);
    m_haveSerial = false;
}

QByteArray DupCandidates::nativePath(qsizetype index) const
{
    const Candidate &c = at(index);
    return m_folders[c.folder] + '/' + QByteArray(m_names.data() + c.nameOffset, qsizetype(c.nameLength));
}

QString DupCandidates::path(qsizetype index) const
{
    return QFile::decodeName(nativePath(index));
}

}  // namespace sw
