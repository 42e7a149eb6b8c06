#include "ORPrefConfig.h"

#include <QDir>
#include <QMutex>
#include <QMutexLocker>
#include <QSettings>
#include <QStandardPaths>

#include <memory>

namespace {

struct Store
{
    QMutex mutex;
    QVariantMap defaults;
    QString path;  // empty: the standard location
};

Store &store()
{
    static Store s;
    return s;
}

std::unique_ptr<QSettings> openSettings()
{
    const QString path = ORPrefConfig::storePath();
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
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

const QList<QPair<QString, QVariant>> &ORPrefConfig::startupValues()
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
    return values;
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
    const QVariant stored = settings->value(key);
    if (stored.isValid())
        return stored;
    QMutexLocker lock(&store().mutex);
    return store().defaults.value(key);
}

bool ORPrefConfig::hasStoredValue(const QString &key)
{
    return openSettings()->contains(key);
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

void ORPrefConfig::setObject(const QString &key, const QVariant &value)
{
    const auto settings = openSettings();
    settings->setValue(key, value);
    settings->sync();
}

void ORPrefConfig::setMissingObjects(const QList<QPair<QString, QVariant>> &values)
{
    const auto settings = openSettings();
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
    settings->remove(key);
    settings->sync();
}

void ORPrefConfig::setStorePath(const QString &iniPath)
{
    QMutexLocker lock(&store().mutex);
    store().path = iniPath;
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
