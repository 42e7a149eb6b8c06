// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace sw {

// Which viewer shows a file.
enum class PreviewKind { Image, Pdf, Text, Media, Icon };

// The viewer for the file at path whose extension (as the caller knows it,
// any letter case) is type, decided in this order: an image the image
// decoder reads, a PDF, UTF-8 text (its first MiB is read to tell), audio or
// video, else the file's icon. Anything but a regular file gets its icon.
PreviewKind kindFor(const QString &path, const QString &type);

}  // namespace sw
