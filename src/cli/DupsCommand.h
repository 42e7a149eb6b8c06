#pragma once

#include "DupKeepRule.h"
#include "FinderCommand.h"
#include "ORDupDataCollection.h"

// `sweepwright-cli dups [FOLDER...] [--layout L] [--root R] [--home H] [--json]
// [--quick] [--keep RULE] [--trash-all-but-first [--yes | --dry-run]]`: lists
// the sets of equal files and packages larger than 16 KiB in the folders.
// --quick trusts equal size and sampled digest without comparing whole
// contents. --trash-all-but-first moves every copy of each set but the one
// the keep rule picks to the Trash and reports what was moved and "delSize".
class DupsCommand : public FinderCommand<ORDupDataCollection>
{
public:
    DupsCommand();

protected:
    QString help() const override;
    void declareOptions(CliOptions &options) const override;
    std::optional<QString> configureEngine(ORDupDataCollection &engine, const CliOptions &options) override;
    Plan plan() override;
    void writeResult(JsonWriter &json) const override;
    void writeResult(FILE *out) const override;

private:
    sw::DupKeepRule m_keep = sw::DupKeepRule::FirstFound;
};
