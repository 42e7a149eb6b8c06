// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/finder/FinderDefaults.h"

#include "core/platform/ORLayout.h"

#include <QHash>

namespace sw::finder {

QStringList defaultExcludeFolders()
{
    return {QStringLiteral("/.[^/]*"), QStringLiteral("[^/]*.docset$")};
}

QStringList defaultExcludeFiles()
{
    return {QStringLiteral("h"),     QStringLiteral("m"),          QStringLiteral("a"),
            QStringLiteral("entitlement"), QStringLiteral("tmp"),  QStringLiteral("hg"),
            QStringLiteral("vsd"),   QStringLiteral("xsd"),        QStringLiteral("xslt"),
            QStringLiteral("xsl"),   QStringLiteral("bup"),        QStringLiteral("proofingtool"),
            QStringLiteral("properties"), QStringLiteral("build"), QStringLiteral("plist"),
            QStringLiteral("info"),  QStringLiteral("def"),        QStringLiteral("hds"),
            QStringLiteral("rpl"),   QStringLiteral("db"),         QStringLiteral("pth"),
            QStringLiteral("lib"),   QStringLiteral("dylib"),      QStringLiteral("java"),
            QStringLiteral("jar"),   QStringLiteral("js"),         QStringLiteral("css"),
            QStringLiteral("php"),   QStringLiteral("c"),          QStringLiteral("cpp"),
            QStringLiteral("mm"),    QStringLiteral("pch"),        QStringLiteral("py")};
}

QStringList userFolders(const QStringList &keys)
{
    static const QHash<QString, QString> englishNames = {
        {QStringLiteral("DESKTOP"), QStringLiteral("Desktop")},
        {QStringLiteral("DOCUMENTS"), QStringLiteral("Documents")},
        {QStringLiteral("DOWNLOAD"), QStringLiteral("Downloads")},
        {QStringLiteral("MUSIC"), QStringLiteral("Music")},
        {QStringLiteral("PICTURES"), QStringLiteral("Pictures")},
        {QStringLiteral("VIDEOS"), QStringLiteral("Videos")},
    };
    QStringList folders;
    for (const QString &key : keys)
        folders.append(ORLayout::userDir(key, englishNames.value(key, key)));
    // Two keys may name one folder.
    folders.removeDuplicates();
    return folders;
}

}  // namespace sw::finder
