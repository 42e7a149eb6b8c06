// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace sw {

// The beginning of a file read as UTF-8 text, for previews. Reading is bounded,
// so a huge file costs no more than its first `limit` bytes.
struct Utf8Text
{
    static constexpr qint64 kDefaultLimit = 1024 * 1024;

    QString text;
    bool truncated = false;  // the file is longer than what was read

    // nullopt when path is not a readable regular file (links followed; pipes
    // and devices are never opened) or its bytes are not UTF-8 text.
    static std::optional<Utf8Text> read(const QString &path, qint64 limit = kDefaultLimit);

    // Decodes bytes that must be valid UTF-8 without NUL characters (a NUL
    // marks a binary file even where it is valid UTF-8). mayBeCut: the bytes
    // are a prefix, so a sequence cut at the end is not a fault.
    static std::optional<QString> decode(QByteArray bytes, bool mayBeCut);
};

}  // namespace sw
