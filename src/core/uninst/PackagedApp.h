// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/DesktopEntry.h"
#include "core/uninst/InstalledApp.h"
#include "core/uninst/PackageFiles.h"

#include <QList>
#include <QSet>
#include <QString>

namespace sw {

// An application a system package ships, made from what its package
// manager says about the package (dpkg's database or PackageKit): the
// desktop entries of Type Application its file list names in
// /usr/share/applications, read below the layout's root. The first entry
// shown (neither NoDisplay nor Hidden) names it; a package with no shown
// entry, or one its manager protects, comes back with `shown` false. The
// bundle item stands for the package: its path is that entry, its size the
// package's installed size; the package's manager removes it. The program
// counts as the package's own only when its file is in the package's list.
class PackagedApp
{
public:
    struct Entry
    {
        QString path;  // below the layout's root
        DesktopEntry entry;
        bool shown = false;
    };

    struct Package
    {
        QString name;
        qint64 installedBytes = -1;
        bool protectedPackage = false;
        QSet<QString> dataNames;  // the share folders of it and of what it needs
    };

    // The application entries the file list names, in list order.
    static QList<Entry> applicationEntries(const PackageFiles &files);
    // entries: applicationEntries(files), not empty.
    static InstalledApp make(InstalledApp::Kind kind, const Package &package, const PackageFiles &files,
                             const QList<Entry> &entries);
};

}  // namespace sw
