#pragma once

#include <QStringList>

// `sweepwright-cli junk [--layout L] [--root R] [--home H] [--json] [--clean]
// [--category ID]... [--all]`: scans the junk categories and lists what they
// found; with --clean removes what the engine marks by default and reports
// the bytes removed. args are the words after "junk". Returns 0, 1 when a
// removal failed, 2 for a usage error. Writes nothing to the settings store
// and never touches the login items.
int runJunkCommand(const QStringList &args);
