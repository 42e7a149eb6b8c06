#pragma once

#include "DesktopEntry.h"

#include <QList>
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
    qint64 order = 0;         // X-Sweepwright-Order, else the file's time
    DesktopEntry content;   // what switching it on again writes (the system entry when the user's only hides it)
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
// Switching on writes CONFIG_HOME/autostart/ID.desktop, last in the order;
// off removes the user's entries that match an application (through the
// removal core) and hides a system entry with a user entry of Hidden=true.
// A helper's own entry is hidden the same way rather than removed: nothing
// else could switch it on again, in this session or the next. Entries are written
// through a temporary file renamed in the autostart folder, opened without
// following links, so a link planted there is replaced, never written through.
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

    // Switches row on or off and returns the state found afterwards.
    bool selectLoginItem(int row, bool on);

    // The autostart entries, user over system, in their order.
    QList<AutostartItem> autostartItems() const;
    bool isApplicationInItemList(const QList<AutostartItem> &list, const Row &app) const;
    bool addAppAsLoginItem(const Row &app);
    void removeFromLoginItems(const Row &app);

    QString userFolder() const { return m_userFolder; }

private:
    bool belongsTo(const AutostartItem &item, const Row &row) const;
    QList<Row> listedApplications() const;
    bool writeUserEntry(const QString &id, const DesktopEntry &entry) const;
    bool removeUserEntry(const QString &id) const;
    void refreshLoginarray();

    QString m_userFolder;
    QString m_systemFolder;
    QList<Row> m_rows;  // the applications, then the helpers
    QStringList m_loginarray;
};

}  // namespace sw
