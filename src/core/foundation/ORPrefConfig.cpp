// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/foundation/ORPrefConfig.h"

#include "core/platform/LogCategory.h"
#include "core/platform/ORLayout.h"

#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QMutex>
#include <QMutexLocker>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>

namespace {

Q_LOGGING_CATEGORY(lcPrefs, "sweepwright.prefs", sw::logThreshold(QtInfoMsg))

struct Store
{
    QMutex mutex;
    QVariantMap defaults;
    QString path;          // empty: the standard location
    QVariantMap session;   // values set while the file cannot be used
    QSet<QString> warned;  // files already reported as unusable
};

Store &store()
{
    static Store s;
    return s;
}

// Whether QSettings may read and write the file at path: it is absent, or
// a regular file (a link to one is fine). What lies under the name is looked
// at with lstat/stat and then on a descriptor opened without waiting, so a
// FIFO or a device planted there is never read or written and never
// blocks: QSettings itself would wait on a FIFO forever.
bool isUsableStore(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat st;
    if (::lstat(name.constData(), &st) != 0)
        return errno == ENOENT;
    if (S_ISLNK(st.st_mode) && ::stat(name.constData(), &st) != 0)
        return errno == ENOENT;  // a dangling link: written like an absent file
    if (!S_ISREG(st.st_mode))
        return false;
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT;
    const bool regular = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    ::close(fd);
    return regular;
}

// The settings file, or nothing when it must not be touched; the first
// refusal of each file is logged.
std::unique_ptr<QSettings> openSettings()
{
    const QString path = ORPrefConfig::storePath();
    if (isUsableStore(path))
        return std::make_unique<QSettings>(path, QSettings::IniFormat);
    QMutexLocker lock(&store().mutex);
    if (!store().warned.contains(path)) {
        store().warned.insert(path);
        qCWarning(lcPrefs).noquote()
            << QStringLiteral("The settings file %1 is not a regular file: the defaults are used and nothing is "
                              "written to it")
                   .arg(path);
    }
    return nullptr;
}

bool toBool(const QVariant &v)
{
    if (!v.isValid())
        return false;
    // INI files hand values back as strings: "true"/"false", "1"/"0".
    if (v.typeId() == QMetaType::QString) {
        const QString s = v.toString().trimmed().toLower();
        return s == QLatin1String("true") || s == QLatin1String("yes") || s.toLongLong() != 0;
    }
    return v.toBool();
}

}  // namespace

QList<QPair<QString, QVariant>> ORPrefConfig::startupValues()
{
    static const QList<QPair<QString, QVariant>> values = {
        {QStringLiteral("autostart"), true},          {QStringLiteral("automemory"), false},
        {QStringLiteral("memoryusage"), 85},          {QStringLiteral("application junks"), true},
        {QStringLiteral("leftover"), true},           {QStringLiteral("syscache"), true},
        {QStringLiteral("syslog"), true},             {QStringLiteral("mailjunk"), true},
        {QStringLiteral("itunesjunk"), true},         {QStringLiteral("orxcode"), false},
        {QStringLiteral("APPlanguage"), true},        {QStringLiteral("download"), true},
        {QStringLiteral("trash"), true},              {QStringLiteral("orbrowser"), true},
        {QStringLiteral("IOSupdate"), true},          {QStringLiteral("IOSbackups"), true},
    };
    // Where a desktop's habits differ from the table above.
    static const QList<QPair<QString, QVariant>> freedesktop = {
        // A program joins the login items only when the user asks it to.
        {QStringLiteral("autostart"), false},
    };
    QList<QPair<QString, QVariant>> out = values;
    if (ORLayout::isFreedesktop())
        for (auto &[key, value] : out)
            for (const auto &[otherKey, otherValue] : freedesktop)
                if (key == otherKey)
                    value = otherValue;
    return out;
}

QVariant ORPrefConfig::startupValue(const QString &key)
{
    for (const auto &[k, v] : startupValues())
        if (k == key)
            return v;
    return QVariant();
}

QVariantMap ORPrefConfig::archiveDefaults()
{
    return {{QStringLiteral("autoDetectionThreshold"), QStringLiteral("80")},
            {QStringLiteral("filenameEncoding"), QStringLiteral("4")},
            {QStringLiteral("deleteExtractedArchive"), QStringLiteral("0")},
            {QStringLiteral("openExtractedFolder"), QStringLiteral("0")}};
}

void ORPrefConfig::registerDefaults(const QVariantMap &defaults)
{
    QMutexLocker lock(&store().mutex);
    store().defaults.insert(defaults);
}

QVariant ORPrefConfig::objectForKey(const QString &key)
{
    const auto settings = openSettings();
    const QVariant stored = settings ? settings->value(key) : QVariant();
    if (stored.isValid())
        return stored;
    QMutexLocker lock(&store().mutex);
    return settings ? store().defaults.value(key) : store().session.value(key, store().defaults.value(key));
}

bool ORPrefConfig::hasStoredValue(const QString &key)
{
    const auto settings = openSettings();
    if (settings)
        return settings->contains(key);
    QMutexLocker lock(&store().mutex);
    return store().session.contains(key);
}

bool ORPrefConfig::boolForKey(const QString &key)
{
    return toBool(objectForKey(key));
}

qint64 ORPrefConfig::integerForKey(const QString &key)
{
    return objectForKey(key).toLongLong();
}

QString ORPrefConfig::stringForKey(const QString &key)
{
    return objectForKey(key).toString();
}

// A value set while the file cannot be used lasts until the program ends.
void ORPrefConfig::setObject(const QString &key, const QVariant &value)
{
    const auto settings = openSettings();
    if (!settings) {
        QMutexLocker lock(&store().mutex);
        store().session.insert(key, value);
        return;
    }
    settings->setValue(key, value);
    settings->sync();
}

void ORPrefConfig::setMissingObjects(const QList<QPair<QString, QVariant>> &values)
{
    const auto settings = openSettings();
    if (!settings) {
        for (const auto &[key, value] : values)
            if (!hasStoredValue(key))
                setObject(key, value);
        return;
    }
    bool changed = false;
    for (const auto &[key, value] : values) {
        if (!settings->contains(key)) {
            settings->setValue(key, value);
            changed = true;
        }
    }
    if (changed)
        settings->sync();
}

void ORPrefConfig::removeObject(const QString &key)
{
    const auto settings = openSettings();
    if (!settings) {
        QMutexLocker lock(&store().mutex);
        store().session.remove(key);
        return;
    }
    settings->remove(key);
    settings->sync();
}

void ORPrefConfig::setStorePath(const QString &iniPath)
{
    QMutexLocker lock(&store().mutex);
    store().path = iniPath;
    store().session.clear();  // they stood in for the other file
}

QString ORPrefConfig::storePath()
{
    {
        QMutexLocker lock(&store().mutex);
        if (!store().path.isEmpty())
            return store().path;
    }
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/Sweepwright/Sweepwright.conf");
}

#define OR_BOOL_PREF(getter, setter, key)                                                                     \
    bool ORPrefConfig::getter() { return boolForKey(QStringLiteral(key)); }                                  \
    void ORPrefConfig::setter(bool on) { setObject(QStringLiteral(key), on); }

OR_BOOL_PREF(autostartEnable, setAutostartEnable, "autostart")
OR_BOOL_PREF(autoMemoryEnable, setAutoMemoryEnable, "automemory")
OR_BOOL_PREF(appJunkEnable, setAppJunkEnable, "application junks")
OR_BOOL_PREF(leftoverEnable, setLeftoverEnable, "leftover")
OR_BOOL_PREF(sysCacheEnable, setSysCacheEnable, "syscache")
OR_BOOL_PREF(sysLogEnable, setSysLogEnable, "syslog")
OR_BOOL_PREF(mailEnable, setMailEnable, "mailjunk")
OR_BOOL_PREF(iTuneJunkEnable, setiTuneJunkEnable, "itunesjunk")
OR_BOOL_PREF(iOSBackupEnable, setIOSBackupEnable, "IOSbackups")
OR_BOOL_PREF(iOSUpdateEnable, setIOSUpdateEnable, "IOSupdate")
OR_BOOL_PREF(trashEnable, setTrashEnable, "trash")
OR_BOOL_PREF(downloadsEnable, setDownloadsEnable, "download")
OR_BOOL_PREF(xcodeEnable, setXcodeEnable, "orxcode")
OR_BOOL_PREF(browserEnable, setBrowserEnable, "orbrowser")
OR_BOOL_PREF(languageEnable, setLanguageEnable, "APPlanguage")

#undef OR_BOOL_PREF

qint64 ORPrefConfig::memoryUsageEnable()
{
    return integerForKey(QStringLiteral("memoryusage"));
}

void ORPrefConfig::setMemoryUsageEnable(qint64 percent)
{
    setObject(QStringLiteral("memoryusage"), percent);
}

namespace {
// One string of numbers, so that choosing no category at all is stored too
// (QSettings writes an empty list as no value).
const QString kScheduledCategories = QStringLiteral("scheduleCategories");
}  // namespace

std::optional<QList<qint64>> ORPrefConfig::scheduledCategories()
{
    if (!hasStoredValue(kScheduledCategories))
        return std::nullopt;
    QList<qint64> ids;
    for (const QString &word : stringForKey(kScheduledCategories).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        bool ok = false;
        const qint64 id = word.toLongLong(&ok);
        if (ok && !ids.contains(id))
            ids.append(id);
    }
    return ids;
}

void ORPrefConfig::setScheduledCategories(const QList<qint64> &groupIDs)
{
    QStringList words;
    for (const qint64 id : groupIDs)
        words.append(QString::number(id));
    setObject(kScheduledCategories, words.join(QLatin1Char(' ')));
}

bool ORPrefConfig::junkAgeEnable(const QString &switchKey)
{
    return boolForKey(QStringLiteral("olderThanOn/") + switchKey);
}

void ORPrefConfig::setJunkAgeEnable(const QString &switchKey, bool on)
{
    setObject(QStringLiteral("olderThanOn/") + switchKey, on);
}

qint64 ORPrefConfig::junkAgeDays(const QString &switchKey, qint64 offered)
{
    bool ok = false;
    const qint64 days = objectForKey(QStringLiteral("olderThanDays/") + switchKey).toLongLong(&ok);
    return ok && days >= 0 ? days : offered;
}

void ORPrefConfig::setJunkAgeDays(const QString &switchKey, qint64 days)
{
    setObject(QStringLiteral("olderThanDays/") + switchKey, days);
}
