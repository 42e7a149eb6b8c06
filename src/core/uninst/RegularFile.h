#pragma once

#include <QFile>
#include <QString>

#include <sys/stat.h>

namespace sw {

// True when path leads (through links) to a regular file. Checked before a
// file is opened for reading: opening a FIFO planted under a known name
// would block the scan for good.
inline bool isRegularFile(const QString &path)
{
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace sw
