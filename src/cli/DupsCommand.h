// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/FinderCommand.h"
#include "core/dups/DupKeepRule.h"
#include "core/dups/ORDupDataCollection.h"

// `sweepwright-cli dups [FOLDER...] [--layout L] [--root R] [--home H] [--json]
// [--quick] [--keep RULE] [--reference DIR]... [--trash-all-but-first |
// --link KIND [--yes | --dry-run]]`: lists
// the sets of equal files and packages larger than 16 KiB in the folders.
// --quick trusts equal size and sampled digest without comparing whole
// contents. --trash-all-but-first moves every copy of each set but the one
// the keep rule picks to the Trash and reports what was moved and "delSize".
// --reference names a folder of originals (scanned too): its copies are
// marked in the listing ("isReference" in JSON) and never planned or moved.
// --link KIND (hard, reflink or symbolic) instead replaces each of those
// copies by a link to the copy kept, confirmed byte by byte first.
// A run that moves nothing prints each set as it is found when stdout is
// no terminal, and keeps none of them. --csv writes the sets as CSV
// (sw::DupResultCsv). --empty lists empty files, empty folders and broken
// links instead (sw::EmptyFinder); with --yes, --dry-run or the removal flag
// every item listed goes to the Trash. Digests of unchanged files come from
// the hash cache unless --no-cache; --clear-cache empties it and scans
// nothing.
class DupsCommand : public FinderCommand<ORDupDataCollection>
{
public:
    DupsCommand();

protected:
    QString help() const override;
    void declareOptions(CliOptions &options) const override;
    std::optional<QString> configureEngine(ORDupDataCollection &engine, const CliOptions &options) override;
    int execute(const CliOptions &options) override;
    Plan plan() override;
    sw::RemovalReport remove(sw::JobControl &job) override;
    void writeResult(JsonWriter &json) const override;
    void writeResult(FILE *out) const override;
    bool listsAsFound() const override { return !m_empty && !m_csv; }
    bool asksRemoval(const CliOptions &options) const override;
    void beginListing(JsonWriter *json) override;
    void endListing(JsonWriter *json) const override;

private:
    // One set, as the listing and the held result's report write it.
    void writeGroup(JsonWriter *json, const ORDupDataGroup &group) const;
    // After the last set: the totals.
    void writeEnd(JsonWriter *json, qint64 groups, qint64 totalSize) const;

    sw::DupKeepRule m_keep = sw::DupKeepRule::FirstFound;
    bool m_references = false;  // --reference was given
    std::optional<sw::LinkKind> m_link;  // --link: copies become links instead of going
    qint64 m_listedGroups = 0;  // the sets listed as found
    bool m_empty = false;  // --empty
    bool m_csv = false;    // --csv
};
