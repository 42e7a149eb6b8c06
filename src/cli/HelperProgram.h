// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CliCommand.h"

#include <QCoreApplication>
#include <QString>

// Commands whose libraries sweepwright-cli must not load at start run in a
// helper program of their own: `pdf` needs poppler, which brings QtGui,
// fontconfig and X11 with it, `extract` needs libarchive and its
// compressors, and every other command would pay for them on each run. The helper takes the command's words and behaves as the command
// did in-process (same options, output and exit status); sweepwright-cli
// replaces itself by it, so the terminal, the signals and the exit status
// are the helper's own.
//
// A helper is found next to the running program (the build tree), else in
// the installed helpers' folder, given relative to the program's folder
// (SWEEPWRIGHT_HELPER_DIR, "../libexec/sweepwright" for a default install).
namespace helperprogram {

// The helper's path, or an empty string when neither place has it.
QString locate(const QString &helperName);

// Runs the helper in place of this process with args (the program's raw
// arguments after the command's name). Returns only when it cannot:
// prints why on stderr and returns 1.
int execInstead(const char *command, const QString &helperName, char *const args[], int count);

// The whole main() of a helper program running Command.
template <class Command>
int helperMain(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    CliCommand::prepareApplication();
    return Command().run(QCoreApplication::arguments().mid(1));
}

}  // namespace helperprogram
