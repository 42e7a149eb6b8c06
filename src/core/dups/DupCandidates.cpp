// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dups/DupCandidates.h"

#include <QFile>

#include <algorithm>
#include <cstring>
#include <limits>

namespace sw {

void DupCandidates::add(const QByteArray &folder, quint32 folderSerial, const char *name, qint64 size,
                        quint64 device, quint64 inode, bool package, bool deletable)
{
    if (!m_haveSerial || folderSerial != m_lastSerial || m_folders.empty()) {
        m_folders.push_back(folder);
        m_lastSerial = folderSerial;
        m_haveSerial = true;
    }
    const size_t length = std::min<size_t>(std::strlen(name), std::numeric_limits<quint16>::max());
    // Files of one walk are on very few devices, almost always the last one seen.
    auto known = std::find(m_devices.rbegin(), m_devices.rend(), device);
    if (known == m_devices.rend()) {
        m_devices.push_back(device);
        known = m_devices.rbegin();
    }
    Q_ASSERT(m_devices.size() <= std::numeric_limits<quint16>::max() + 1u);
    m_items.push_back(Candidate{size, inode, quint32(m_folders.size() - 1), quint32(m_names.size()),
                                quint16(length), quint16(m_devices.rend() - known - 1), package, deletable});
    m_names.append(name, length);
}

void DupCandidates::squeeze()
{
    m_names.shrink_to_fit();
    m_folders.shrink_to_fit();
}

void DupCandidates::add(const QString &path, qint64 size, quint64 device, quint64 inode, bool package,
                        bool deletable)
{
    const QByteArray native = QFile::encodeName(path);
    const qsizetype slash = native.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : native.left(slash);
    m_haveSerial = false;  // a folder of its own, never shared with the walk's
    add(folder, 0, native.mid(slash + 1).constData(), size, device, inode, package, deletable);
    m_haveSerial = false;
}

bool DupCandidates::foundBefore(quint32 a, quint32 b) const
{
    const auto rootOf = [this](quint32 index) {
        return std::upper_bound(m_rootStarts.cbegin(), m_rootStarts.cend(), index) - m_rootStarts.cbegin();
    };
    if (const auto ra = rootOf(a), rb = rootOf(b); ra != rb)
        return ra < rb;
    // FolderWalker::walksBefore on folder + '/' + name, without joining them.
    struct Joined
    {
        QByteArrayView folder;
        QByteArrayView name;
        qsizetype size() const { return folder.size() + 1 + name.size(); }
        int weight(qsizetype i) const
        {
            const char c = i < folder.size() ? folder[i] : i == folder.size() ? '/' : name[i - folder.size() - 1];
            return c == '/' ? 0 : int(static_cast<unsigned char>(c));
        }
    };
    const auto joined = [this](quint32 index) {
        const Candidate &c = at(index);
        return Joined{m_folders[c.folder], QByteArrayView(m_names.data() + c.nameOffset, qsizetype(c.nameLength))};
    };
    const Joined ja = joined(a);
    const Joined jb = joined(b);
    const qsizetype n = std::min(ja.size(), jb.size());
    for (qsizetype i = 0; i < n; ++i)
        if (const int wa = ja.weight(i), wb = jb.weight(i); wa != wb)
            return wa < wb;
    return ja.size() < jb.size();
}

QByteArray DupCandidates::nativePath(qsizetype index) const
{
    const Candidate &c = at(index);
    const QByteArray &folder = m_folders[c.folder];
    QByteArray path;
    path.reserve(folder.size() + 1 + c.nameLength);
    path.append(folder).append('/').append(m_names.data() + c.nameOffset, qsizetype(c.nameLength));
    return path;
}

QString DupCandidates::path(qsizetype index) const
{
    return QFile::decodeName(nativePath(index));
}

void CandidateSets::reserve(size_t sets, size_t members)
{
    m_starts.reserve(sets);
    m_members.reserve(members);
}

void CandidateSets::add(std::span<const quint32> set)
{
    m_starts.push_back(m_members.size());
    m_members.insert(m_members.end(), set.begin(), set.end());
}

std::span<const quint32> CandidateSets::operator[](size_t i) const
{
    const size_t end = i + 1 < m_starts.size() ? m_starts[i + 1] : m_members.size();
    return std::span<const quint32>(m_members).subspan(m_starts[i], end - m_starts[i]);
}

CandidateSet CandidateSets::at(size_t i) const
{
    const std::span<const quint32> set = (*this)[i];
    return CandidateSet(set.begin(), set.end());
}

}  // namespace sw
