// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/SweepwrightResources.h"

#include <QDir>

namespace sw::resources {

QStringList imageNames()
{
    QStringList names;
    const QStringList files = QDir(QStringLiteral(":/images")).entryList({QStringLiteral("*.svg")}, QDir::Files);
    for (const QString &file : files)
        names.append(file.chopped(4));
    names.sort();
    return names;
}

} // namespace sw::resources
