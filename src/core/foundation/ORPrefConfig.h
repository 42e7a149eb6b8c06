// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QVariant>
#include <QVariantMap>

#include <optional>

// The settings, one getter and one setter per key, stored with QSettings in
// $XDG_CONFIG_HOME/Sweepwright/Sweepwright.conf. Every setter syncs at once so
// a value survives an abrupt end of the process. Registered defaults answer
// only while no value is stored. Safe to read from worker threads.
//
// The file is used only while it is absent or a regular file: anything else
// under its name (a FIFO, a device, a folder) is neither read nor written,
// the defaults answer, a warning is logged once, and values set meanwhile
// last until the program ends.
class ORPrefConfig
{
public:
    // The switches and their values written at every start, in writing order,
    // for the layout in use.
    static QList<QPair<QString, QVariant>> startupValues();
    static QVariant startupValue(const QString &key);
    static QVariantMap archiveDefaults();

    static void registerDefaults(const QVariantMap &defaults);
    static QVariant objectForKey(const QString &key);  // stored value, else registered default
    static bool hasStoredValue(const QString &key);
    static bool boolForKey(const QString &key);        // absent reads NO
    static qint64 integerForKey(const QString &key);   // absent reads 0
    static QString stringForKey(const QString &key);
    static void setObject(const QString &key, const QVariant &value);
    // Stores each value whose key has none yet, and writes the file once.
    static void setMissingObjects(const QList<QPair<QString, QVariant>> &values);
    static void removeObject(const QString &key);
    // Points the store at another file (tests, or a portable setup).
    static void setStorePath(const QString &iniPath);
    static QString storePath();

    static bool autostartEnable();
    static void setAutostartEnable(bool on);
    static bool autoMemoryEnable();
    static void setAutoMemoryEnable(bool on);
    static qint64 memoryUsageEnable();
    static void setMemoryUsageEnable(qint64 percent);

    static bool appJunkEnable();
    static void setAppJunkEnable(bool on);
    static bool leftoverEnable();
    static void setLeftoverEnable(bool on);
    static bool sysCacheEnable();
    static void setSysCacheEnable(bool on);
    static bool sysLogEnable();
    static void setSysLogEnable(bool on);
    static bool mailEnable();
    static void setMailEnable(bool on);
    static bool iTuneJunkEnable();
    static void setiTuneJunkEnable(bool on);
    static bool iOSBackupEnable();
    static void setIOSBackupEnable(bool on);
    static bool iOSUpdateEnable();
    static void setIOSUpdateEnable(bool on);
    static bool trashEnable();
    static void setTrashEnable(bool on);
    static bool downloadsEnable();
    static void setDownloadsEnable(bool on);
    static bool xcodeEnable();
    static void setXcodeEnable(bool on);
    static bool browserEnable();
    static void setBrowserEnable(bool on);
    static bool languageEnable();
    static void setLanguageEnable(bool on);

    // The junk categories (group numbers) the scheduled cleaning takes;
    // nothing while the user has chosen none yet.
    static std::optional<QList<qint64>> scheduledCategories();
    static void setScheduledCategories(const QList<qint64> &groupIDs);
    // A junk category's age rule, by its switch key: whether it is on
    // ("olderThanOn/KEY", absent: off) and its days ("olderThanDays/KEY",
    // absent: the days offered).
    static bool junkAgeEnable(const QString &switchKey);
    static void setJunkAgeEnable(const QString &switchKey, bool on);
    static qint64 junkAgeDays(const QString &switchKey, qint64 offered);
    static void setJunkAgeDays(const QString &switchKey, qint64 days);
};
