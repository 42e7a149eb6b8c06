// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/fs/FolderZip.h"
#include "support/FixtureTree.h"

#include <archive.h>
#include <archive_entry.h>

#include <gtest/gtest.h>

#include <map>

using swtest::FixtureTree;

namespace {
// The zip's entries: name -> link target, or the content of a file ("/" for a folder).
std::map<QString, QByteArray> entriesOf(const QString &zip)
{
    std::map<QString, QByteArray> entries;
    archive *reader = archive_read_new();
    archive_read_support_format_zip(reader);
    if (archive_read_open_filename(reader, QFile::encodeName(zip).constData(), 16384) == ARCHIVE_OK) {
        archive_entry *entry = nullptr;
        while (archive_read_next_header(reader, &entry) == ARCHIVE_OK) {
            QByteArray value;
            if (archive_entry_filetype(entry) == AE_IFLNK)
                value = QByteArray("-> ") + archive_entry_symlink(entry);
            else if (archive_entry_filetype(entry) == AE_IFDIR)
                value = "/";
            else
                for (char buffer[256]; la_ssize_t got = archive_read_data(reader, buffer, sizeof buffer);)
                    value.append(buffer, got > 0 ? got : 0);
            entries[QString::fromUtf8(archive_entry_pathname(entry))] = value;
        }
    }
    archive_read_free(reader);
    return entries;
}
}  // namespace

TEST(FolderZip, PacksTheFolderUnderItsOwnNameAndStoresLinksAsLinks)
{
    FixtureTree tree;
    tree.text(QStringLiteral("outside/secret.txt"), "secret");
    tree.text(QStringLiteral("Docs/a.txt"), "alpha");
    tree.text(QStringLiteral("Docs/sub/b.txt"), "beta");
    tree.link(QStringLiteral("Docs/sub/out"), tree.path(QStringLiteral("outside")));

    const QString zip = tree.path(QStringLiteral("Docs.zip"));
    ASSERT_EQ(sw::FolderZip::pack(tree.path(QStringLiteral("Docs")), zip), QString());
    const std::map<QString, QByteArray> expected{
        {QStringLiteral("Docs/"), "/"},
        {QStringLiteral("Docs/a.txt"), "alpha"},
        {QStringLiteral("Docs/sub/"), "/"},
        {QStringLiteral("Docs/sub/b.txt"), "beta"},
        {QStringLiteral("Docs/sub/out"), "-> " + QFile::encodeName(tree.path(QStringLiteral("outside")))},
    };
    EXPECT_EQ(entriesOf(zip), expected);
    EXPECT_FALSE(sw::FolderZip::pack(tree.path(QStringLiteral("missing")), zip).isEmpty());
}
