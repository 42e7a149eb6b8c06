// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/ORLayout.h"

#include <QDir>
#include <QString>

namespace sw {

// XDG_STATE_HOME as the layout reads the other base folders: the variable
// when absolute and no home was given, else HOME/.local/state.
inline QString xdgStateHome()
{
    const QString fromEnv = qEnvironmentVariable("XDG_STATE_HOME");
    if (!ORLayout::homeOverridden() && QDir::isAbsolutePath(fromEnv))
        return QDir::cleanPath(fromEnv);
    return ORLayout::homePath(QStringLiteral(".local/state"));
}

}  // namespace sw
