// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace sw {

// The folders a removal with administrator rights may start from: the
// system locations the tools list items in that only root may remove (the
// caches and logs of the system, and in the macos layout its Library and
// Applications), and the home of the user who asked. The privileged helper
// accepts a request only for an item below one of them, and the user side
// names each item relative to the one that holds it.
//
// The table is fixed: it depends on the layout, its root and the home only,
// never on what a request says.
class PrivilegedRoots
{
public:
    // macos: whether the Mac layout's table applies; root and home are
    // absolute. The home comes last.
    static QStringList table(bool macos, const QString &root, const QString &home);
    // The table of the configured layout (ORLayout).
    static QStringList current();
};

}  // namespace sw
