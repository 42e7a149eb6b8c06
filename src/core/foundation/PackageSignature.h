// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace sw {

// Folders shown as one file (bundles and document packages), recognised by
// their extension, and the name signature that stands for a package's content
// when duplicates are compared.
class PackageSignature
{
public:
    // A folder (not a link to one) whose extension is a package extension,
    // compared without regard to case.
    static bool isPackage(const QString &path);

    // The sorted, comma-joined list of the package's item names down to four
    // levels ("name" for links and folders, "name-<volume size>" for files),
    // hidden items and "__MACOSX" left out. Reads no file contents.
    // nullopt when the path cannot be listed as a folder.
    static std::optional<QString> signature(const QString &path);
};

}  // namespace sw
