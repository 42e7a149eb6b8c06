// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/SystemTools.h"

#include "core/platform/DesktopEntry.h"
#include "core/platform/ORLayout.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace sw {

namespace {

// The panel of the settings program that shows the machine's details.
constexpr char kSettingsId[] = "org.gnome.Settings";
constexpr char kSettingsInfoPanel[] = "info-overview";

QString executable(const QString &program)
{
    if (program.isEmpty())
        return QString();
    if (QDir::isAbsolutePath(program)) {
        const QFileInfo info(program);
        return info.isFile() && info.isExecutable() ? program : QString();
    }
    if (program.contains(QLatin1Char('/')))
        return QString();  // relative to a working folder nobody knows
    return QStandardPaths::findExecutable(program);
}

std::optional<SystemTools::Found> macBundle(const QString &name)
{
    const QString path = ORLayout::rootPath(QStringLiteral("Applications/Utilities/") + name + QStringLiteral(".app"));
    if (!QFileInfo(path).isDir())
        return std::nullopt;
    SystemTools::Found found;
    found.id = QFileInfo(path).fileName();
    found.path = path;
    found.name = name;
    return found;
}

}  // namespace

QStringList SystemTools::candidateIds(Tool tool)
{
    switch (tool) {
    case Tool::SystemInformation:
        return {QString::fromLatin1(kSettingsId), QStringLiteral("org.kde.kinfocenter"), QStringLiteral("hardinfo")};
    case Tool::DiskUtility:
        return {QStringLiteral("org.gnome.DiskUtility"), QStringLiteral("org.kde.partitionmanager"),
                QStringLiteral("org.gnome.baobab")};
    case Tool::Extensions:
        return {QStringLiteral("org.gnome.Extensions")};
    }
    return {};
}

std::optional<SystemTools::Found> SystemTools::find(Tool tool)
{
    if (ORLayout::isMacOS()) {
        switch (tool) {
        case Tool::SystemInformation: return macBundle(QStringLiteral("System Information"));
        case Tool::DiskUtility: return macBundle(QStringLiteral("Disk Utility"));
        case Tool::Extensions: return std::nullopt;
        }
        return std::nullopt;
    }
    for (const QString &id : candidateIds(tool)) {
        QStringList extra;
        if (tool == Tool::SystemInformation && id == QLatin1String(kSettingsId))
            extra.append(QString::fromLatin1(kSettingsInfoPanel));
        if (std::optional<Found> found = findDesktopEntry(id, extra))
            return found;
    }
    return std::nullopt;
}

QStringList SystemTools::applicationFolders()
{
    QStringList folders{ORLayout::dataHome() + QStringLiteral("/applications")};
    QString dataDirs = qEnvironmentVariable("XDG_DATA_DIRS");
    if (dataDirs.isEmpty())
        dataDirs = QStringLiteral("/usr/local/share:/usr/share");
    for (const QString &dir : dataDirs.split(QLatin1Char(':'), Qt::SkipEmptyParts))
        if (QDir::isAbsolutePath(dir))
            folders.append(ORLayout::rootPath(QDir::cleanPath(dir).mid(1)) + QStringLiteral("/applications"));
    return folders;
}

std::optional<SystemTools::Found> SystemTools::findDesktopEntry(const QString &id, const QStringList &extraArguments)
{
    // An id is a plain file name: nothing that could climb out of the folder.
    if (id.isEmpty() || id.contains(QLatin1Char('/')) || id.startsWith(QLatin1Char('.')))
        return std::nullopt;
    for (const QString &folder : applicationFolders()) {
        const QString path = folder + QLatin1Char('/') + id + QStringLiteral(".desktop");
        if (!QFileInfo::exists(path))
            continue;
        // The first file of an id decides, usable or not.
        const std::optional<DesktopEntry> entry = DesktopEntry::load(path);
        if (!entry || entry->hidden() || entry->type() != QLatin1String("Application"))
            return std::nullopt;
        const QString program = entry->contains(QStringLiteral("TryExec")) ? executable(entry->tryExec())
                                                                            : entry->resolvedProgram();
        const QStringList command = entry->execArguments();
        if (program.isEmpty() || command.isEmpty())
            return std::nullopt;
        Found found;
        found.id = id;
        found.path = path;
        found.name = entry->name();
        found.icon = entry->value(QStringLiteral("Icon"));
        found.command = command + extraArguments;
        found.workingFolder = entry->value(QStringLiteral("Path"));
        return found;
    }
    return std::nullopt;
}

QString SystemTools::launch(const Found &found)
{
    const QString what = found.name.isEmpty() ? found.id : found.name;
    if (found.command.isEmpty())
        return QCoreApplication::translate("SystemTools", "%1 has no program to start.").arg(what);
    const QString program = executable(found.command.first());
    if (program.isEmpty())
        return QCoreApplication::translate("SystemTools", "%1 could not be started: its program %2 was not found.")
            .arg(what, found.command.first());
    QProcess process;
    process.setProgram(program);
    process.setArguments(found.command.mid(1));
    if (!found.workingFolder.isEmpty() && QFileInfo(found.workingFolder).isDir())
        process.setWorkingDirectory(found.workingFolder);
    if (!process.startDetached())
        return QCoreApplication::translate("SystemTools", "%1 could not be started: %2").arg(what, process.errorString());
    return QString();
}

}  // namespace sw
