// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/uninst/DpkgDatabase.h"

#include "core/foundation/JobControl.h"
#include "core/platform/ORLayout.h"
#include "core/platform/RegularFile.h"

namespace sw {

namespace {

// A status file is a few MiB on a large system; more is not one.
constexpr qint64 kMaxStatusBytes = 256 * 1024 * 1024;
constexpr qint64 kMaxListBytes = 64 * 1024 * 1024;

QByteArray readAll(const QString &path, qint64 limit)
{
    return readRegularFile(path, limit).value_or(QByteArray());
}

QByteArray statusText()
{
    return readAll(ORLayout::rootPath(QStringLiteral("var/lib/dpkg/status")), kMaxStatusBytes);
}

// "a (>= 1), b:any | c" -> a, b, c
QStringList relationNames(const QString &value)
{
    QStringList names;
    for (const QString &alternatives : value.split(QLatin1Char(',')))
        for (const QString &part : alternatives.split(QLatin1Char('|'))) {
            const QString name = part.trimmed().section(QLatin1Char(' '), 0, 0).section(QLatin1Char('('), 0, 0)
                                     .section(QLatin1Char(':'), 0, 0);
            if (!name.isEmpty())
                names.append(name);
        }
    return names;
}

void readField(DpkgDatabase::Package &package, bool &installed, const QByteArray &key, const QString &value)
{
    if (key == "package")
        package.name = value;
    else if (key == "architecture")
        package.architecture = value;
    else if (key == "status")
        installed = value.endsWith(QLatin1String(" installed"));
    else if (key == "installed-size")
        package.installedBytes = value.toLongLong() * 1024;
    else if (key == "essential" && value.compare(QLatin1String("yes"), Qt::CaseInsensitive) == 0)
        package.protectedPackage = true;
    else if (key == "priority" && (value == QLatin1String("required") || value == QLatin1String("important")))
        package.protectedPackage = true;
    else if (key == "depends" || key == "pre-depends")
        package.depends += relationNames(value);
    else if (key == "provides")
        package.provides += relationNames(value);
}

}  // namespace

QList<DpkgDatabase::Package> DpkgDatabase::parseStatus(const QByteArray &text)
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
        if (colon > 0)
            readField(current, installed, raw.left(colon).trimmed().toLower(), QString::fromUtf8(raw.mid(colon + 1).trimmed()));
    }
    finish();
    return packages;
}

bool DpkgDatabase::isInstalled(const QString &package)
{
    const QList<Package> installed = parseStatus(statusText());
    return std::any_of(installed.cbegin(), installed.cend(), [&](const Package &p) { return p.name == package; });
}

DpkgDatabase::DpkgDatabase(JobControl &job)
    : m_packages(parseStatus(statusText()))
{
    for (qsizetype i = 0; i < m_packages.size(); ++i) {
        if (job.isCancelled())
            return;
        const Package &package = m_packages.at(i);
        m_index.insert(package.name, i);
        for (const QString &virtualName : package.provides)
            m_providers[virtualName].append(package.name);
        m_files.insert(package.name, readFiles(package));
    }
}

DpkgDatabase::Files DpkgDatabase::readFiles(const Package &package)
{
    const QString info = ORLayout::rootPath(QStringLiteral("var/lib/dpkg/info/"));
    QByteArray list = readAll(info + package.name + QStringLiteral(".list"), kMaxListBytes);
    if (list.isEmpty() && !package.architecture.isEmpty())
        list = readAll(info + package.name + QLatin1Char(':') + package.architecture + QStringLiteral(".list"),
                       kMaxListBytes);
    QStringList paths;
    for (const QByteArray &line : list.split('\n'))
        paths.append(QString::fromUtf8(line.trimmed()));
    return PackageFiles::of(paths);
}

const DpkgDatabase::Files &DpkgDatabase::filesOf(const QString &package) const
{
    static const Files none;
    const auto it = m_files.constFind(package);
    return it == m_files.cend() ? none : *it;
}

QSet<QString> DpkgDatabase::dataNamesOf(const QString &package) const
{
    QSet<QString> names;
    QSet<QString> seen{package};
    QStringList queue{package};
    while (!queue.isEmpty()) {
        const QString name = queue.takeLast();
        const auto at = m_index.constFind(name);
        if (at == m_index.cend())
            continue;
        names.unite(filesOf(name).shareNames);
        for (const QString &needed : m_packages.at(*at).depends)
            for (const QString &provider : m_providers.value(needed) + QStringList{needed})
                if (!seen.contains(provider)) {
                    seen.insert(provider);
                    queue.append(provider);
                }
    }
    return names;
}

}  // namespace sw
