// SPDX-License-Identifier: GPL-3.0-or-later
// The duplicate result as CSV: RFC 4180 quoting of every awkward path, and
// which copy the "kept" column names.

#include "core/dups/DupResultCsv.h"

#include "support/FinderTestSupport.h"

#include <QFile>

#include <gtest/gtest.h>

using sw::DupResultCsv;

namespace {

struct FieldCase
{
    const char *name;
    QString text;
    QByteArray written;
};

void PrintTo(const FieldCase &c, std::ostream *os)
{
    *os << c.name;
}

class CsvField : public ::testing::TestWithParam<FieldCase>
{
};

TEST_P(CsvField, IsQuotedOnlyWhenItMustBe)
{
    EXPECT_EQ(DupResultCsv::field(GetParam().text), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, CsvField,
    ::testing::Values(FieldCase{"plain", QStringLiteral("/m/a b.mp3"), "/m/a b.mp3"},
                      FieldCase{"comma", QStringLiteral("/m/a,b"), "\"/m/a,b\""},
                      FieldCase{"quote", QStringLiteral("/m/say \"hi\""), "\"/m/say \"\"hi\"\"\""},
                      FieldCase{"newline", QStringLiteral("/m/two\nlines"), "\"/m/two\nlines\""},
                      FieldCase{"carriageReturn", QStringLiteral("/m/a\rb"), "\"/m/a\rb\""},
                      FieldCase{"notUtf8", QFile::decodeName("/m/caf\xe9"), "/m/caf\xef\xbf\xbd"},
                      FieldCase{"utf8", QStringLiteral("/m/日本"), "/m/\xe6\x97\xa5\xe6\x9c\xac"}),
    [](const auto &info) { return std::string(info.param.name); });

ORDupDataItem copy(const QString &path, qint64 modTime, bool marked = false)
{
    ORDupDataItem item;
    item.itemPath = path;
    item.itemName = path.section(QLatin1Char('/'), -1);
    item.itemSize = 20000;
    item.itemModTime = modTime;
    item.isDel = marked;
    return item;
}

TEST(DupResultCsv, RowsPerCopyNumberedBySetWithTheKeptCopyNamed)
{
    ORDupData data;
    ORDupDataGroup unmarked;  // the keep rule decides: the oldest
    unmarked.groupItems = {copy(QStringLiteral("/m/new,1"), 1767323045000), copy(QStringLiteral("/m/old"), 1000)};
    ORDupDataGroup marked;  // the user's marks decide
    marked.groupItems = {copy(QStringLiteral("/m/x"), 0, true), copy(QStringLiteral("/m/\"y\""), 0)};
    ORDupDataGroup empties;
    empties.allMayGo = true;
    empties.groupItems = {copy(QStringLiteral("/m/e"), 0)};
    data.dupGroups = {unmarked, marked, empties};
    const QByteArray csv = DupResultCsv::write(data, DupResultCsv::keptBy(sw::DupKeeper(sw::DupKeepRule::Oldest)));
    EXPECT_EQ(csv, QByteArray("set,size,path,modification time,kept\r\n"
                              "1,20000,\"/m/new,1\",2026-01-02T03:04:05Z,no\r\n"
                              "1,20000,/m/old,1970-01-01T00:00:01Z,yes\r\n"
                              "2,20000,/m/x,1970-01-01T00:00:00Z,no\r\n"
                              "2,20000,\"/m/\"\"y\"\"\",1970-01-01T00:00:00Z,yes\r\n"
                              "3,20000,/m/e,1970-01-01T00:00:00Z,yes\r\n"));
}

}  // namespace
