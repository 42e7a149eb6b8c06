// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/winmail/ORWinmailCore.h"

#include "core/platform/LogCategory.h"
#include "tnef/tnef.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

#include <mutex>

namespace {

Q_LOGGING_CATEGORY(lcWinmail, "sweepwright.winmail", sw::logThreshold(QtDebugMsg))

// parse_file keeps its options and buffers process-wide.
std::mutex g_decodeMutex;

} // namespace

bool ORWinmailCore::extractWinmailDatFromPathWithURL(const QUrl &fromUrl, const QUrl &toUrl)
{
    // Checked before anything is created: a non-file URL has no path to use.
    if (!fromUrl.isLocalFile()) {
        qCWarning(lcWinmail, "fromUrl must be a valid file URL!");
        return false;
    }
    if (!toUrl.isLocalFile()) {
        qCWarning(lcWinmail, "toUrl must be a valid file URL!");
        return false;
    }
    const QString toPath = toUrl.toLocalFile();
    if (!QFileInfo::exists(toPath))
        QDir().mkpath(toPath);
    const QByteArray directory = QFile::encodeName(toPath);

    FILE *input = fopen(QFile::encodeName(fromUrl.toLocalFile()).constData(), "rb");
    if (input == nullptr)
        return false;
    int result = 1;
    {
        const std::lock_guard<std::mutex> lock(g_decodeMutex);
        result = parse_file(input, directory.constData(), "MailBody", "all", OPT_SAVE_BODIES);
    }
    fclose(input);
    return result == 0;
}
