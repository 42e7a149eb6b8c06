// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/PrivilegedRoots.h"

#include "core/platform/ORLayout.h"

#include <QDir>

namespace sw {

namespace {

// Where each layout's tools list items another owner may hold:
// freedesktop: the junk cleaner's system caches and logs;
// macos: the system caches and logs, the Library that holds the add-ons
// and the applications' support files, and the applications themselves.
constexpr const char *kFreedesktop[] = {"var/cache", "var/log"};
constexpr const char *kMacOS[] = {"Applications", "Library", "System/Library/Caches", "var/log", "private/var/log"};

}  // namespace

QStringList PrivilegedRoots::table(bool macos, const QString &root, const QString &home)
{
    QStringList folders;
    const auto add = [&folders, &root](const char *rel) {
        folders.append(QDir::cleanPath(root + QLatin1Char('/') + QLatin1String(rel)));
    };
    if (macos)
        for (const char *rel : kMacOS)
            add(rel);
    else
        for (const char *rel : kFreedesktop)
            add(rel);
    folders.append(QDir::cleanPath(home));
    return folders;
}

QStringList PrivilegedRoots::current()
{
    return table(ORLayout::isMacOS(), ORLayout::root(), ORLayout::home());
}

}  // namespace sw
