// SPDX-License-Identifier: GPL-3.0-or-later
// sweepwright-cli-extract: the `extract` command, run by sweepwright-cli in
// its place with the words after "extract" (HelperProgram.h).

#include "cli/ExtractCommand.h"
#include "cli/HelperProgram.h"

int main(int argc, char *argv[])
{
    return helperprogram::helperMain<ExtractCommand>(argc, argv);
}
