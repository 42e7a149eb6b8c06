// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/FinderCommand.h"

#include "core/foundation/ORUtility.h"
#include "core/platform/ORLayout.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace {

// One context for the texts of this file, whichever function shows them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(FinderCommand)
};

}  // namespace

std::optional<QString> chooseFinderFolders(const QStringList &named, const QStringList &defaults,
                                           QStringList &folders)
{
    if (named.isEmpty()) {
        folders = defaults;
        return std::nullopt;
    }
    for (const QString &name : named) {
        const QString folder = QDir::cleanPath(QDir::current().absoluteFilePath(name));
        if (!QFileInfo::exists(folder))
            return Text::tr("%1: no such folder").arg(folder);
        if (!ORUtility::isDirOfPath(folder))
            return Text::tr("%1: not a folder").arg(folder);
        if (::access(QFile::encodeName(folder).constData(), R_OK | X_OK) != 0)
            return Text::tr("%1: cannot be read").arg(folder);
        folders.append(folder);
    }
    return std::nullopt;
}

QString defaultFoldersHelp(const QStringList &folders)
{
    return Text::tr("Default folders in the %1 layout: %2\n")
        .arg(ORLayout::kindName(), folders.join(QStringLiteral(", ")));
}
