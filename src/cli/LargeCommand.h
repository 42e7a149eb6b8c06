// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/FinderCommand.h"
#include "core/bigs/ORBigDataCollection.h"

// `sweepwright-cli large [FOLDER...] [--layout L] [--root R] [--home H]
// [--json] [--trash [--yes | --dry-run]]`: lists the files and packages of
// 32 MB and more in the folders (default: the layout's default folders) in
// five size bands; with --trash moves every listed item to the Trash and
// reports what was moved, what was not and why, and "delSize".
class LargeCommand : public FinderCommand<ORBigDataCollection>
{
public:
    LargeCommand();

protected:
    QString help() const override;
    Plan plan() override;
    void writeResult(JsonWriter &json) const override;
    void writeResult(FILE *out) const override;
};
