// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CliCommand.h"
#include "core/winmail/ORFileDataCollection.h"

#include <QString>

#include <functional>
#include <optional>

// `sweepwright-cli extract FILE [-C DIR] [options]`: extracts an archive or a
// winmail.dat file with the application's engine. Without -C it goes where
// the archive page puts it (a folder named after the file in a fresh
// private temporary folder) and the destination is printed; with -C the
// entries are written into DIR as the archive names them. --list writes
// nothing. The password is asked for only when the archive needs one.
//   0    extracted (or listed)
//   1    the file is missing, damaged (an entry cut short among others), not a
//        format we read, the password is wrong or missing, TMPDIR is not
//        usable, or the disk ran short
//   2    a usage error
//   130  Ctrl-C: the extraction stops between entries; what was written stays
class ExtractCommand : public CliCommand
{
public:
    ExtractCommand();

protected:
    QString help() const override;
    void declareOptions(CliOptions &options) const override;
    std::optional<QString> configure(const CliOptions &options) override;
    int execute(const CliOptions &options) override;

private:
    enum class PasswordFrom { Terminal, File, Stdin };

    std::optional<QString> configurePassword(const CliOptions &options);
    std::optional<QString> prepareDirectory();
    // Runs the extraction on a worker while the progress line and Ctrl-C
    // are served here; true when Ctrl-C stopped it.
    bool runExtraction(sw::ExtractionOutcome &outcome);
    std::optional<QString> password(const sw::JobControl &job, const std::function<void(bool)> &showProgress,
                                    const QString &problem);
    QString failureText(const sw::ExtractionOutcome &outcome) const;

    sw::ExtractionRequest m_request;
    QString m_directory;  // -C as given
    bool m_json = false;
    bool m_listEncodings = false;
    PasswordFrom m_passwordFrom = PasswordFrom::Terminal;
    std::optional<QString> m_password;  // read from the file
    bool m_passwordMissing = false;     // asked for, and nobody could give one
    QString m_wrongPassword;            // why the last password given was refused
    int m_retries = 0;                  // passwords asked for again on the terminal
};
