// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/foundation/ORDupData.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

namespace sw {

class JobControl;

// The duplicate finder's second mode: what is empty or broken in the chosen
// folders. Three groups (each left out when nothing is found), every item of
// which may be selected:
//   empty files    regular files of 0 bytes
//   empty folders  folders that hold nothing but empty folders, listed at
//                  their top only (the folders chosen are never listed)
//   broken links   symbolic links whose target does not exist (or loops)
// The walk never follows a link (a link to an empty folder is a working link
// and makes its folder not empty) and never enters another mount or a folder
// the exclusion patterns name; hidden entries, excluded folders, mounts and
// folders too deep to be looked into are never listed and count as content,
// so a folder holding only a hidden file is not empty.
// A folder's size is what the removal core measures for it: the sizes of the
// folders below it.
class EmptyFinder
{
public:
    // Folders below a chosen one deeper than this are not entered.
    static constexpr int kMaxDepth = 256;

    enum Kind { EmptyFiles, EmptyFolders, BrokenLinks };

    // nullptr when job was cancelled.
    static std::shared_ptr<ORDupData> scan(const QStringList &folders, const QStringList &excludeFolders,
                                           JobControl &job);
    // The title of a kind's group.
    static QString title(Kind kind);

    // Asked by the removal, through the open folder that holds the entry,
    // just before it goes: empty when the entry is still empty or broken as
    // found, else why it stays (a folder that gained a file, a file that
    // gained bytes, a link whose target appeared).
    static QString stillEmpty(int folderFd, const QByteArray &name);
};

}  // namespace sw
