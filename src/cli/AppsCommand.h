#pragma once

#include "ORAppDataCollection.h"
#include "PickCommand.h"

// `sweepwright-cli apps [--layout L] [--root R] [--home H] [--json]
// [--remove NAME... [--yes | --dry-run]]`: lists the installed applications,
// each with its bundle and its leftovers; with --remove removes every item of
// the applications of that name.
class AppsCommand : public PickCommand<ORAppDataCollection>
{
public:
    AppsCommand();

protected:
    QString help() const override;
    std::optional<QString> tick(const QStringList &names) override;
    Plan plan() override;
    void writeResult(JsonWriter &json) const override;
    void writeResult(FILE *out) const override;
};
