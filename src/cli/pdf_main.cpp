// SPDX-License-Identifier: GPL-3.0-or-later
// sweepwright-cli-pdf: the `pdf` command, run by sweepwright-cli in its place
// with the words after "pdf" (HelperProgram.h).

#include "cli/HelperProgram.h"
#include "cli/PdfCommand.h"

int main(int argc, char *argv[])
{
    return helperprogram::helperMain<PdfCommand>(argc, argv);
}
