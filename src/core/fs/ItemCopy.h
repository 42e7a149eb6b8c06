// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

namespace sw {

// Copies a file or a whole folder to a new path without following any
// symbolic link: a link is copied as a link, and a folder's content is
// reached through descriptors opened below it, so a link swapped in midway
// leads nowhere. Devices, FIFOs and sockets are not copied. Modes lose
// their setuid, setgid and sticky bits. A file at the target is
// overwritten; a folder at the target is copied into.
class ItemCopy
{
public:
    struct Failure
    {
        QString path;  // the source item that was not copied (fully)
        QString reason;
    };

    // What could not be copied; empty when everything was.
    static QList<Failure> copy(const QString &source, const QString &target);
};

}  // namespace sw
