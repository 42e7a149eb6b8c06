// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/LibraryVersions.h"

#include "gui/preview/ViewerFactory.h"

#include <QCoreApplication>

#include <archive.h>
#include <unicode/uversion.h>

namespace sw {

namespace {

QString icuVersion()
{
    UVersionInfo version;
    u_getVersion(version);
    char text[U_MAX_VERSION_STRING_LENGTH];
    u_versionToString(version, text);
    return QString::fromLatin1(text);
}

QString popplerVersion()
{
    if (ViewerFactory *factory = viewerFactory())
        return factory->popplerVersion();
    return QCoreApplication::translate("sw::LibraryVersions", "%1 (built with)")
        .arg(QStringLiteral(SW_POPPLER_BUILD_VERSION));
}

} // namespace

QList<LibraryVersions::Library> LibraryVersions::inUse()
{
    // "libarchive 3.6.2": the name is ours to write, the number is the library's.
    const QString archive = QString::fromLatin1(archive_version_string()).section(QLatin1Char(' '), -1);
    return {
        {QStringLiteral("Qt"), QString::fromLatin1(qVersion())},
        {QStringLiteral("libarchive"), archive},
        {QStringLiteral("ICU"), icuVersion()},
        {QStringLiteral("poppler"), popplerVersion()},
    };
}

} // namespace sw
