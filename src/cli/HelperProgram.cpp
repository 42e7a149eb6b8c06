// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/HelperProgram.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include <unistd.h>

namespace helperprogram {

namespace {

// One context for the texts of this file, whichever function shows them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(HelperProgram)
};

// The folder of the running program itself, links resolved: a link to
// sweepwright-cli in ~/bin still finds the helpers of the real install.
QString programFolder()
{
    const QString self = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    return self.isEmpty() ? QString() : QFileInfo(self).absolutePath();
}

QStringList candidates(const QString &helperName)
{
    const QString folder = programFolder();
    if (folder.isEmpty())
        return {};
    return {QDir(folder).filePath(helperName),
            QDir::cleanPath(folder + QStringLiteral("/" SWEEPWRIGHT_HELPER_DIR "/") + helperName)};
}

}  // namespace

QString locate(const QString &helperName)
{
    for (const QString &path : candidates(helperName)) {
        const QFileInfo info(path);
        if (info.isFile() && info.isExecutable())
            return path;
    }
    return QString();
}

int execInstead(const char *command, const QString &helperName, char *const args[], int count)
{
    const QString path = locate(helperName);
    if (path.isEmpty()) {
        const QStringList looked = candidates(helperName);
        CliCommand::tell(command, looked.size() == 2
                                      ? Text::tr("this command's program %1 is missing (looked for %2 and %3)")
                                            .arg(helperName, looked.at(0), looked.at(1))
                                      : Text::tr("this command's program %1 is missing").arg(helperName));
        return 1;
    }
    const QByteArray file = QFile::encodeName(path);
    std::vector<char *> argv;
    argv.reserve(std::size_t(count) + 2);
    argv.push_back(const_cast<char *>(file.constData()));
    for (int i = 0; i < count; ++i)
        argv.push_back(args[i]);
    argv.push_back(nullptr);
    std::fflush(nullptr);
    ::execv(file.constData(), argv.data());
    const QString why = QString::fromLocal8Bit(std::strerror(errno));
    CliCommand::tell(command, Text::tr("cannot run %1: %2").arg(path, why));
    return 1;
}

}  // namespace helperprogram
