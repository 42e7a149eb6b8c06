// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/foundation/ORDupData.h"

#include <QStringList>

namespace sw {

// The "best original" keep rule: which copy of a set a person would keep.
// Among the copies it prefers, each test deciding only between copies the
// ones before left equal:
//   1. a copy outside the transient places: Downloads, the Trash (also a
//      volume's .Trash-UID) and the temporary folders
//   2. a name without a copy mark ("Photo (1).jpg", "Copy of Photo.jpg")
//   3. the oldest modification time: a copy is made after its original
//   4. the deepest folder: a file sorted into an album over the same file
//      left in the album's parent
//   5. the first found.
// The places are compared as path text, as the scan wrote the paths: a
// place reached by another name only loses this one preference, and the
// rule still keeps exactly one copy.
class DupOriginal
{
public:
    // The layout's transient places; one that holds the home (a home under
    // /tmp) is left out, or it would make every copy transient.
    static DupOriginal ofLayout();
    explicit DupOriginal(QStringList transientFolders);

    // The index of the copy to keep; -1 for no copies.
    qsizetype keptCopy(const QList<ORDupDataItem> &copies) const;
    bool isInTransientPlace(const QString &path) const;

private:
    QStringList m_transientFolders;  // clean, without a trailing slash
};

}  // namespace sw
