// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcessEnvironment>
#include <QString>

namespace sw {

// The file dialogs of the desktop, through its portal. Qt uses the portal
// (xdg-desktop-portal's FileChooser) only inside Flatpak and Snap unless its
// platform theme "xdgdesktopportal" is asked for; that theme keeps the
// desktop's own theme for everything else. It is asked for before the
// application object exists, when all of these hold:
//   - the user chose no platform theme (QT_QPA_PLATFORMTHEME is unset);
//   - Qt's portal theme plugin is installed;
//   - there is a session bus and the portal's service is installed;
//   - a portal back end that implements the FileChooser serves this desktop
//     (its UseIn names one of XDG_CURRENT_DESKTOP's, or it names none).
// Otherwise the desktop's theme gives its own dialog, or Qt its own.
class PortalFileDialogs
{
public:
    static bool available(const QProcessEnvironment &env, const QString &pluginsFolder);
    // Sets QT_QPA_PLATFORMTHEME when available() says so; call before QApplication.
    static void choose();

private:
    static QStringList dataFolders(const QProcessEnvironment &env);
    static bool hasFileChooserFor(const QString &portalsFolder, const QStringList &desktops);
};

}  // namespace sw
