// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CliCommand.h"

// `sweepwright-cli memory [--layout L] [--home H] [--json] [--release]`:
// prints the memory figures and the space of the volume that holds the
// Documents folder; with --release releases memory first and prints the
// released amount (the change of free memory, negative when other programs
// took memory meanwhile). Exit status 1 when the memory figures cannot be
// read.
class MemoryCommand : public CliCommand
{
public:
    MemoryCommand();

protected:
    QString help() const override;
    void declareOptions(CliOptions &options) const override;
    std::optional<QString> configure(const CliOptions &options) override;
    int execute(const CliOptions &options) override;
};
