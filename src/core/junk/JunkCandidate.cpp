#include "JunkCandidate.h"

#include <QDir>

namespace sw {

void appendListing(JunkCandidates &out, CategoryRoots &roots, const QString &folder, bool withDelRight,
                   bool skipDSStore, const CategoryRoots::UserFolderKeys &allowed)
{
    const QString root = QDir::cleanPath(folder);
    for (const QString &name : roots.names(root, allowed)) {
        if (skipDSStore && name == QLatin1String(".DS_Store"))
            continue;
        out.append({root, root + QLatin1Char('/') + name, withDelRight, {}, {}, true});
    }
}

void setOwner(JunkCandidates &out, qsizetype from, const QString &owner)
{
    for (qsizetype i = from; i < out.size(); ++i)
        out[i].owner = owner;
}

}  // namespace sw
