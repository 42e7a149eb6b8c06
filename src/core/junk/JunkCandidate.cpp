#include "JunkCandidate.h"

#include <QDir>

namespace sw {

void appendListing(JunkCandidates &out, CategoryRoots &roots, const QString &folder, bool withDelRight,
                   bool skipDSStore, const CategoryRoots::UserFolderKeys &allowed)
{
    const QString root = QDir::cleanPath(folder);
    const QStringList names = roots.names(root, allowed);
    out.reserve(out.size() + names.size());  // a Downloads folder may hold a million
    for (const QString &name : names) {
        if (skipDSStore && name == QLatin1String(".DS_Store"))
            continue;
        QString path;
        path.reserve(root.size() + 1 + name.size());
        path.append(root).append(QLatin1Char('/')).append(name);
        out.append({root, std::move(path), withDelRight, {}, {}, true});
    }
}

void setOwner(JunkCandidates &out, qsizetype from, const QString &owner)
{
    for (qsizetype i = from; i < out.size(); ++i)
        out[i].owner = owner;
}

}  // namespace sw
