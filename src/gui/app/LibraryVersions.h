// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

namespace sw {

// The libraries the program runs on, with the versions loaded now: Qt,
// libarchive, ICU, and poppler as the viewers plugin that carries it
// reports it (the version it was built with when the plugin cannot be
// loaded). Ghostscript is a program of its own: GhostscriptVersion asks it.
class LibraryVersions
{
public:
    struct Library
    {
        QString name;
        QString version;
    };

    static QList<Library> inUse();
};

} // namespace sw
