// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A fixture for tests of the junk engine: a root and a home folder inside a
// temporary tree, the layout pointed at them, and the category switches
// injected instead of read from the settings store.

#include "support/FixtureTree.h"

#include "core/foundation/ORJunkData.h"
#include "core/foundation/ORPrefConfig.h"
#include "core/junk/ORJunkCategory.h"
#include "core/junk/ORJunkFilesCollection.h"
#include "core/platform/ORLayout.h"

#include <gtest/gtest.h>

#include <QSet>

#include <algorithm>
#include <functional>
#include <memory>

namespace swtest {

// A file to plant, relative to the tree ("home/..." or "root/..."), and its
// size; a path ending in '/' is an empty folder.
struct Plant
{
    const char *path;
    qint64 size;
};

// One row of a location table: what to plant, and the items one category
// must find (relative to the tree, sorted).
struct LocationCase
{
    const char *name;
    qint64 groupID;
    QList<Plant> plants;
    QStringList expected;
};

inline void PrintTo(const LocationCase &c, std::ostream *os)
{
    *os << c.name;
}

class JunkFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ensureCoreApplication();
        ASSERT_TRUE(tree.isValid());
        root = tree.folder(QStringLiteral("root"));
        home = tree.folder(QStringLiteral("home"));
        engine().startOver();
    }

    void TearDown() override
    {
        engine().startOver();
        engine().setSwitchReader([](const QString &key) { return ORPrefConfig::boolForKey(key); });
        ORLayout::reset();
    }

    static ORJunkFilesCollection &engine() { return ORJunkFilesCollection::shareInstance(); }

    void useLayout(ORLayout::Kind kind) { ORLayout::set(kind, root, home); }

    // Switches on exactly the categories with these group numbers.
    void enable(const QSet<qint64> &groupIDs)
    {
        QSet<QString> keys;
        for (const ORJunkCategory &c : ORJunkCategory::categories())
            if (groupIDs.contains(c.groupID))
                keys.insert(c.switchKey);
        engine().setSwitchReader([keys](const QString &key) { return keys.contains(key); });
    }

    void enableAll()
    {
        engine().setSwitchReader([](const QString &) { return true; });
    }

    std::shared_ptr<ORJunkData> scan(const QSet<qint64> &groupIDs)
    {
        enable(groupIDs);
        engine().startOver();
        return engine().junkData();
    }

    // Plants every file; expand rewrites each relative path first.
    void plant(const QList<Plant> &plants, const std::function<QString(const QString &)> &expand = {}) const
    {
        for (const Plant &p : plants) {
            const QString rel = expand ? expand(QString::fromUtf8(p.path)) : QString::fromUtf8(p.path);
            if (rel.endsWith(QLatin1Char('/')))
                tree.folder(rel);
            else
                tree.file(rel, p.size);
        }
    }

    // Files below the home and the root, by path relative to them.
    QString homeFile(const QString &rel, qint64 size) const { return tree.file(QStringLiteral("home/") + rel, size); }
    QString rootFile(const QString &rel, qint64 size) const { return tree.file(QStringLiteral("root/") + rel, size); }
    QString homeText(const QString &rel, const QByteArray &text) const
    {
        return tree.text(QStringLiteral("home/") + rel, text);
    }
    QString rootText(const QString &rel, const QByteArray &text) const
    {
        return tree.text(QStringLiteral("root/") + rel, text);
    }
    QString homeFolder(const QString &rel) const { return tree.folder(QStringLiteral("home/") + rel); }
    QString rootFolder(const QString &rel) const { return tree.folder(QStringLiteral("root/") + rel); }

    // The group's item paths relative to the tree ("home/..." or "root/..."), sorted.
    QStringList itemPaths(const ORJunkDataGroup &group) const
    {
        QStringList out;
        for (const ORjunkDataItem &item : group.groupItems)
            out.append(relative(item.itemPath));
        std::sort(out.begin(), out.end());
        return out;
    }

    QString relative(const QString &absolute) const
    {
        const QString prefix = tree.root() + QLatin1Char('/');
        return absolute.startsWith(prefix) ? absolute.mid(prefix.size()) : absolute;
    }

    static const ORJunkDataGroup *group(const ORJunkData &data, qint64 groupID)
    {
        for (const ORJunkDataGroup &g : data.junkGroups)
            if (g.groupID == groupID)
                return &g;
        return nullptr;
    }

    // Paths found by one category, relative to the tree, sorted.
    QStringList found(qint64 groupID)
    {
        const auto data = scan({groupID});
        const ORJunkDataGroup *g = group(*data, groupID);
        return g ? itemPaths(*g) : QStringList{QStringLiteral("<no group>")};
    }

    FixtureTree tree;
    QString root;
    QString home;
};

}  // namespace swtest
