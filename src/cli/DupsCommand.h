#pragma once

#include <QStringList>

// `sweepwright-cli dups [FOLDER...] [--layout L] [--root R] [--home H] [--json]
// [--quick] [--trash-all-but-first]`: lists the sets of equal files and
// packages larger than 16 KiB in the folders (default: the layout's documents
// and music folders). --quick trusts equal size and sampled digest without
// comparing whole contents. --trash-all-but-first moves every copy but the
// first of each group to the Trash and reports what was moved and "delSize".
// args are the words after "dups". Returns 0, 1 when a copy could not be
// moved, 2 for a usage error.
int runDupsCommand(const QStringList &args);
