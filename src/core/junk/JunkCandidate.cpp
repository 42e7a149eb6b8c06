// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/junk/JunkCandidate.h"

#include <QDir>

namespace sw {

void appendListing(JunkCandidates &out, CategoryRoots &roots, const QString &folder, bool withDelRight,
                   bool skipDSStore, const CategoryRoots::UserFolderKeys &allowed)
{
    const QString root = QDir::cleanPath(folder);
    if (!roots.openListed(root, allowed))
        return;
    JunkCandidate listing{root, {}, withDelRight, {}, {}, true};
    listing.listing = true;
    listing.skipDSStore = skipDSStore;
    out.append(std::move(listing));
}

JunkCandidates listEntries(CategoryRoots &roots, const QString &folder, bool withDelRight, bool skipDSStore,
                           const CategoryRoots::UserFolderKeys &allowed)
{
    const QString root = QDir::cleanPath(folder);
    const QStringList names = roots.names(root, allowed);
    JunkCandidates out;
    out.reserve(names.size());
    for (const QString &name : names)
        if (!skipDSStore || name != QLatin1String(".DS_Store"))
            out.append({root, root + QLatin1Char('/') + name, withDelRight, {}, {}, true});
    return out;
}

void setOwner(JunkCandidates &out, qsizetype from, const QString &owner)
{
    for (qsizetype i = from; i < out.size(); ++i)
        out[i].owner = owner;
}

}  // namespace sw
