// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

namespace sw {

// A logging category as Q_LOGGING_CATEGORY defines it: the function that
// makes it on first use. Code that logs only when something goes wrong takes
// this rather than the category, so a run where nothing goes wrong never
// starts Qt's logging registry, which reads its configuration files and pages
// in a good part of QtCore to do so.
using LogCategory = const QLoggingCategory &(*)();

// The least severe message the library's categories print unless logging
// rules say otherwise: `application` in the application, warnings only once
// setQuietLogging() was called (the command line, before any category is
// made). Use as Q_LOGGING_CATEGORY's threshold.
QtMsgType logThreshold(QtMsgType application);
void setQuietLogging();

}  // namespace sw
