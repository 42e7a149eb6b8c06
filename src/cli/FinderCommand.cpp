// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/FinderCommand.h"

#include "core/foundation/ORUtility.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

std::optional<QString> chooseFinderFolders(const QStringList &named, const QStringList &defaults,
                                           QStringList &folders)
{
    if (named.isEmpty()) {
        folders = defaults;
        return std::nullopt;
    }
    for (const QString &name : named) {
        const QString folder = QDir::cleanPath(QDir::current().absoluteFilePath(name));
        QString problem;
        if (!QFileInfo::exists(folder))
            problem = QStringLiteral("no such folder");
        else if (!ORUtility::isDirOfPath(folder))
            problem = QStringLiteral("not a folder");
        else if (::access(QFile::encodeName(folder).constData(), R_OK | X_OK) != 0)
            problem = QStringLiteral("cannot be read");
        if (!problem.isEmpty())
            return QStringLiteral("%1: %2").arg(folder, problem);
        folders.append(folder);
    }
    return std::nullopt;
}
