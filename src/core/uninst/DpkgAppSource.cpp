#include "DpkgAppSource.h"

#include "DesktopEntry.h"
#include "JobControl.h"
#include "RegularFile.h"
#include "ORLayout.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace sw {

namespace {

// A status file is a few MiB on a large system; more is not one.
constexpr qint64 kMaxStatusBytes = 256 * 1024 * 1024;
constexpr qint64 kMaxListBytes = 64 * 1024 * 1024;

QByteArray readAll(const QString &path, qint64 limit)
{
    return readRegularFile(path, limit).value_or(QByteArray());
}

// The shown application entries a package's file list names, in list order.
QStringList desktopEntriesOf(const DpkgAppSource::Package &package)
{
    const QString info = ORLayout::rootPath(QStringLiteral("var/lib/dpkg/info/"));
    QByteArray list = readAll(info + package.name + QStringLiteral(".list"), kMaxListBytes);
    if (list.isEmpty() && !package.architecture.isEmpty())
        list = readAll(info + package.name + QLatin1Char(':') + package.architecture + QStringLiteral(".list"),
                       kMaxListBytes);
    QStringList entries;
    for (const QByteArray &line : list.split('\n')) {
        const QString path = QString::fromUtf8(line.trimmed());
        if (!path.startsWith(QLatin1String("/usr/share/applications/")) || !path.endsWith(QLatin1String(".desktop"))
            || path.contains(QLatin1String("/..")) || path.count(QLatin1Char('/')) != 4)
            continue;
        const QString real = ORLayout::rootPath(path.mid(1));
        const std::optional<DesktopEntry> entry = DesktopEntry::load(real);
        if (entry && entry->type() == QLatin1String("Application") && !entry->noDisplay() && !entry->hidden())
            entries.append(real);
    }
    return entries;
}

}  // namespace

QList<DpkgAppSource::Package> DpkgAppSource::parseStatus(const QByteArray &text)
{
    QList<Package> packages;
    Package current;
    bool installed = false;
    const auto finish = [&] {
        if (!current.name.isEmpty() && installed)
            packages.append(current);
        current = Package();
        installed = false;
    };
    for (const QByteArray &raw : text.split('\n')) {
        if (raw.trimmed().isEmpty()) {
            finish();
            continue;
        }
        if (raw.startsWith(' ') || raw.startsWith('\t'))
            continue;  // a continuation line
        const qsizetype colon = raw.indexOf(':');
        if (colon <= 0)
            continue;
        const QByteArray key = raw.left(colon).trimmed().toLower();
        const QString value = QString::fromUtf8(raw.mid(colon + 1).trimmed());
        if (key == "package")
            current.name = value;
        else if (key == "architecture")
            current.architecture = value;
        else if (key == "status")
            installed = value.endsWith(QLatin1String(" installed"));
        else if (key == "installed-size")
            current.installedBytes = value.toLongLong() * 1024;
        else if (key == "essential" && value.compare(QLatin1String("yes"), Qt::CaseInsensitive) == 0)
            current.protectedPackage = true;
        else if (key == "priority" && (value == QLatin1String("required") || value == QLatin1String("important")))
            current.protectedPackage = true;
    }
    finish();
    return packages;
}

InstalledApps DpkgAppSource::find(JobControl &job)
{
    InstalledApps apps;
    const QByteArray status = readAll(ORLayout::rootPath(QStringLiteral("var/lib/dpkg/status")), kMaxStatusBytes);
    for (const Package &package : parseStatus(status)) {
        if (job.isCancelled())
            break;
        // A name apt-get could read as an option is no package of dpkg's.
        static const QRegularExpression valid(QStringLiteral("^[a-z0-9][a-z0-9+.-]+$"));
        if (package.protectedPackage || !valid.match(package.name).hasMatch())
            continue;
        const QStringList entries = desktopEntriesOf(package);
        if (entries.isEmpty())
            continue;
        const std::optional<DesktopEntry> entry = DesktopEntry::load(entries.first());
        InstalledApp app;
        app.kind = InstalledApp::Kind::Debian;
        app.name = entry && !entry->name().isEmpty() ? entry->name() : package.name;
        app.groupName = app.name;
        app.identifier = package.name;
        app.execName = entry ? QFileInfo(entry->program()).fileName() : QString();
        app.bundlePath = entries.first();
        app.bundleRoot = QFileInfo(entries.first()).path();
        app.packageSize = package.installedBytes;
        apps.append(app);
    }
    return apps;
}

}  // namespace sw
