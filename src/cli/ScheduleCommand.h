// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CliCommand.h"
#include "core/junk/ScheduleUnits.h"

#include <optional>

// `sweepwright-cli schedule [--daily|--weekly|--monthly|--off] [--json]`:
// tells whether junk is cleaned on a schedule (how often, the categories,
// whether the timer is enabled), or sets the schedule first, as the
// preferences do.
class ScheduleCommand : public CliCommand
{
public:
    ScheduleCommand();

protected:
    QString help() const override;
    void declareOptions(CliOptions &options) const override;
    std::optional<QString> configure(const CliOptions &options) override;
    int execute(const CliOptions &options) override;

private:
    std::optional<sw::ScheduleFrequency> m_change;
};
