// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

namespace sw {

// True when path is folder or lies below it (both clean, absolute paths).
// Builds no string: scans ask it thousands of times.
inline bool isPathInside(QStringView path, QStringView folder)
{
    if (!path.startsWith(folder))
        return false;
    return path.size() == folder.size() || folder.endsWith(u'/') || path.at(folder.size()) == u'/';
}

}  // namespace sw
