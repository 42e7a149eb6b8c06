// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/winmail/unarchiver/XADSimpleUnarchiver.h"

#include <QString>

#include <functional>
#include <optional>

namespace sw {
class JobControl;

// Asked when an archive needs a password: problem is empty the first time,
// and says why ("Wrong password") when the last answer did not open it.
// nullopt gives up the extraction. Called on the extracting thread.
using PasswordPrompt = std::function<std::optional<QString>(const QString &problem)>;

// Answers one extraction's questions: the password from the prompt (again
// after a wrong one, for as long as the prompt gives one), the names'
// encoding from the request or the settings, progress as "fileprogress"
// and into the job.
class ExtractionDelegate : public XADSimpleUnarchiverDelegate
{
public:
    // encoding: empty for the settings' choice, "auto" for the detector's,
    // else an ICU converter name or alias.
    ExtractionDelegate(const QString &encoding, const PasswordPrompt &prompt, JobControl &job);

    bool abandoned() const { return m_abandoned; }
    // The last password given (the one that opened the archive when it was
    // extracted); nullopt when none was asked for.
    const std::optional<QString> &password() const { return m_password; }

    bool simpleUnarchiverNeedsPassword(XADSimpleUnarchiver &unarchiver) override;
    QString simpleUnarchiver(XADSimpleUnarchiver &, const XADString &names) override;
    bool simpleUnarchiver(XADSimpleUnarchiver &, const XADEntry &, const QString &) override;
    void simpleUnarchiver(XADSimpleUnarchiver &, const XADEntry &, qint64, qint64, qint64 totalProgress,
                          qint64 totalSize) override;

private:
    const QString m_encoding;
    const PasswordPrompt &m_prompt;
    JobControl &m_job;
    std::optional<QString> m_password;
    bool m_abandoned = false;
};

}  // namespace sw
