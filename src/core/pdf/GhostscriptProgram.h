// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace sw {

// Which Ghostscript program runs: $SWEEPWRIGHT_GS (the tests' stand-ins),
// else gs on the PATH. A file of its own, without poppler: the About dialog
// asks it, and the program must not load the PDF library at start for that.
class GhostscriptProgram
{
public:
    // Empty when there is none.
    static QString path();
};

} // namespace sw
