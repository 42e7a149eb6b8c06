// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/uninst/PackageFiles.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

namespace sw {

class JobControl;

// The installed packages of the dpkg database below the layout's root
// (ROOT/var/lib/dpkg): the status file, and what each package's file list
// (info/NAME.list or info/NAME:ARCH.list) says about it. Read once when
// made; a status file or list that is missing, no regular file or huge
// counts as empty.
class DpkgDatabase
{
public:
    struct Package
    {
        QString name;
        QString architecture;
        qint64 installedBytes = 0;
        bool protectedPackage = false;  // Essential, or priority required/important
        QStringList depends;   // Depends and Pre-Depends: every alternative, no versions
        QStringList provides;  // the virtual packages it provides
    };

    using Files = PackageFiles;

    explicit DpkgDatabase(JobControl &job);

    const QList<Package> &packages() const { return m_packages; }
    const Files &filesOf(const QString &package) const;
    // The shareNames of the package and of every installed package it needs,
    // directly or not (through Depends, Pre-Depends and Provides).
    QSet<QString> dataNamesOf(const QString &package) const;

    // The installed packages of a status file's text, in file order.
    static QList<Package> parseStatus(const QByteArray &text);
    // Whether the package is installed now (the status file read again).
    static bool isInstalled(const QString &package);

private:
    static Files readFiles(const Package &package);

    QList<Package> m_packages;
    QHash<QString, qsizetype> m_index;         // name -> position in m_packages
    QHash<QString, QStringList> m_providers;   // virtual name -> installed packages
    QHash<QString, Files> m_files;
};

}  // namespace sw
