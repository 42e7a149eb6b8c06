// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A freedesktop system for the uninstaller's tests, built in a FixtureTree
// below root/ and home/: a dpkg database (status, file lists and the desktop
// entries the lists name), Flatpak installations, AppImages and
// applications kept in the home, each with a desktop entry as the real ones
// have.

#include "support/FixtureTree.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

namespace swtest {

class FreedesktopSystem
{
public:
    explicit FreedesktopSystem(const FixtureTree &tree) : m_tree(tree) {}

    struct Package
    {
        QString name;
        QString desktopId;    // empty: the package ships no application
        QByteArray entryName;
        QByteArray exec;
        QStringList files;    // the rest of its file list, absolute
        QByteArray depends;   // the Depends field
        bool hidden = false;  // the entry says NoDisplay
        qint64 kib = 100;     // Installed-Size
    };

    // Adds the package to the status file, writes its list and its entry.
    void package(const Package &p)
    {
        m_status += "Package: " + p.name.toUtf8() + "\nStatus: install ok installed\nPriority: optional\n"
                    "Installed-Size: " + QByteArray::number(p.kib) + "\nArchitecture: amd64\n";
        if (!p.depends.isEmpty())
            m_status += "Depends: " + p.depends + "\n";
        m_status += "Description: " + p.name.toUtf8() + "\n more text\n\n";
        m_tree.text(QStringLiteral("root/var/lib/dpkg/status"), m_status);
        QStringList list = p.files;
        if (!p.desktopId.isEmpty()) {
            const QString entry = QStringLiteral("/usr/share/applications/%1.desktop").arg(p.desktopId);
            list.append(entry);
            m_tree.text(QStringLiteral("root") + entry,
                        desktopEntry(p.entryName, p.exec) + (p.hidden ? "NoDisplay=true\n" : ""));
        }
        m_tree.text(QStringLiteral("root/var/lib/dpkg/info/%1.list").arg(p.name),
                    QStringLiteral("/.\n/usr\n%1\n").arg(list.join(QLatin1Char('\n'))).toUtf8());
    }

    // A deployed Flatpak application in the installation at installationRel;
    // returns the deployment.
    QString flatpak(const QString &installationRel, const QString &id, const QByteArray &name) const
    {
        const QString deployed = installationRel + QStringLiteral("/app/") + id;
        m_tree.text(deployed + QStringLiteral("/current/active/export/share/applications/%1.desktop").arg(id),
                    desktopEntry(name, "/usr/bin/flatpak run " + id.toUtf8()));
        m_tree.file(deployed + QStringLiteral("/current/active/files/bin/app"), 100);
        return m_tree.path(deployed);
    }

    // An application unpacked in the home: its program at programRel and the
    // user's desktop entry id.desktop that runs it.
    QString homeApp(const QString &programRel, const QString &id, const QByteArray &name) const
    {
        const QString program = m_tree.file(programRel, 64);
        QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        userEntry(id, name, program.toUtf8());
        return program;
    }

    void userEntry(const QString &id, const QByteArray &name, const QByteArray &exec) const
    {
        m_tree.text(QStringLiteral("home/.local/share/applications/%1.desktop").arg(id), desktopEntry(name, exec));
    }

    static QByteArray desktopEntry(const QByteArray &name, const QByteArray &exec)
    {
        return "[Desktop Entry]\nType=Application\nName=" + name + "\nExec=" + exec + "\n";
    }

private:
    const FixtureTree &m_tree;
    QByteArray m_status;
};

}  // namespace swtest
