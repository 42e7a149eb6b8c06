// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/fs/CategoryRoots.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace sw {

// A path a junk category proposes: the category root it lies in (what the
// removal anchors at), whether it must pass the permission test before it
// becomes an item, a companion file that goes with it (a Trash item's info
// file), whether it starts marked when its category marks what it finds,
// and whose it is when the folder it was listed in says so (an
// application's or a browser profile's folder).
//
// A listing candidate has no path: it proposes every entry directly inside
// its root, read only when the candidate is measured, so that a folder of a
// million downloads is proposed without a path per entry (".DS_Store" left
// out when skipDSStore).
struct JunkCandidate
{
    QString root;
    QString path;
    bool withDelRight = true;
    QString companionRoot;
    QString companion;
    bool initiallyMarked = true;
    QString owner{};
    bool listing = false;
    bool skipDSStore = false;
    // Its age is when it went to the Trash: the DeletionDate of its
    // companion info file, or its own when it is an info file left alone.
    bool agedByDeletion = false;
};
using JunkCandidates = QList<JunkCandidate>;

// Appends a listing candidate for the entries directly inside folder once
// the folder passed the checks of CategoryRoots; ".DS_Store" is skipped
// when skipDSStore. allowed: the user folders the category looks in by
// design (the Downloads folder for the Downloads category).
void appendListing(JunkCandidates &out, CategoryRoots &roots, const QString &folder, bool withDelRight,
                   bool skipDSStore = true, const CategoryRoots::UserFolderKeys &allowed = {});

// folder/NAME for every name directly inside folder, in listing order, for a
// category that picks among them; checked and skipped as appendListing.
JunkCandidates listEntries(CategoryRoots &roots, const QString &folder, bool withDelRight, bool skipDSStore = true,
                           const CategoryRoots::UserFolderKeys &allowed = {});

// Names owner as the owner of the candidates from index `from` on: what one
// listing of an application's folder appended.
void setOwner(JunkCandidates &out, qsizetype from, const QString &owner);

}  // namespace sw
