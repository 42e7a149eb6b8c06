// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/foundation/ORUtility.h"
#include "core/foundation/PackageSignature.h"
#include "support/FixtureTree.h"

#include <QCryptographicHash>
#include <QFile>

#include <gtest/gtest.h>

#include <sys/statvfs.h>

namespace {

QString md5(const QByteArray &bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex());
}

struct NameRow
{
    const char *name;
    const char *path;
    bool expected;
};

class PackageTest : public ::testing::Test
{
protected:
    QString path(const QString &rel) const { return m_tree.path(rel); }
    swtest::FixtureTree m_tree;
};

class PackageTable : public PackageTest, public ::testing::WithParamInterface<NameRow>
{
protected:
    void SetUp() override
    {
        for (const char *dir : {"Tool.app", "Old.APP", "Pane.prefpane", "en.lproj", "Doc.rtfd", "plain"})
            m_tree.folder(QString::fromLatin1(dir));
        m_tree.file("file.app", 1);
        m_tree.link("Link.app", path("Tool.app"));
    }
};

TEST_P(PackageTable, isAFolderWithAPackageExtension)
{
    EXPECT_EQ(ORUtility::isFilePackageAtPath(path(QString::fromLatin1(GetParam().path))), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, PackageTable,
    ::testing::Values(NameRow{"application", "Tool.app", true}, NameRow{"trailing_slash", "Tool.app/", true},
                      NameRow{"extension_case_ignored", "Old.APP", true}, NameRow{"mixed_case_list_entry", "Pane.prefpane", true},
                      NameRow{"document_package", "Doc.rtfd", true}, NameRow{"localization_folder", "en.lproj", false},
                      NameRow{"plain_folder", "plain", false}, NameRow{"file_with_package_name", "file.app", false},
                      NameRow{"link_to_package", "Link.app", false}, NameRow{"missing", "Gone.app", false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(PackageTest, packageSignatureListsNamesToFourLevels)
{
    m_tree.file("A.app/Contents/Info.plist", 10);
    m_tree.file("A.app/l1/l2/l3/l4/deep", 10);
    m_tree.file("A.app/l1/.inner", 10);
    m_tree.file("A.app/.hidden", 10);
    m_tree.file("A.app/__MACOSX/x", 10);
    m_tree.link("A.app/link", QStringLiteral("Contents"));
    struct statvfs vfs;
    ASSERT_EQ(::statvfs(QFile::encodeName(m_tree.root()).constData(), &vfs), 0);
    const QString volume = QString::number(qint64(vfs.f_blocks) * qint64(vfs.f_frsize));
    const QString expected = QStringList{QStringLiteral("Contents"), QStringLiteral("Contents/Info.plist-") + volume,
                                         QStringLiteral("l1"), QStringLiteral("l1/.inner-") + volume,
                                         QStringLiteral("l1/l2"), QStringLiteral("l1/l2/l3"), QStringLiteral("link")}
                                 .join(QLatin1Char(','));
    EXPECT_EQ(ORUtility::lazyHashPackage(path("A.app")), md5(expected.toUtf8()));
    EXPECT_EQ(ORUtility::lazyHashFile(path("A.app")), md5(expected.toUtf8()));
}

TEST_F(PackageTest, packagesWithTheSameNamesMatchWhateverTheirContents)
{
    m_tree.text("A.app/Contents/MacOS/tool", QByteArray(10, 'a'));
    m_tree.text("B.app/Contents/MacOS/tool", QByteArray(9000, 'b'));
    m_tree.text("C.app/Contents/MacOS/other", QByteArray(10, 'a'));
    m_tree.file("Hidden.app/.only", 10);
    EXPECT_EQ(ORUtility::lazyHashPackage(path("A.app")), ORUtility::lazyHashPackage(path("B.app")));
    EXPECT_NE(ORUtility::lazyHashPackage(path("A.app")), ORUtility::lazyHashPackage(path("C.app")));
    EXPECT_EQ(ORUtility::lazyHashPackage(path("Hidden.app")), QStringLiteral("d41d8cd98f00b204e9800998ecf8427e"));
    EXPECT_TRUE(ORUtility::lazyHashPackage(path("Missing.app")).isNull());
}

}  // namespace
