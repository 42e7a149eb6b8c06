// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/winmail/ExtractionDelegate.h"

#include "core/foundation/JobControl.h"
#include "core/foundation/ORPrefConfig.h"
#include "core/foundation/ORUtility.h"
#include "core/winmail/names/EncodingChoice.h"
#include "core/winmail/names/XADString.h"

namespace sw {

ExtractionDelegate::ExtractionDelegate(const QString &encoding, const PasswordPrompt &prompt, JobControl &job)
    : m_encoding(encoding), m_prompt(prompt), m_job(job)
{
}

bool ExtractionDelegate::simpleUnarchiverNeedsPassword(XADSimpleUnarchiver &unarchiver)
{
    // Asked again only when the last password proved wrong: the prompt hears so.
    const QString problem = m_password ? unarchiver.errorDescription() : QString();
    const std::optional<QString> password = m_prompt ? m_prompt(problem) : std::nullopt;
    if (!password) {
        m_abandoned = true;
        return false;
    }
    m_password = password;
    unarchiver.setPassword(*password);
    unarchiver.setPasswordEncodingName(XADString::encodingNameForEncoding(
        int(ORPrefConfig::integerForKey(QStringLiteral("filenameEncoding")))));
    return true;
}

QString ExtractionDelegate::simpleUnarchiver(XADSimpleUnarchiver &, const XADString &names)
{
    if (m_encoding.isEmpty())
        return EncodingChoice::chooseFromSettings(names);
    if (m_encoding == QLatin1String("auto"))
        return EncodingChoice::choose(names, QString(), qint64(0));
    return m_encoding;
}

bool ExtractionDelegate::simpleUnarchiver(XADSimpleUnarchiver &, const XADEntry &, const QString &)
{
    return !m_job.isCancelled();
}

void ExtractionDelegate::simpleUnarchiver(XADSimpleUnarchiver &, const XADEntry &, qint64, qint64,
                                          qint64 totalProgress, qint64 totalSize)
{
    if (totalSize <= 0)
        return;
    ORUtility::notifyProgressOnMainThread(QStringLiteral("fileprogress"),
                                          float(double(totalProgress) / double(totalSize)));
}

}  // namespace sw
