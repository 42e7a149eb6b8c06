// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QUrl>

// The application's way into the winmail.dat decoder: decodes one file into
// a directory with the application's options (the bodies saved as
// "MailBody.rtf", ".html" and ".txt"). Decodes are serialised, since the
// decoder keeps process-wide state.
class ORWinmailCore {
public:
    // True when the file was decoded. False for a non-file URL, an unreadable
    // source, a stream that is not TNEF and after a fatal decoding error (the
    // files written before it stay in the directory). Never throws.
    static bool extractWinmailDatFromPathWithURL(const QUrl &fromUrl, const QUrl &toUrl);
};
