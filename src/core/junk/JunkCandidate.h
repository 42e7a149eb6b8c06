#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace sw {

// A path a junk category proposes, and whether it must pass the permission
// test before it becomes an item.
struct JunkCandidate
{
    QString path;
    bool withDelRight = true;
};
using JunkCandidates = QList<JunkCandidate>;

// Appends folder/NAME for every name directly inside folder ("" for none),
// in listing order; ".DS_Store" is skipped when skipDSStore.
void appendListing(JunkCandidates &out, const QString &folder, bool withDelRight, bool skipDSStore = true);

}  // namespace sw
