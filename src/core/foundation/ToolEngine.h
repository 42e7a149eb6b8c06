// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/foundation/JobControl.h"
#include "core/fs/RemovalReport.h"

#include <concepts>
#include <memory>

namespace sw {

// The contract every tool engine follows, so one job runner (the GUI's
// JobRunner, the CLI's command skeleton) drives any of them:
//
//   scan(job)    runs on the caller's thread, reports progress into job and
//                returns the new result, now held by the engine; nullptr when
//                job was cancelled (nothing is held then).
//   remove(job)  removes what is marked in the held result through the
//                removal core and returns its report; cancelled, it stops
//                after the current item and the report says what went.
//   result()     the result held (nullptr before a scan, after startOver()).
//   startOver()  forgets the result and whatever the scan was given.
template <class E>
concept ToolEngine = requires(E &engine, JobControl &job) {
    typename E::Data;
    { engine.scan(job) } -> std::same_as<std::shared_ptr<typename E::Data>>;
    { engine.remove(job) } -> std::same_as<RemovalReport>;
    { engine.result() } -> std::same_as<std::shared_ptr<typename E::Data>>;
    engine.startOver();
};

}  // namespace sw
