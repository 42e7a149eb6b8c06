// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/uninst/UserDesktopEntries.h"

#include "core/foundation/ORUtility.h"
#include "core/platform/ORLayout.h"
#include "core/platform/RegularFile.h"

#include <QDir>

namespace sw {

QList<UserDesktopEntry> userDesktopEntries()
{
    const QString folder = ORLayout::dataHome() + QStringLiteral("/applications");
    QStringList names = ORUtility::contentsOfFolder(folder);
    names.sort();
    QList<UserDesktopEntry> entries;
    for (const QString &name : std::as_const(names)) {
        const QString path = folder + QLatin1Char('/') + name;
        if (!name.endsWith(QLatin1String(".desktop")) || !isRegularFile(path))
            continue;
        std::optional<DesktopEntry> entry = DesktopEntry::load(path);
        if (!entry || entry->type() != QLatin1String("Application"))
            continue;
        QString program = entry->program();
        if (!QDir::isAbsolutePath(program))
            program = entry->resolvedProgram();
        entries.append({name.chopped(8), program.isEmpty() ? QString() : QDir::cleanPath(program), *entry});
    }
    return entries;
}

}  // namespace sw
