// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace sw::finder {

// What both finders leave out unless told otherwise: hidden folders and
// docsets, and the 33 extensions of source, build and database files.
QStringList defaultExcludeFolders();
QStringList defaultExcludeFiles();

// The layout's user folders named by their XDG keys ("DESKTOP", "DOCUMENTS",
// "DOWNLOAD", "MUSIC", "PICTURES", "VIDEOS"), each once, in the order given: the
// folders user-dirs.dirs names, else the English names in the home.
QStringList userFolders(const QStringList &keys);

}  // namespace sw::finder
