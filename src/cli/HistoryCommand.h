// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CliCommand.h"
#include "core/history/HistoryRecord.h"

// `sweepwright-cli history [--json]`: the removals of every tool, newest
// first, each with its id. `history --put-back ID [--yes|--dry-run]` puts
// the items that run moved to the Trash back where they were (never over
// anything that is there now), says what could not come back and records
// the put back as a run of its own.
class HistoryCommand : public CliCommand
{
public:
    HistoryCommand();

protected:
    QString help() const override;
    void declareOptions(CliOptions &options) const override;
    std::optional<QString> configure(const CliOptions &options) override;
    int execute(const CliOptions &options) override;

private:
    int list(bool json) const;
    int putBack(const CliOptions &options) const;
    void writePutBack(bool json, const sw::HistoryRecord &run, const QList<sw::HistoryItem> &plan,
                      const sw::HistoryRecord *done) const;

    QString m_putBack;  // the id of the run to put back
};
