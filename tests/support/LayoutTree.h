// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A fixture tree laid out as a system: root/ as the layout's root and
// root/home/me as its home, the freedesktop layout pointed at them while
// the object lives.

#include "support/FixtureTree.h"

#include "core/platform/ORLayout.h"

#include <QString>

namespace swtest {

class LayoutTree : public FixtureTree
{
public:
    LayoutTree()
        : root(folder(QStringLiteral("root"))), home(folder(QStringLiteral("root/home/me")))
    {
        ORLayout::set(ORLayout::Kind::Freedesktop, root, home);
    }
    ~LayoutTree() { ORLayout::reset(); }

    // rel below the layout's root.
    QString at(const QString &rel) const { return root + QLatin1Char('/') + rel; }

    const QString root;
    const QString home;
};

}  // namespace swtest
