// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/InputPaths.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <utility>

#include <unistd.h>

namespace {

// One context for the texts of this file, whichever function shows them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(InputPaths)
};

}  // namespace

std::optional<QString> InputPaths::expand(QStringList &args)
{
    if (!args.contains(QStringLiteral("-")))
        return std::nullopt;
    QByteArray input;
    if (const auto problem = read(input))
        return problem;
    s_taken = true;
    const QStringList paths = split(input);
    if (paths.isEmpty())
        return Text::tr("standard input (-) names no path");
    QStringList expanded;
    bool placed = false;
    for (const QString &arg : std::as_const(args)) {
        if (arg != QLatin1String("-"))
            expanded.append(arg);
        else if (!std::exchange(placed, true))
            expanded += paths;
    }
    args = expanded;
    return std::nullopt;
}

QStringList InputPaths::split(const QByteArray &input)
{
    const char separator = input.contains('\0') ? '\0' : '\n';
    QStringList paths;
    for (const QByteArray &path : input.split(separator))
        if (!path.isEmpty())
            paths.append(QFile::decodeName(path));
    return paths;
}

std::optional<QString> InputPaths::read(QByteArray &input)
{
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n == 0)
            return std::nullopt;
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return Text::tr("cannot read standard input (-): %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        if (input.size() + n > kMaxInput)
            return Text::tr("standard input (-) holds more than %1 MiB of paths").arg(kMaxInput / (1024 * 1024));
        input.append(buffer, n);
    }
}
