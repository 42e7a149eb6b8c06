// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/winmail/ORFileDataCollection.h"

#include <QString>

#include <cstdio>

// What `extract` prints: the destination (or, listing, one line per entry)
// on standard output and the skipped entries on standard error; with --json
// one JSON object instead, whether the extraction succeeded or not.
//
// With --json, standard output carries nothing but that object: while the
// report lives, whatever else would reach standard output (a library's
// chatter, the winmail decoder's messages) goes to standard error.
//
// Names come from the archive and may hold any character: in text, control
// characters and backslashes are shown escaped ("\n", "\x1b", "\\"), so
// that a crafted name cannot fake lines of the listing or move the cursor.
class ExtractReport
{
public:
    ExtractReport(bool json, bool listing);
    ~ExtractReport();
    ExtractReport(const ExtractReport &) = delete;
    ExtractReport &operator=(const ExtractReport &) = delete;

    // 0 when everything reached standard output, else 1 (said on stderr).
    int success(const sw::ExtractionOutcome &outcome);
    // Says why on stderr (and as JSON), with what was written before and
    // stays; returns status.
    int failure(const QString &source, const QString &why, const sw::ExtractionOutcome &outcome, int status);

    // text with control characters and backslashes escaped, in the locale's encoding.
    static QByteArray printable(const QString &text);

private:
    void reportJson(const sw::ExtractionOutcome &outcome, const QString &error);
    void reportSkipped(const QList<XADSkippedItem> &skipped) const;

    bool m_json;
    bool m_listing;
    FILE *m_out = stdout;  // where the report goes: a copy of standard output with --json
};
