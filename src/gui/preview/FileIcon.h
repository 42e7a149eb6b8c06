#pragma once

#include <QIcon>
#include <QString>

// The icon the desktop shows for a file: the icon theme's icon for its type,
// else the style's generic file or folder icon, so there is always one to
// draw. Main thread only.
namespace sw::FileIcon {

QIcon forPath(const QString &path);

}  // namespace sw::FileIcon
