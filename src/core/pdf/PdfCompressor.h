// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/foundation/JobControl.h"
#include "core/pdf/GhostscriptLimits.h"
#include "core/pdf/ORPdfFile.h"

#include <QString>
#include <QStringList>

namespace sw {

// What one compression made.
struct PdfCompression
{
    QString outputPath;  // the copy; empty when none was made
    qint64 outputSize = 0;
    int pageCount = 0;
    // No smaller copy could be made: the copy is the source, byte for byte.
    bool keptOriginal = false;
    // The source was encrypted and the copy is not.
    bool protectionRemoved = false;
    bool cancelled = false;
    QString error;  // "Compression failed: …"; empty when a copy was made

    bool succeeded() const { return !cancelled && error.isEmpty(); }
};

// Makes a smaller copy of a PDF by rewriting it with Ghostscript's pdfwrite
// device in child processes (never in ours: a hostile document can only
// crash or stall gs, and gs runs within GhostscriptLimits), with the
// settings of one of three filter files: quality 0 brings images down to
// 50 ppi, 1 to 150 ppi, 2 to 300 ppi.
//
//   1. Two rewrites run side by side in a hidden folder of the output
//      folder (PdfWorkFolder): one with the filter's settings, one plain
//      (pdfwrite's defaults, images kept as they are), which is the smaller
//      where the filter has little to gain and recoding costs. A password
//      goes to gs in an argument file there, never on the command line,
//      which every user of the machine can read.
//   2. A copy must open and have every page of the source, else it does
//      not count; the smaller good copy wins. When neither is good, the
//      compression failed.
//   3. A copy that is not smaller than the source is thrown away and the
//      source is copied instead: the result is never larger than what the
//      user gave.
//   4. The result gets the source's file name, made unique in the folder
//      (ORUtility::desDirectory), so nothing there is ever replaced.
//
// gs's "Page N" lines of the filtered rewrite count the pages written into
// job's items; a cancel kills gs and leaves no file behind.
class PdfCompressor
{
public:
    static constexpr int kQualities = 3;

    // The filter file of a quality; empty for an index out of range (no
    // filter: the document is only rewritten).
    static QString filterPath(int quality);
    // The Ghostscript arguments a filter file holds.
    static QStringList filterArguments(const QString &filterPath);
    // $TMPDIR/Sweepwright; empty with error set when TMPDIR is unusable.
    static QString outputFolder(QString *error = nullptr);
    // GhostscriptProgram::path(): $SWEEPWRIGHT_GS, else gs on the PATH; empty
    // when there is none.
    static QString ghostscript();

    static PdfCompression compress(const ORPdfFile &source, int quality, JobControl &job,
                                   const GhostscriptLimits &limits = GhostscriptLimits::standard());
};

}  // namespace sw
