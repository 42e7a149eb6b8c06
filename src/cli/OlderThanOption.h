// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CliOptions.h"

#include <QString>

#include <optional>

// `--older-than DAYS` of the junk, large and dups commands: only items last
// modified more than DAYS days ago (0: all of them).
namespace OlderThanOption {
void declare(CliOptions &options);
// The days given, nothing when the option was not; a usage error's text in
// problem for a value that is no whole number of days within bounds.
std::optional<int> read(const CliOptions &options, std::optional<QString> &problem);
// The help's lines on the option: for the finders, and for junk.
QString finderHelp();
QString junkHelp();
}  // namespace OlderThanOption
