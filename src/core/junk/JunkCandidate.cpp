#include "JunkCandidate.h"

#include "ORUtility.h"

namespace sw {

void appendListing(JunkCandidates &out, const QString &folder, bool withDelRight, bool skipDSStore)
{
    for (const QString &name : ORUtility::contentsOfFolder(folder)) {
        if (skipDSStore && name == QLatin1String(".DS_Store"))
            continue;
        out.append({folder + QLatin1Char('/') + name, withDelRight});
    }
}

}  // namespace sw
