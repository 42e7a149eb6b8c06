// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/fs/CategoryRoots.h"

#include <QList>
#include <QString>

#include <optional>

namespace sw::ext {
// The categories' group numbers; scan order is 0, 1, 2, 4, 3.
enum GroupID : qint64 {
    Extensions = 0,   // kernel extensions (macos), browser extensions (freedesktop)
    Preferences = 1,  // preference panes (macos), desktop extensions (freedesktop)
    Internet = 2,     // internet plug-ins (macos), browser plug-ins (freedesktop)
    Spotlight = 3,    // Spotlight importers (macos), search providers (freedesktop)
    QuickLook = 4,    // QuickLook generators (macos), thumbnailers (freedesktop)
};

// One add-on a category found: the folder it was listed in (its category
// root, below which it is reached and removed), its path and, when its
// metadata names it, its display name; the browser or desktop it belongs to
// ("Firefox", "GNOME Shell"; the category's owner when empty), the browser
// profile it is in, and whether it is on, when the owner's files say so.
struct Candidate
{
    QString root;
    QString path;
    QString name;
    QString owner;
    QString profile;
    std::optional<bool> enabled;
};
using Candidates = QList<Candidate>;
}  // namespace sw::ext

// One extension category as the scanner and the pages know it in the current
// layout: its group number, the switch key that skips it, its texts
// (translated when shown) and where it looks. All of it comes from one table.
struct ORExtCategory
{
    using Locations = sw::ext::Candidates (*)(sw::CategoryRoots &roots);

    qint64 groupID = 0;
    QString skipKey;
    const char *name = "";
    const char *info = "";
    const char *owner = "";  // what its add-ons belong to when they do not say
    Locations locations = nullptr;

    QString groupName() const;
    QString groupInfo() const;
    QString ownerName() const;

    // The categories of the current layout in scan order.
    static QList<ORExtCategory> categories();
    static std::optional<ORExtCategory> byID(qint64 groupID);
};
