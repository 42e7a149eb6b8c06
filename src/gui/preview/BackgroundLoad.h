// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/foundation/ORDispatch.h"

#include <QObject>
#include <QPointer>

#include <utility>

namespace sw {

// Runs work() on the global thread pool and hands its result to done() on the
// main thread, unless receiver was destroyed meanwhile. work() must not touch
// widgets; done() decides whether the result is still wanted.
template <class Work, class Done>
void loadInBackground(QObject *receiver, Work work, Done done)
{
    QPointer<QObject> guard(receiver);
    ORDispatch::global(ORDispatch::Priority::Default, [guard, work = std::move(work), done = std::move(done)] {
        auto result = work();
        ORDispatch::main([guard, done, result = std::move(result)] {
            if (guard)
                done(result);
        });
    });
}

}  // namespace sw
