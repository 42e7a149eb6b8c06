// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/TemporaryBase.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

namespace sw {

namespace {

// One context for the texts of this file, whichever function shows them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(TemporaryBase)
};

}  // namespace

TemporaryBase::Result TemporaryBase::resolve()
{
    const QString given = qEnvironmentVariable("TMPDIR");
    const QString path = given.isEmpty() ? QStringLiteral("/tmp") : QDir::cleanPath(given);
    if (!path.startsWith(QLatin1Char('/')))
        return {{}, Text::tr("TMPDIR (%1) is not an absolute path").arg(given)};
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISDIR(st.st_mode))
        return {{}, Text::tr("TMPDIR (%1) is not an existing folder").arg(path)};
    if (st.st_uid != ::geteuid() && !(st.st_mode & S_ISVTX))
        return {{}, Text::tr("TMPDIR (%1) belongs to another user and is not a shared temporary folder").arg(path)};
    return {path, {}};
}

}  // namespace sw
