// SPDX-License-Identifier: GPL-3.0-or-later
// Whether a zip's legacy names were written by an MS-DOS or Windows tool,
// read from the zip's own directory: on zips made here, moved behind a
// program as self-extracting ones are, and damaged ones whose directory
// points anywhere.

#include "ArchiveBuilder.h"
#include "core/winmail/unarchiver/ZipNameOrigin.h"
#include "support/FixtureTree.h"

#include <QStringEncoder>

#include <gtest/gtest.h>

#include <functional>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// The offset of the end record, whose fields the damaged rows change.
qsizetype endRecord(const QByteArray &zip)
{
    return zip.lastIndexOf(QByteArray("PK\x05\x06", 4));
}

void putLittle32(QByteArray &bytes, qsizetype at, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = char(value >> (8 * i));
}

}  // namespace

TEST(ZipNameOrigin, TellsDosNamesFromTheDirectoryAndNothingFromDamage)
{
    swtest::FixtureTree tree;
    ASSERT_TRUE(tree.isValid());
    struct Row
    {
        const char *name;
        QStringList entries;
        bool madeOnDos;
        std::function<void(QByteArray &)> change;  // to the bytes of the zip
        bool expected;
    };
    const Row rows[] = {
        {"cp866 names from DOS", {"ОТЧЕТ.TXT", "readme.txt"}, true, {}, true},
        {"the same names from Unix", {"ОТЧЕТ.TXT", "readme.txt"}, false, {}, false},
        {"only ASCII names from DOS", {"REPORT.TXT"}, true, {}, false},
        {"behind a program", {"ОТЧЕТ.TXT"}, true, [](QByteArray &zip) { zip.prepend(QByteArray(4096, 'M')); }, true},
        {"directory past the end", {"ОТЧЕТ.TXT"}, true,
         [](QByteArray &zip) {
             putLittle32(zip, endRecord(zip) + 12, 0x7FFFFFF0);
             putLittle32(zip, endRecord(zip) + 16, 0xFFFFFFF0);
         },
         false},
        {"directory cut short", {"ОТЧЕТ.TXT", "СЧЕТ.XLS"}, true,
         [](QByteArray &zip) {
             const qsizetype directory = zip.indexOf(QByteArray("PK\x01\x02", 4));
             const QByteArray end = zip.mid(endRecord(zip));
             zip = zip.left(directory + 30) + end;
         },
         false},
        {"no end record", {"ОТЧЕТ.TXT"}, true, [](QByteArray &zip) { zip.truncate(endRecord(zip)); }, false},
    };
    QStringEncoder cp866("cp866");
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        swtest::ArchiveBuilder builder(QStringLiteral("zip"), true);
        for (const QString &entry : row.entries)
            builder.file(cp866.encode(entry), "contents");
        const QString path = tree.path(QString::fromLatin1(row.name) + QStringLiteral(".zip"));
        ASSERT_TRUE(builder.write(path));
        ASSERT_TRUE(!row.madeOnDos || swtest::ArchiveBuilder::markMadeOnDos(path));
        if (row.change) {
            QByteArray bytes = readAll(path);
            row.change(bytes);
            writeAll(path, bytes);
        }
        EXPECT_EQ(sw::ZipNameOrigin::namesFromDos(path), row.expected);
    }
}
