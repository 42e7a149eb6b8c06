// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QVariant>

#include <functional>

// Background work and the way back to the main thread.
//
// global() runs a block on the global thread pool. main() queues a block to the
// main thread; mainSync() runs it there and waits (never call it from the main
// thread). Blocks and notifications queued by notifyOnMainThread() share one
// ordered queue, so a completion block never overtakes the progress posted
// before it.
class ORDispatch
{
public:
    enum class Priority { Background, Low, Default, High };

    static void global(Priority priority, std::function<void()> block);
    static void main(std::function<void()> block);
    static void mainSync(std::function<void()> block);
};
