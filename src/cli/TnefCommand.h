#pragma once

#include <QStringList>

// `sweepwright-cli tnef FILE [-C DIR] [options]`: decodes a winmail.dat file
// into DIR (default: the current folder). args are the words after "tnef".
// Returns the decoder's result, 1 after a fatal decoding error or when FILE
// cannot be opened, 2 for a usage error.
int runTnefCommand(const QStringList &args);
