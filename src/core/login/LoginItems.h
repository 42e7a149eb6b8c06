// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/foundation/AutostartFolder.h"
#include "core/platform/DesktopEntry.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

namespace sw {

// One freedesktop autostart entry as the session sees it: the user's file
// (CONFIG_HOME/autostart/ID.desktop) over the system one of the same id
// (ROOT/etc/xdg/autostart/ID.desktop).
struct AutostartItem
{
    QString id;             // desktop-file id without ".desktop"
    QString name;           // Name=
    QString program;        // the Exec program, absolute when it could be found
    QStringList arguments;  // the Exec arguments after the program
    QString file;           // the entry in effect
    bool userFile = false;    // the user's folder holds an entry of this id
    bool systemFile = false;  // the system folder holds one
    bool enabled = false;     // not Hidden, not X-GNOME-Autostart-enabled=false
    bool partOfDesktop = false;  // see LoginItems
    qint64 order = 0;         // X-Sweepwright-Order, else the file's time
    DesktopEntry content;   // what a new entry for it holds (the system entry when the user's only hides it)
};

// The login items: the applications of the layout, each with a switch that
// says whether an autostart entry starts it, followed by the autostart
// entries that belong to no listed application (helpers, applets) with
// switches of their own. This application is never listed.
//
// Applications: macos layout, the top level of ROOT/Applications (*.app,
// case-sensitive), id = the bundle name; freedesktop layout, the menu's
// applications (DATA_HOME/applications, then each XDG_DATA_DIRS entry below
// ROOT; Type=Application, not NoDisplay or Hidden), id = the desktop-file id.
//
// An application is on when an enabled autostart entry has its id, or runs a
// program whose path begins with the application's path (the bundle in the
// macos layout, so a login agent inside the bundle counts; the Exec program
// in the freedesktop layout, where the rest of the path must start a new
// component and the application's own Exec arguments must follow, so that
// /usr/bin/foo does not claim /usr/bin/foo-helper nor one Flatpak another).
//
// Switching off removes an entry only when this program wrote it and nobody
// changed it since (see AutostartFolder) and no system entry of its id is
// behind it. Any other user entry gets Hidden=true written into it, every
// other byte kept; a system entry gets a user entry of its text with
// Hidden=true. A helper's own entry is always hidden, never removed: nothing
// else could switch it on again. Switching on removes only what switched the
// entry off (Hidden, X-GNOME-Autostart-enabled=false), so a hand-written
// entry comes back with its profile, URL and delay; an application without
// any entry gets a new CONFIG_HOME/autostart/ID.desktop, last in the order.
// Entries are written through AutostartFolder: never through a link planted
// under their name (a link the user made is replaced by a file of its text).
//
// What the user sees first are the rows an autostart entry stands for (on
// before off), each with its localized Comment= as a description; the other
// applications are only offered for adding. A system entry the desktop
// starts for itself (OnlyShowIn, NotShowIn or X-GNOME-AutoRestart=true in
// ROOT/etc/xdg/autostart, as the settings daemon's plugins have) is part of
// the desktop: listed after the others, so that a page can ask before it
// goes.
class LoginItems
{
public:
    enum class Kind { Application, Autostart };

    struct Row
    {
        QString id;
        QString name;
        QString path;  // the bundle, or the desktop entry's file
        Kind kind = Kind::Application;
        bool on = false;
        bool hasEntry = false;       // an autostart entry, on or off, stands for it
        bool partOfDesktop = false;  // that entry is one the desktop starts for itself
        QString description;         // Comment=, localized
        QString program;        // for membership: the bundle, or the Exec program
        QStringList arguments;  // the Exec arguments after the program
        DesktopEntry content;   // what switching it on writes
    };

    LoginItems();  // the folders of ORLayout
    LoginItems(const QString &userFolder, const QString &systemFolder);

    // (Re)loads the rows and their switches. Rows listed by an earlier load
    // stay listed, in their first order.
    void getAllApps();

    const QList<Row> &rows() const { return m_rows; }
    int rowOf(const QString &id) const;  // -1 when not listed
    // The names of the rows that are on (the header counts them).
    const QStringList &loginarray() const { return m_loginarray; }
    int countLoginItems() const;
    // The rows to show, as row numbers: those an autostart entry stands for
    // and those whose id is in alsoShow; on before off, the desktop's own
    // last, otherwise in row order.
    QList<int> loginOrder(const QSet<QString> &alsoShow = {}) const;
    // The applications loginOrder(alsoShow) leaves out, by name: what may be added.
    QList<int> otherApplications(const QSet<QString> &alsoShow = {}) const;

    // Switches row on or off and returns the state found afterwards.
    bool selectLoginItem(int row, bool on);

    // The autostart entries, user over system, in their order.
    QList<AutostartItem> autostartItems() const;
    bool isApplicationInItemList(const QList<AutostartItem> &list, const Row &app) const;
    bool addAppAsLoginItem(const Row &app);
    void removeFromLoginItems(const Row &app);

private:
    bool belongsTo(const AutostartItem &item, const Row &row) const;
    // Sets on, hasEntry and partOfDesktop of an application from the entries.
    void markEntries(Row &app, const QList<AutostartItem> &list) const;
    bool matches(const AutostartItem &item, const Row &row) const;
    QList<Row> listedApplications() const;
    void switchOff(const AutostartItem &item, bool mayRemove) const;
    void switchOn(const AutostartItem &item) const;
    void refreshLoginarray();

    AutostartFolder m_folder;
    QString m_systemFolder;
    QList<Row> m_rows;  // the applications, then the helpers
    QStringList m_loginarray;
};

}  // namespace sw
