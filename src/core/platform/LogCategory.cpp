// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/LogCategory.h"

#include <atomic>

namespace sw {

namespace {
std::atomic<bool> g_quiet{false};
}

QtMsgType logThreshold(QtMsgType application)
{
    return g_quiet.load(std::memory_order_relaxed) ? QtWarningMsg : application;
}

void setQuietLogging()
{
    g_quiet.store(true, std::memory_order_relaxed);
}

}  // namespace sw
