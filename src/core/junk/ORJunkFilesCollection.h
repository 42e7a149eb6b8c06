#pragma once

#include "ORJunkCategory.h"
#include "ORJunkData.h"
#include "PublishedResult.h"

#include <QMutex>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>

// The junk cleaner's engine, one per process.
//
// A scan visits the enabled categories in their fixed order. Each category
// proposes candidate paths (listing a few folders: cheap); every candidate is
// then measured once (a folder walk with lstat: the expensive part) and kept
// when it has a size and, where the category asks for it, the user may delete
// it. Progress goes out as "junktitle" (the candidate) and "junksize" (the
// running total), coalesced on their way to the main thread.
//
// Removal takes the marked, visible items of the groups whose flag is not 0:
// Trash and Downloads items go whole, the other categories' folders are
// emptied entry by entry and keep existing. Nothing is followed through a
// symbolic link, protected system folders are never touched, and a path is
// checked again just before it is removed. There is no cancellation.
class ORJunkFilesCollection
{
public:
    using SwitchReader = std::function<bool(const QString &key)>;

    static ORJunkFilesCollection &shareInstance();

    // The published result; runs the scan on the calling thread when none is held.
    std::shared_ptr<ORJunkData> junkData();
    std::shared_ptr<ORJunkData> tempJunkData() const;
    bool scanJunkDataFlag() const { return true; }
    std::shared_ptr<ORJunkData> startScan();
    void startOver();

    void deleteJunks();
    qint64 delSize() const { return m_delSize.load(); }
    QList<ORJunkDataGroup> junkDataDel() const;

    // Turns a candidate into an item of group; false when it was not accepted.
    bool addElementToGroup(ORJunkDataGroup &group, const QString &path, bool withDelRight);

    ORJunkDataGroup getAppJunks();
    ORJunkDataGroup getLeftOver();
    ORJunkDataGroup getSysCache();
    ORJunkDataGroup getSysLog();
    ORJunkDataGroup getMailJunk();
    ORJunkDataGroup getItuneJunk();
    ORJunkDataGroup getIOSBackups();
    ORJunkDataGroup getIOSUpdates();
    ORJunkDataGroup getTrashJunk();
    ORJunkDataGroup getDownloadJunk();
    ORJunkDataGroup getXcodeJunk();
    ORJunkDataGroup getBrowserJunk();

    // Where the category switches are read; the settings store by default.
    void setSwitchReader(SwitchReader reader);

    // The size an item or entry frees when removed: a link counts as itself,
    // a folder as everything below it, anything else as its file size.
    static qint64 measure(const QString &path);

private:
    ORJunkFilesCollection();
    ORJunkDataGroup makeGroup(qint64 groupID);
    ORJunkDataGroup scanCategory(qint64 groupID);
    void removeItem(const ORJunkDataGroup &group, const ORjunkDataItem &item, const QStringList &keep,
                    ORJunkDataGroup &record);
    bool removePath(const QString &path, const QString &trashInfo, qint64 size, ORJunkDataGroup &record);
    QStringList keepFolders() const;

    mutable QMutex m_mutex;  // guards m_junkDataDel
    sw::PublishedResult<ORJunkData> m_result;
    QList<ORJunkDataGroup> m_junkDataDel;
    std::atomic<qint64> m_delSize{0};
    qint64 m_foundTotal = 0;
    SwitchReader m_switchReader;
};
