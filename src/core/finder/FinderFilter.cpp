// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/finder/FinderFilter.h"

#include "core/foundation/JobControl.h"
#include "core/foundation/ORUtility.h"
#include "core/foundation/PackageSignature.h"
#include "core/foundation/TitlePoster.h"

#include <QFile>
#include <QLoggingCategory>

#include <algorithm>
#include <cstring>

namespace sw {

namespace {

// The extension of a native name, or nullptr (see extensionOf()).
const char *extensionStart(const char *name)
{
    const char *dot = std::strrchr(name, '.');
    return (dot && dot != name && dot[1] != '\0') ? dot + 1 : nullptr;
}

}  // namespace

QByteArray FinderEntry::nativePath() const
{
    return folder + '/' + name;
}

QString FinderEntry::path() const
{
    return QFile::decodeName(nativePath());
}

qint64 FinderEntry::sizeOfFile(LogCategory category) const
{
    if (deletable)
        return st.st_size;
    qCInfo(category).noquote() << QStringLiteral("%1 without delete permission.").arg(path());
    return 0;
}

FinderFilter::FinderFilter(const QStringList &excludeFolders, const QStringList &excludeFiles, JobControl &job,
                           TitlePoster *title, int workers)
    : m_excludeFolders(excludeFolders)
    , m_keep(KeepList::current())
    , m_job(job)
    , m_title(title)
    , m_walker(FolderWalker::Order::AsRead, workers)
    , m_tallies(size_t(m_walker.workers()))
{
    for (const QString &extension : excludeFiles) {
        const QString lower = extension.toLower();
        bool ascii = true;
        for (const QChar c : lower)
            ascii = ascii && c.unicode() < 0x80;
        if (ascii)
            m_asciiExtensions.push_back(lower.toStdString());
        else
            m_otherExtensions.append(lower);
    }
    std::sort(m_asciiExtensions.begin(), m_asciiExtensions.end());
}

QString FinderFilter::extensionOf(const QString &name)
{
    const QString last = name.section(QLatin1Char('/'), -1);
    const qsizetype dot = last.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? last.mid(dot + 1) : QString();
}

bool FinderFilter::isExcludedExtension(const char *name) const
{
    const char *extension = extensionStart(name);
    if (!extension)
        return false;
    std::string lower(extension);
    bool ascii = true;
    for (char &c : lower) {
        ascii = ascii && static_cast<unsigned char>(c) < 0x80;
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    }
    if (ascii)
        return std::binary_search(m_asciiExtensions.begin(), m_asciiExtensions.end(), lower);
    // Case folding outside ASCII can land on an ASCII letter (KELVIN SIGN -> k).
    const QString folded = QFile::decodeName(extension).toLower();
    return m_otherExtensions.contains(folded)
           || std::binary_search(m_asciiExtensions.begin(), m_asciiExtensions.end(), folded.toStdString());
}

FolderWalker::Step FinderFilter::filter(const FolderWalker::Entry &entry, const Visitor &visit)
{
    using Step = FolderWalker::Step;
    if (m_job.isCancelled())
        return Step::Stop;
    if (entry.depth == 1 && std::strcmp(entry.name, ".DS_Store") == 0)
        return Step::Next;
    if (m_keep.judgeEntry(entry.folder, entry.name, entry.st) == KeepList::Verdict::Kept)
        return Step::Skip;
    const bool excludedExtension = isExcludedExtension(entry.name);
    if (!entry.isFolder()) {
        if (excludedExtension)
            return Step::Next;
        count(entry);
        visit(FinderEntry{entry.folder, entry.name, entry.folderSerial, entry.st, false, entry.deletable()});
        return Step::Next;
    }
    const QString path = entry.path();
    if (!excludedExtension && extensionStart(entry.name) && PackageSignature::isPackage(path)) {
        if (!m_keep.refusal(path).isEmpty())  // a package goes whole
            return Step::Skip;
        count(entry);
        visit(FinderEntry{entry.folder, entry.name, entry.folderSerial, entry.st, true, entry.deletable()});
        return Step::Skip;
    }
    return ORUtility::isExcludedFolder(m_excludeFolders, path) ? Step::Skip : Step::Next;
}

// Counts an entry handed over and offers its path to the title.
void FinderFilter::count(const FolderWalker::Entry &entry)
{
    // The caller's thread counts and offers every entry, so a walk that stays
    // on it ends on its last path. The others touch little that is shared:
    // their counts go to the job in steps, and they offer one path in
    // kSample. One thread offers at a time.
    constexpr qint64 kStep = 64;
    constexpr qint64 kSample = 8;
    const bool caller = entry.worker == 0;
    Tally &tally = m_tallies[size_t(entry.worker)];
    ++tally.items;
    if (m_title && (caller || tally.items % kSample == 0) && !m_titleBusy.test_and_set(std::memory_order_acquire)) {
        m_title->offer(entry.folder, entry.name);
        m_titleBusy.clear(std::memory_order_release);
    }
    if (caller || tally.items == kStep) {
        m_job.addItems(tally.items);
        tally.items = 0;
    }
}

bool FinderFilter::walk(const QString &root, const Visitor &visit)
{
    QString clean = root;
    while (clean.size() > 1 && clean.endsWith(QLatin1Char('/')))
        clean.chop(1);
    if (clean.isEmpty() || ORUtility::isExcludedFolder(m_excludeFolders, clean) || m_keep.keepsWalkRoot(clean))
        return !m_job.isCancelled();
    m_walker.walk(clean, [this, &visit](const FolderWalker::Entry &entry) { return filter(entry, visit); });
    for (Tally &tally : m_tallies) {  // what the other threads have not added yet
        m_job.addItems(tally.items);
        tally.items = 0;
    }
    return !m_job.isCancelled();
}

}  // namespace sw
