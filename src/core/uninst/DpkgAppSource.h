#pragma once

#include "InstalledApp.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace sw {

class JobControl;

// Debian packages that ship an application: installed packages of
// ROOT/var/lib/dpkg/status whose file list (ROOT/var/lib/dpkg/info/*.list)
// holds a desktop entry in /usr/share/applications that is shown (Type
// Application, neither NoDisplay nor Hidden). Essential packages and those
// of priority required or important are never offered. The bundle item
// stands for the package: its path is the desktop entry, its size the
// package's Installed-Size; apt-get removes it (see PackageCommands).
class DpkgAppSource
{
public:
    struct Package
    {
        QString name;
        QString architecture;
        qint64 installedBytes = 0;
        bool protectedPackage = false;  // Essential, or priority required/important
    };

    static InstalledApps find(JobControl &job);
    // The installed packages of a status file's text, in file order.
    static QList<Package> parseStatus(const QByteArray &text);
};

}  // namespace sw
