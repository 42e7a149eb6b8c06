// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace sw {

// True when path leads (through links) to a regular file.
bool isRegularFile(const QString &path);

// The whole of the regular file path leads to (through links), when it holds
// at most maxBytes; nullopt for anything else. The file is opened without
// waiting and its type is checked on the open descriptor: a FIFO or a
// device planted under the name, or swapped in after a check, is never read
// and never blocks.
std::optional<QByteArray> readRegularFile(const QString &path, qint64 maxBytes);

// The same for a file already opened (with O_NONBLOCK).
std::optional<QByteArray> readRegularFd(int fd, qint64 maxBytes);

// Writes all of bytes to fd, through short writes and interruptions.
bool writeAll(int fd, const QByteArray &bytes);

}  // namespace sw
