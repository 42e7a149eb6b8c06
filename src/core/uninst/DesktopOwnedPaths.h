// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSet>
#include <QString>

namespace sw {

// The files and folders of the home that the freedesktop specifications or
// the desktop itself keep (the Trash, the menu's entries, autostart, icons,
// fonts, the session's settings, ...): never an application's leftover,
// whatever an application is called. Compared without regard to case, so
// "Trash" and "trash" are both left alone. Built from the layout's folders
// when made.
class DesktopOwnedPaths
{
public:
    DesktopOwnedPaths();

    bool contains(const QString &cleanPath) const;

private:
    QSet<QString> m_paths;  // lower case
};

}  // namespace sw
