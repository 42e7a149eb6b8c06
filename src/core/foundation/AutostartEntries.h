// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

#include <functional>

namespace sw {

// The user's login items as freedesktop autostart entries
// (CONFIG_HOME/autostart/*.desktop).
//
// An item's name is Name=, its path the program of Exec= (absolute when it
// can be resolved), its place in the list X-Sweepwright-Order when present,
// else the file's creation (or modification) time in seconds, ties broken by
// file name. Entries with Hidden=true are switched off and are neither
// listed nor touched. Entries are written and removed through
// AutostartFolder: adding never replaces an entry already there, and
// removing takes away only an entry this program wrote and nobody changed;
// the user's own gets Hidden=true instead. Failures are logged, not reported.
class AutostartEntries
{
public:
    struct Item
    {
        QString name;
        QString path;
        QString file;
        qint64 order = 0;
    };

    AutostartEntries();  // ORLayout::configHome()/autostart
    explicit AutostartEntries(const QString &folder) : m_folder(folder) {}

    QString folder() const { return m_folder; }
    QList<Item> list() const;
    bool contains(const QString &name) const;

    // Appends an entry that runs path; name defaults to the program's file
    // name without extension. Returns the new file, empty on failure.
    QString add(const QString &path, const QString &name = QString()) const;
    // Switch off the entries whose program path equals path / begins with
    // prefix (see above); return how many were switched off.
    int remove(const QString &path) const;
    int removeWithPrefix(const QString &prefix) const;

private:
    int removeWhere(const std::function<bool(const Item &)> &matches) const;
    QString newFileName(const QString &name) const;

    QString m_folder;
};

}  // namespace sw
