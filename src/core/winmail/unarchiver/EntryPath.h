// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace sw {

// An archive entry's name turned into a path that can only lead below the
// destination. The name is already decoded; a backslash in it is an
// ordinary character of a file name, never a separator (on this system it
// is one), so "..\x" is a single harmless name "..\x" made ".._x" to keep
// it from looking like a path on other systems.
//
// Leading '/' and drive letters ("C:") are dropped, "." and empty
// components are dropped, and any ".." component refuses the whole entry:
// a name that climbs is hostile, not a path to be repaired.
class EntryPath
{
public:
    // An empty list when the name is refused (climbs, or nothing is left).
    static QStringList components(const QString &name);
    // The components joined with '/'; empty when refused.
    static QString safe(const QString &name) { return components(name).join(QLatin1Char('/')); }

    // Whether a link at linkPath (safe components) pointing to target stays
    // inside the destination. The target may climb out of the link's own
    // folder with leading "..", then only descend: a ".." after a name is
    // refused, because that name may itself be a link and the ".." would
    // then be taken from wherever the link leads.
    static bool linkStaysInside(const QStringList &linkPath, const QString &target);
};

}  // namespace sw
