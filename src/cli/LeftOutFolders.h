// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The protected system folders (ProtectedPaths) a finder command's scan
// leaves out, so that a user who names one learns why nothing was found
// there instead of reading "0 items".
class LeftOutFolders
{
public:
    struct Entry
    {
        QString folder;
        QString reason;
    };

    // Takes out of folders those that are or lie in a protected folder
    // (known by identity, so a bind mount or a link does not hide one) and
    // returns them, then the protected folders inside the folders kept,
    // whose contents the scan does not list; each with its reason, once.
    static QList<Entry> takeOut(QStringList &folders);
    // One line per entry on stderr.
    static void tell(const QList<Entry> &entries);
};
