// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/foundation/ORUtility.h"
#include "core/platform/PropertyListReader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <plist/plist.h>

#include <cstdlib>

#include <unistd.h>

namespace {

const QByteArray kXml = R"(<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE plist PUBLIC "-//Apple//DTD PLIST 1.0//EN" "http://www.apple.com/DTDs/PropertyList-1.0.dtd">
<plist version="1.0">
<dict>
  <key>CFBundleName</key><string>Caf&#233; App</string>
  <key>Count</key><integer>42</integer>
  <key>Negative</key><integer>-7</integer>
  <key>Ratio</key><real>0.5</real>
  <key>Enabled</key><true/>
  <key>Built</key><date>2020-01-02T03:04:05Z</date>
  <key>Blob</key><data>AAEC</data>
  <key>List</key><array><string>a</string><integer>1</integer></array>
</dict>
</plist>
)";

// The same tree written by libplist in the binary format.
QByteArray binaryOf(const QByteArray &xml)
{
    plist_t root = nullptr;
    plist_from_xml(xml.constData(), uint32_t(xml.size()), &root);
    char *bytes = nullptr;
    uint32_t length = 0;
    plist_to_bin(root, &bytes, &length);
    QByteArray out(bytes, qsizetype(length));
    plist_to_bin_free(bytes);
    plist_free(root);
    return out;
}

class PlistFormats : public ::testing::TestWithParam<const char *>
{
};

TEST_P(PlistFormats, convertEveryTypeToQVariant)
{
    const QByteArray data = QByteArrayView(GetParam()) == "binary" ? binaryOf(kXml) : kXml;
    ASSERT_TRUE(!data.isEmpty());
    const auto dict = ORUtility::readPropertyListDictionaryData(data);
    ASSERT_TRUE(dict.has_value());
    EXPECT_EQ(dict->value(QStringLiteral("CFBundleName")).toString(), QStringLiteral("Caf\u00e9 App"));
    EXPECT_EQ(dict->value(QStringLiteral("Count")).toLongLong(), 42);
    EXPECT_EQ(dict->value(QStringLiteral("Negative")).toLongLong(), -7);
    EXPECT_DOUBLE_EQ(dict->value(QStringLiteral("Ratio")).toDouble(), 0.5);
    EXPECT_EQ(dict->value(QStringLiteral("Enabled")).typeId(), QMetaType::Bool);
    EXPECT_TRUE(dict->value(QStringLiteral("Enabled")).toBool());
    EXPECT_EQ(dict->value(QStringLiteral("Built")).toDateTime(),
              QDateTime(QDate(2020, 1, 2), QTime(3, 4, 5), Qt::UTC));
    EXPECT_EQ(dict->value(QStringLiteral("Blob")).toByteArray(), QByteArray("\x00\x01\x02", 3));
    EXPECT_EQ(dict->value(QStringLiteral("List")).toList(),
              (QVariantList{QStringLiteral("a"), qint64(1)}));
    EXPECT_FALSE(ORUtility::readPropertyListArrayData(data).has_value());
}

INSTANTIATE_TEST_SUITE_P(Formats, PlistFormats, ::testing::Values("xml", "binary"));

TEST(OpenStepPlist, readsDictionariesArraysStringsAndData)
{
    const QByteArray text = R"(// comment
{
    Name = "Quoted \"text\"\n";  /* block */
    Bare = some.value-1;
    List = (one, "two", );
    Nested = { Empty = (); };
    Data = <0001 fe>;
})";
    const auto dict = ORUtility::readPropertyListDictionaryData(text);
    ASSERT_TRUE(dict.has_value());
    EXPECT_EQ(dict->value(QStringLiteral("Name")).toString(), QStringLiteral("Quoted \"text\"\n"));
    EXPECT_EQ(dict->value(QStringLiteral("Bare")).toString(), QStringLiteral("some.value-1"));
    EXPECT_EQ(dict->value(QStringLiteral("List")).toList(), (QVariantList{QStringLiteral("one"), QStringLiteral("two")}));
    EXPECT_TRUE(dict->value(QStringLiteral("Nested")).toMap().value(QStringLiteral("Empty")).toList().isEmpty());
    EXPECT_EQ(dict->value(QStringLiteral("Data")).toByteArray(), QByteArray("\x00\x01\xfe", 3));
}

TEST(OpenStepPlist, readsAStringsFileAsADictionary)
{
    const auto dict = ORUtility::readPropertyListDictionaryData("\"Open\" = \"\\U00d6ffnen\";\nQuit = Beenden;\n");
    ASSERT_TRUE(dict.has_value());
    EXPECT_EQ(dict->value(QStringLiteral("Open")).toString(), QStringLiteral("\u00d6ffnen"));
    EXPECT_EQ(dict->value(QStringLiteral("Quit")).toString(), QStringLiteral("Beenden"));
}

struct GarbageRow
{
    const char *name;
    QByteArray data;
};

class MalformedPlist : public ::testing::TestWithParam<GarbageRow>
{
};

TEST_P(MalformedPlist, givesNoObject)
{
    EXPECT_FALSE(ORUtility::readPropertyListData(GetParam().data).isValid());
}

QByteArray bigEndian(quint64 value, int size)
{
    QByteArray out(size, '\0');
    for (int i = size - 1; i >= 0; --i, value >>= 8)
        out[i] = char(value & 0xff);
    return out;
}

QByteArray ref(quint64 object)
{
    return bigEndian(object, 3);
}

// A binary list of the given objects (three-byte references), object 0 on top.
QByteArray binaryPlist(const QList<QByteArray> &objects)
{
    QByteArray out = "bplist00";
    QByteArray table;
    for (const QByteArray &object : objects) {
        table += bigEndian(quint64(out.size()), 4);
        out += object;
    }
    const qsizetype tableOffset = out.size();
    out += table;
    return out + QByteArray(6, '\0') + char(4) + char(3) + bigEndian(quint64(objects.size()), 8) + bigEndian(0, 8)
        + bigEndian(quint64(tableOffset), 8);
}

// Each array holds the next one twice: 2^60 nodes once references are copied.
QByteArray exponentialBinary()
{
    QList<QByteArray> objects;
    for (int i = 0; i < 60; ++i)
        objects.append("\xA2" + ref(i + 1) + ref(i + 1));
    objects.append(QByteArray("\x51x"));
    return binaryPlist(objects);
}

QByteArray chainBinary(int depth)
{
    QList<QByteArray> objects;
    for (int i = 0; i < depth; ++i)
        objects.append("\xA1" + ref(i + 1));
    objects.append(QByteArray("\x51x"));
    return binaryPlist(objects);
}

QByteArray deepXml(int depth)
{
    return "<?xml version=\"1.0\"?><plist version=\"1.0\">" + QByteArray("<array>").repeated(depth)
        + QByteArray("</array>").repeated(depth) + "</plist>";
}

TEST(BinaryPlist, handMadeListsReadAsLibplistReadsThem)
{
    EXPECT_EQ(ORUtility::readPropertyListArrayData(chainBinary(3)).value_or(QVariantList()).size(), 1);
    EXPECT_EQ(ORUtility::readPropertyListArrayData(deepXml(20)).value_or(QVariantList()).size(), 1);
}

QByteArray truncatedBinary()
{
    const QByteArray bin = binaryOf(kXml);
    return bin.left(bin.size() / 2);
}

INSTANTIATE_TEST_SUITE_P(
    Garbage, MalformedPlist,
    ::testing::Values(GarbageRow{"empty", QByteArray()}, GarbageRow{"random_text", "\x01\x02garbage\xff"},
                      GarbageRow{"binary_magic_only", "bplist00"},
                      GarbageRow{"truncated_binary", truncatedBinary()},
                      GarbageRow{"truncated_xml", kXml.left(kXml.size() / 2)},
                      GarbageRow{"unclosed_openstep_dict", "{ a = b;"},
                      GarbageRow{"openstep_trailing_text", "{ a = b; } extra"},
                      GarbageRow{"odd_hex_digits", "<abc>"},
                      GarbageRow{"unterminated_comment", "/* { a = b; }"},
                      GarbageRow{"deep_openstep_nesting", QByteArray(100000, '(') + QByteArray(100000, ')')},
                      GarbageRow{"deep_xml_nesting", deepXml(200000)},
                      GarbageRow{"deep_binary_nesting", chainBinary(200000)},
                      GarbageRow{"binary_self_reference", binaryPlist({"\xA1" + ref(0)})},
                      GarbageRow{"binary_reference_out_of_range", binaryPlist({"\xA1" + ref(7)})},
                      GarbageRow{"binary_exponential_sharing", exponentialBinary()}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(PropertyListFile, resolvesLinksAndRefusesEmptyMissingAndHugeFiles)
{
    QTemporaryDir dir;
    const QString plist = dir.filePath(QStringLiteral("Info.plist"));
    QFile file(plist);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("(a, b)");
    file.close();
    const QString link = dir.filePath(QStringLiteral("link.plist"));
    ASSERT_EQ(::symlink(QFile::encodeName(plist).constData(), QFile::encodeName(link).constData()), 0);
    EXPECT_EQ(ORUtility::readPropertyListArray(link)->size(), 2);
    EXPECT_FALSE(ORUtility::readPropertyListDictionary(link).has_value());

    const QString empty = dir.filePath(QStringLiteral("empty.plist"));
    QFile(empty).open(QIODevice::WriteOnly);
    EXPECT_FALSE(ORUtility::readPropertyList(empty).isValid());
    EXPECT_FALSE(ORUtility::readPropertyList(dir.filePath(QStringLiteral("missing"))).isValid());

    QFile huge(dir.filePath(QStringLiteral("huge.plist")));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    huge.write("(a)");
    ASSERT_TRUE(huge.resize(sw::PropertyListReader::kMaxBytes + 1));
    huge.close();
    EXPECT_FALSE(ORUtility::readPropertyList(huge.fileName()).isValid());
}

}  // namespace
