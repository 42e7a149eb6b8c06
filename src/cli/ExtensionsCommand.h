// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/PickCommand.h"
#include "core/extensions/ORExtDataCollection.h"

// `sweepwright-cli extensions [--layout L] [--root R] [--home H] [--json]
// [--remove PATH... [--yes | --dry-run]]`: lists the add-ons of the layout's
// categories; with --remove removes the items of those paths.
class ExtensionsCommand : public PickCommand<ORExtDataCollection>
{
public:
    ExtensionsCommand();

protected:
    QString help() const override;
    std::optional<QString> tick(const QStringList &paths) override;
    QString normalized(const QString &path) const override;
    Plan plan() override;
    void writeResult(JsonWriter &json) const override;
    void writeResult(FILE *out) const override;
};
