// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

namespace sw {

// What 7zz says, read: the technical listing (l -slt -ba), the progress
// percentages (-bsp1) and the error lines that tell why it failed. 7zz runs
// in the C.UTF-8 locale, so names and messages are UTF-8 and English.
namespace sevenzip {

enum class Status {
    Ok,
    NotArchive,       // 7zz knows no format in it
    PasswordRequired, // encrypted (entries or listing) and no password given
    WrongPassword,
    Damaged, // bad data, bad checksum, cut short
    NoSpace, // the staging folder's file system ran short
    Cancelled,
    ProgramMissing, // no 7zz, or it would not start
};

struct Entry
{
    QString path; // as 7zz names it: '/' separated, relative
    qint64 size = -1;
    bool folder = false;
    bool link = false;
    QString linkTarget;
    bool encrypted = false;
};

// An entry 7zz left out on purpose ("Dangerous link path was ignored").
struct Skipped
{
    QString path;
    QString reason;
};

struct Verdict
{
    Status status = Status::Ok;
    QList<Skipped> skipped;
    QString message; // 7zz's error lines, for the log
};

// The entries of "7zz l -slt -ba": blocks of "Key = Value" lines.
QList<Entry> parseListing(const QByteArray &output);
// The last percentage in a piece of -bsp1 output, -1 when there is none.
int lastPercent(const QByteArray &output);
// Why a run ended as it did. passwordGiven: a non-empty password was offered.
Verdict verdict(int exitCode, const QByteArray &errorOutput, bool passwordGiven);

} // namespace sevenzip
} // namespace sw
