// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CliCommand.h"
#include "core/pdf/PdfCompressor.h"

#include <QString>

#include <optional>

// `sweepwright-cli pdf FILE [--quality 0|1|2] [-o OUT] [--password-stdin]
// [--json]`: makes a smaller copy of a PDF document with the compressor's
// engine. Without -o the copy stays in the compressor's output folder and
// its path is printed; -o moves it to OUT (a file, or a folder to put it
// in), replacing an existing file, or a link, only with --yes or after a
// question.
//   0    a copy was made (possibly the source itself: "keptOriginal")
//   1    not a PDF, a wrong or missing password, or a failed compression
//   2    a usage error, or OUT exists with nobody to confirm replacing it
//   130  Ctrl-C: Ghostscript is stopped and no copy is left (SIGTERM and
//        SIGHUP likewise, with 143 and 129)
class PdfCommand : public CliCommand
{
public:
    PdfCommand();

protected:
    QString help() const override;
    void declareOptions(CliOptions &options) const override;
    std::optional<QString> configure(const CliOptions &options) override;
    int execute(const CliOptions &options) override;

private:
    // Opens the document, with its password when it needs one; an exit
    // status when it cannot be used.
    std::optional<int> unlock(ORPdfFile &file) const;
    // Where -o puts the copy; an exit status when it may not go there.
    std::optional<int> placeCopy(const CliOptions &options, QString &path) const;
    int dryRun(const ORPdfFile &file, const QString &target) const;
    void report(const ORPdfFile &file, const sw::PdfCompression &result, const QString &outputPath) const;

    QString m_file;
    int m_quality = 0;
    QString m_out;
    bool m_json = false;
    bool m_passwordFromStdin = false;
};
