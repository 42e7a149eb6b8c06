// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CliCommand.h"
#include "cli/CliRemoval.h"
#include "core/fs/RemovalReport.h"

#include <QStringList>

#include <cstdio>
#include <optional>

class JsonWriter;

// `sweepwright-cli shred PATH... [--overwrite] [--yes | --dry-run] [--json]`:
// removes the files and folders named, whole, through the shredder's engine.
// The paths are listed and measured first; those that may never go (/, the
// home, a folder holding it, protected folders and what lies in them, the
// layout's root: known by identity, so a bind mount does not hide them) are
// refused: named on stderr with their reason, listed under "failed" in the
// JSON, and nothing else happens to them. The rest go
// after a question on a terminal or with --yes; --dry-run shows the plan.
// Exit status as ToolCommand: 0 done, 1 a path stayed, 2 usage or nobody to
// confirm, 130 Ctrl-C.
class ShredCommand : public CliCommand
{
public:
    ShredCommand();

protected:
    QString help() const override;
    void declareOptions(CliOptions &options) const override;
    std::optional<QString> configure(const CliOptions &options) override;
    int execute(const CliOptions &options) override;

private:
    struct Outcome
    {
        bool showsPlan() const { return consent == clirun::Consent::DryRun || consent == clirun::Consent::Refused; }
        std::optional<clirun::Consent> consent;  // none when nothing could go
        QStringList plan;
        QList<sw::RemovalFailure> refused;  // from the listing, or the removal's when it ran
        std::optional<sw::RemovalReport> report;
    };
    void writeJson(const Outcome &outcome) const;
    void writeText(const Outcome &outcome) const;

    QStringList m_paths;
};
