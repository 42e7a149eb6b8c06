// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dups/DupCopyCheck.h"

#include "core/dups/ContentComparer.h"

#include <QCoreApplication>
#include <QFile>

#include <sys/stat.h>

namespace sw {

std::optional<QString> DupCopyCheck::refusal(const QString &kept, const QString &copy)
{
    const QByteArray keptPath = QFile::encodeName(kept);
    const QByteArray copyPath = QFile::encodeName(copy);
    struct stat keptSt;
    struct stat copySt;
    if (::lstat(keptPath.constData(), &keptSt) != 0)
        return QCoreApplication::translate("DupCopyCheck", "The copy kept is no longer there");
    if (::lstat(copyPath.constData(), &copySt) != 0)
        return std::nullopt;  // gone: the removal tells so itself
    if (S_ISDIR(keptSt.st_mode) && S_ISDIR(copySt.st_mode))
        return std::nullopt;
    const bool same = S_ISREG(keptSt.st_mode) && S_ISREG(copySt.st_mode) && keptSt.st_size == copySt.st_size
        && ContentComparer::split({{keptPath, quint64(keptSt.st_dev), quint64(keptSt.st_ino)},
                                   {copyPath, quint64(copySt.st_dev), quint64(copySt.st_ino)}},
                                  keptSt.st_size)
               .size()
            == 1;
    if (same)
        return std::nullopt;
    return QCoreApplication::translate("DupCopyCheck", "Changed since the scan: no longer the same as the copy kept");
}

}  // namespace sw
