// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dups/DupSavedResult.h"

#include "core/dups/ContentComparer.h"
#include "core/dups/DupResultJson.h"
#include "core/finder/FinderFilter.h"
#include "core/foundation/JobControl.h"
#include "core/foundation/KeepList.h"
#include "core/foundation/ORUtility.h"
#include "core/fs/ProtectedPaths.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <sys/stat.h>

#include <climits>
#include <cstdlib>

namespace sw {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(DupSavedResult)
};

struct Checked
{
    ORDupDataItem item;
    ContentComparer::File file;
};

// The path as the system resolves it, or empty.
QByteArray realPath(const QByteArray &path)
{
    char resolved[PATH_MAX];
    return ::realpath(path.constData(), resolved) ? QByteArray(resolved) : QByteArray();
}

// Why item may not stay in its set, or empty; st is what it is now.
QString refusal(const ORDupDataItem &item, const QByteArray &native, const struct stat &st,
                ProtectedPaths::Cache &protectedPaths, const KeepList &keep)
{
    if (!S_ISREG(st.st_mode))
        return Text::tr("%1: no longer a regular file").arg(item.itemPath);
    if (qint64(st.st_size) != item.itemSize)
        return Text::tr("%1: its size changed").arg(item.itemPath);
    if (modTimeMs(st) / 1000 != item.itemModTime / 1000)
        return Text::tr("%1: it was modified").arg(item.itemPath);
    if (realPath(native) != native)
        return Text::tr("%1: reached through a symbolic link").arg(item.itemPath);
    if (protectedPaths.isProtected(item.itemPath) || !ORUtility::isDeletableFileWithCurrentPermission(item.itemPath))
        return Text::tr("%1: not yours to move").arg(item.itemPath);
    // What the user added to the Never touch list since the result was saved.
    if (const QString kept = keep.refusal(item.itemPath); !kept.isEmpty())
        return item.itemPath + QStringLiteral(": ") + kept;
    return {};
}

void addGroup(ORDupData &data, QList<ORDupDataItem> items)
{
    ORDupDataGroup group;
    group.groupItems = std::move(items);
    for (const ORDupDataItem &item : std::as_const(group.groupItems))
        group.groupSize += item.itemSize;
    const ORDupDataItem &first = group.groupItems.constFirst();
    group.groupPath = first.itemPath;
    group.groupName = first.itemName;
    group.groupType = FinderFilter::extensionOf(first.itemName);
    data.dupTotalSize += group.groupSize;
    data.dupGroups.append(std::move(group));
}

}  // namespace

DupSavedResult::Opened DupSavedResult::open(const QString &file, const JobControl *job)
{
    Opened opened;
    QFile in(file);
    const QFileInfo info(file);
    if (!info.isFile() || !in.open(QIODevice::ReadOnly)) {
        opened.error = Text::tr("“%1” cannot be read.").arg(file);
        return opened;
    }
    if (in.size() > DupResultJson::kMaxBytes) {
        opened.error = DupResultJson::tooLarge();
        return opened;
    }
    const auto read = DupResultJson::read(in.read(DupResultJson::kMaxBytes + 1), &opened.error);
    if (!read)
        return opened;
    opened.notes = read->skipped;
    opened.data = check(read->data, opened.notes, job);
    return opened;
}

std::shared_ptr<ORDupData> DupSavedResult::check(const ORDupData &listed, QStringList &notes, const JobControl *job)
{
    auto data = std::make_shared<ORDupData>();
    ProtectedPaths::Cache protectedPaths;
    const KeepList keep = KeepList::current();
    QSet<QPair<quint64, quint64>> seen;  // device and inode of every copy kept so far
    for (const ORDupDataGroup &group : listed.dupGroups) {
        if (job && job->isCancelled())
            return nullptr;
        std::vector<Checked> copies;
        for (const ORDupDataItem &item : group.groupItems) {
            const QByteArray native = QFile::encodeName(item.itemPath);
            struct stat st;
            QString why;
            if (::lstat(native.constData(), &st) != 0)
                why = Text::tr("%1: no longer there").arg(item.itemPath);
            else if (item.itemSize <= 0 || (!copies.empty() && item.itemSize != copies.front().item.itemSize))
                why = Text::tr("%1: not the size of its set").arg(item.itemPath);
            else
                why = refusal(item, native, st, protectedPaths, keep);
            if (!why.isEmpty()) {
                notes.append(why);
                continue;
            }
            if (!seen.contains({quint64(st.st_dev), quint64(st.st_ino)})) {
                seen.insert({quint64(st.st_dev), quint64(st.st_ino)});
                copies.push_back({item, {native, quint64(st.st_dev), quint64(st.st_ino)}});
            }
        }
        if (copies.size() < 2)
            continue;
        std::vector<ContentComparer::File> files;
        for (const Checked &copy : copies)
            files.push_back(copy.file);
        std::vector<bool> inClass(copies.size(), false);
        for (const std::vector<int> &same : ContentComparer::split(files, copies.front().item.itemSize, job)) {
            QList<ORDupDataItem> items;
            for (const int i : same) {
                items.append(copies.at(size_t(i)).item);
                inClass[size_t(i)] = true;
            }
            addGroup(*data, std::move(items));
        }
        for (size_t i = 0; i < copies.size(); ++i)
            if (!inClass[i])
                notes.append(Text::tr("%1: its contents differ from the other copies").arg(copies[i].item.itemPath));
    }
    return job && job->isCancelled() ? nullptr : data;
}

}  // namespace sw
