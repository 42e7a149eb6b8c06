// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/fs/FileIdentity.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace sw {

// One removal asked of the privileged helper, and its answer, as the lines
// the user side writes to the helper's standard input and the helper writes
// back: one JSON object per line. Paths travel as bytes (percent-encoded),
// so a name in any encoding reaches the helper as it is on the disk.
//
// The user side says what it saw: the table root the item lies below with
// that root's device and inode, the item's path relative to the root's real
// location with its device and inode, and whether the item goes whole or is
// emptied. The helper believes none of it: it opens the root itself, and
// acts only while what it finds is what the request names.
struct PrivilegedRequest
{
    enum class Mode { Whole, Contents };

    QString root;        // a folder of the helper's table, as the table writes it
    dev_t rootDev = 0;
    ino_t rootIno = 0;
    QByteArray relative;  // below the root's real location
    dev_t dev = 0;
    ino_t ino = 0;
    Mode mode = Mode::Whole;

    QByteArray toLine() const;
    // nullopt for a line that is not a well-formed request.
    static std::optional<PrivilegedRequest> fromLine(const QByteArray &line);
};

// What became of one request: the bytes that went, and what stays with why
// (paths relative to the item; an empty one is the item itself).
struct PrivilegedAnswer
{
    // Why the helper would not touch an item at all.
    enum class Refusal {
        None,
        Malformed,    // the line was no request, or its path steps out
        OutsideTable, // the root is not one of the helper's
        RootChanged,  // the root is no longer the folder the user side saw
        Protected,    // the item is or lies in a protected folder, or holds the home
        Changed,      // the item is not the entry the user side saw
        Unreachable,  // a link or another file system lies on its way, or it is gone
    };
    struct Failure
    {
        QByteArray relative;
        QString reason;
    };

    qsizetype index = 0;  // the request's line, from 0
    qint64 removed = 0;
    Refusal refusal = Refusal::None;
    QList<Failure> failures;

    QByteArray toLine() const;
    static std::optional<PrivilegedAnswer> fromLine(const QByteArray &line);
};

}  // namespace sw
