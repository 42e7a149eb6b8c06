// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QString>

class QMimeType;

// The icon the desktop shows for a file: the icon theme's icon for its MIME
// type (its own icon, else its generic one), else our own image for the
// type's family, so a file always has a type icon. Icons are kept per MIME
// type: a list of 100,000 rows asks for a handful. Main thread only.
namespace sw::FileIcon {

QIcon forPath(const QString &path);
// Names an installed freedesktop icon theme where the platform names none, so
// QIcon::fromTheme finds application icons too. Main thread only.
void ensureIconTheme();
// The family image that stands in when the theme has no icon for the type:
// "sw_mime_audio", "_video", "_image", "_text", "_archive", "_document" or
// "_generic" (compiled in under ":/images/").
QString fallbackName(const QMimeType &type);

}  // namespace sw::FileIcon
