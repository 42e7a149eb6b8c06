// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/foundation/ORDupData.h"

#include <QColor>
#include <QList>
#include <QStringList>

#include <array>

namespace sw {

// The kinds of the duplicate result page, in the order of its kind filter
// (after "all") and of its kind bar.
enum class DupKind { Documents, Pictures, Music, Video, Packages, Others };

// Which kind a group of copies is, by its type (extension) and first file.
class DupKinds
{
public:
    static constexpr int kCount = 6;

    static const QStringList &docFormat();
    static const QStringList &mediaFormat();  // video
    static const QStringList &musicFormat();

    // Tested in this order: a document type; an image file (the image
    // decoder's types, not the extension); a video type; an audio type (so a
    // type in both lists is video); a package; else others.
    static DupKind kindOf(const ORDupDataGroup &group);
    static QString title(DupKind kind);
    // The colour of kind i, black for an index outside the kinds.
    static QColor colorWithIndex(int index);

    // The groups sorted into kinds, each list in the order of the groups, and
    // the summed size of each kind. The pointers stay valid while the list
    // of groups is not changed or copied and written.
    struct Lists
    {
        QList<ORDupDataGroup *> all;
        std::array<QList<ORDupDataGroup *>, kCount> groups;
        QList<qint64> pies = QList<qint64>(kCount, 0);
    };
    static Lists classify(QList<ORDupDataGroup> &groups);
};

}  // namespace sw
