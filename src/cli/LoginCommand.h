// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CliCommand.h"

// `sweepwright-cli login [--layout L] [--root R] [--home H] [--json]
// [--on ID] [--off ID]`: lists the applications and autostart entries with
// their login switches; --on and --off switch one (ID: the desktop-file id
// without ".desktop", or the bundle name in the macos layout).
class LoginCommand : public CliCommand
{
public:
    LoginCommand();

protected:
    QString help() const override;
    void declareOptions(CliOptions &options) const override;
    std::optional<QString> configure(const CliOptions &options) override;
    int execute(const CliOptions &options) override;

private:
    QStringList m_on;
    QStringList m_off;
};
