// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/fs/AnchoredRoot.h"

#include <QString>

#include <optional>

namespace sw {

// The DeletionDate of a Trash info file ("2026-01-02T03:04:05", local time,
// in its [Trash Info] group), in seconds since the epoch. The file is read
// through its folder's descriptor without following a link, only when it is
// a regular file, and only its first few kilobytes: a planted FIFO, a huge
// file or one without a readable date gives nothing.
namespace TrashDeletionDate {
// path names an entry directly inside root.
std::optional<qint64> read(const AnchoredRoot &root, const QString &path);
}  // namespace TrashDeletionDate

}  // namespace sw
