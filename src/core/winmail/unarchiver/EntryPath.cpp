// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/winmail/unarchiver/EntryPath.h"

namespace sw {

namespace {

bool isDriveLetter(const QString &component)
{
    return component.size() == 2 && component.at(1) == QLatin1Char(':') && component.at(0).isLetter();
}

}  // namespace

QStringList EntryPath::components(const QString &name)
{
    QStringList out;
    const QStringList parts = name.split(QLatin1Char('/'));
    for (qsizetype i = 0; i < parts.size(); ++i) {
        QString part = parts.at(i);
        if (part.isEmpty() || part == QLatin1String("."))
            continue;
        if (out.isEmpty() && isDriveLetter(part))
            continue;
        if (part == QLatin1String(".."))
            return {};
        part.replace(QLatin1Char('\\'), QLatin1Char('_'));
        out.append(part);
    }
    return out;
}

bool EntryPath::linkStaysInside(const QStringList &linkPath, const QString &target)
{
    if (target.isEmpty() || target.startsWith(QLatin1Char('/')) || target.contains(QLatin1Char('\\')))
        return false;
    qsizetype climbs = 0;
    bool descended = false;
    for (const QString &part : target.split(QLatin1Char('/'))) {
        if (part.isEmpty() || part == QLatin1String("."))
            continue;
        if (part == QLatin1String("..")) {
            if (descended)
                return false;
            ++climbs;
        } else {
            descended = true;
        }
    }
    // The link's own folder is linkPath without its last component.
    return climbs <= linkPath.size() - 1;
}

}  // namespace sw
