// SPDX-License-Identifier: GPL-3.0-or-later
// The freedesktop Trash mover: the home trash made where it is missing, info
// files a desktop can restore from, unique names, links moved as links, the
// trash of another file system, and errors instead of copies or stray writes.

#include "support/FinderTestSupport.h"

#include "core/fs/Trash.h"
#include "core/platform/ORLayout.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSettings>
#include <QUrl>

#include <sys/stat.h>

using swtest::FixtureTree;

namespace {

class TrashTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        swtest::ensureCoreApplication();
        ASSERT_TRUE(tree.isValid());
        home = tree.folder(QStringLiteral("home"));  // no .local/share yet
        ORLayout::set(ORLayout::Kind::Freedesktop, tree.folder(QStringLiteral("root")), home);
    }
    void TearDown() override { ORLayout::reset(); }

    QString trash() const { return home + QStringLiteral("/.local/share/Trash"); }

    static QByteArray read(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // What a desktop's trash does to put an item back: read Path= and
    // DeletionDate= from the info file and rename the item to Path.
    static QString restore(const QString &trashFolder, const QString &name)
    {
        const QString info = QString::fromUtf8(read(trashFolder + "/info/" + name + ".trashinfo"));
        const QStringList lines = info.split(QLatin1Char('\n'));
        if (lines.value(0) != QLatin1String("[Trash Info]"))
            return QString();
        QString path;
        QDateTime when;
        for (const QString &line : lines) {
            if (line.startsWith(QLatin1String("Path=")))
                path = QFile::decodeName(QByteArray::fromPercentEncoding(line.mid(5).toLatin1()));
            if (line.startsWith(QLatin1String("DeletionDate=")))
                when = QDateTime::fromString(line.mid(13), Qt::ISODate);
        }
        if (path.isEmpty() || !when.isValid())
            return QString();
        if (!path.startsWith(QLatin1Char('/')))  // relative to the top folder of a top-folder trash
            path = QFileInfo(trashFolder).path() + QLatin1Char('/') + path;
        if (::rename(QFile::encodeName(trashFolder + "/files/" + name).constData(), QFile::encodeName(path).constData()) != 0)
            return QString();
        QFile::remove(trashFolder + "/info/" + name + ".trashinfo");
        return path;
    }

    FixtureTree tree;
    QString home;
};

int modeOf(const QString &path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
}

TEST_F(TrashTest, HomeWithoutLocalShareGetsItsTrashMadeAndTheItemCanBeRestored)
{
    const QString file = tree.text(QStringLiteral("docs/report.pdf"), "contents");
    QString trashed;
    EXPECT_EQ(sw::Trash::moveToTrash(file, &trashed), QString());
    EXPECT_EQ(trashed, trash() + QStringLiteral("/files/report.pdf"));
    EXPECT_FALSE(tree.exists(QStringLiteral("docs/report.pdf")));
    EXPECT_EQ(read(trashed), QByteArray("contents"));
    for (const QString &folder : {trash(), trash() + "/files", trash() + "/info", home + "/.local/share"})
        EXPECT_EQ(modeOf(folder), 0700) << folder.toStdString();

    EXPECT_EQ(restore(trash(), QStringLiteral("report.pdf")), file);
    EXPECT_EQ(read(file), QByteArray("contents"));
}

TEST_F(TrashTest, InfoFileHoldsTheEncodedPathAndTheDeletionTime)
{
    const QString file = tree.text(QStringLiteral("a b/100% #1 é.txt"), "x");
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    ASSERT_EQ(sw::Trash::moveToTrash(file), QString());
    const QByteArray info = read(trash() + QStringLiteral("/info/100% #1 é.txt.trashinfo"));
    const QRegularExpression shape(QStringLiteral("^\\[Trash Info\\]\nPath=(.*)\nDeletionDate=(\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d)\n$"));
    const auto match = shape.match(QString::fromLatin1(info));
    ASSERT_TRUE(match.hasMatch()) << info.toStdString();
    EXPECT_EQ(match.captured(1), QString::fromLatin1(sw::Trash::encodePath(file)));
    EXPECT_TRUE(match.captured(1).endsWith(QLatin1String("/a%20b/100%25%20%231%20%C3%A9.txt")));
    const QDateTime when = QDateTime::fromString(match.captured(2), Qt::ISODate);
    EXPECT_GE(when, before);
    EXPECT_LE(when, QDateTime::currentDateTime().addSecs(1));
}

// NAME.trashinfo must fit the file system's name limit too: an item whose
// name leaves no room for it gets a shorter name in files/, and its info
// file still records the whole original path.
TEST_F(TrashTest, NameTooLongForItsInfoFileIsShortenedAndTheItemCanBeRestored)
{
    const QString name = QString(250, QLatin1Char('n')) + QStringLiteral(".odt");  // 254 bytes
    const QString file = tree.text(QStringLiteral("docs/") + name, "long");
    const QString twin = tree.text(QStringLiteral("other/") + name, "twin");
    QString trashed, trashedTwin;
    ASSERT_EQ(sw::Trash::moveToTrash(file, &trashed), QString());
    ASSERT_EQ(sw::Trash::moveToTrash(twin, &trashedTwin), QString());
    const QString shortName = QFileInfo(trashed).fileName();
    EXPECT_LE(QFile::encodeName(shortName + QStringLiteral(".trashinfo")).size(), 255);
    EXPECT_TRUE(shortName.endsWith(QLatin1String(".odt")));
    EXPECT_NE(trashed, trashedTwin);
    EXPECT_EQ(read(trashed), QByteArray("long"));
    EXPECT_EQ(restore(trash(), shortName), file);
    EXPECT_EQ(read(file), QByteArray("long"));
}

struct EncodingRow
{
    const char *name;
    const char *path;
    const char *encoded;
};

class TrashEncoding : public ::testing::TestWithParam<EncodingRow>
{
};

TEST_P(TrashEncoding, PathIsPercentEncodedKeepingSlashes)
{
    EXPECT_EQ(sw::Trash::encodePath(QString::fromUtf8(GetParam().path)), QByteArray(GetParam().encoded));
}

INSTANTIATE_TEST_SUITE_P(
    Paths, TrashEncoding,
    ::testing::Values(EncodingRow{"plain", "/home/u/a-b_c.d~e", "/home/u/a-b_c.d~e"},
                      EncodingRow{"space_and_percent", "/x/a b%", "/x/a%20b%25"},
                      EncodingRow{"reserved", "/x/?#[]@!$&'()*+,;=", "/x/%3F%23%5B%5D%40%21%24%26%27%28%29%2A%2B%2C%3B%3D"},
                      EncodingRow{"utf8", "/x/ü", "/x/%C3%BC"},
                      EncodingRow{"newline", "/x/a\nb", "/x/a%0Ab"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(TrashTest, ItemsOfOneNameGetNamesOfTheirOwn)
{
    const QString first = tree.text(QStringLiteral("one/song.mp3"), "1");
    const QString second = tree.text(QStringLiteral("two/song.mp3"), "2");
    const QString third = tree.text(QStringLiteral("three/song.mp3"), "3");
    QString a, b, c;
    ASSERT_EQ(sw::Trash::moveToTrash(first, &a), QString());
    ASSERT_EQ(sw::Trash::moveToTrash(second, &b), QString());
    ASSERT_EQ(sw::Trash::moveToTrash(third, &c), QString());
    EXPECT_EQ(QFileInfo(a).fileName(), QStringLiteral("song.mp3"));
    EXPECT_EQ(QFileInfo(b).fileName(), QStringLiteral("song.2.mp3"));
    EXPECT_EQ(QFileInfo(c).fileName(), QStringLiteral("song.3.mp3"));
    EXPECT_EQ(read(b), QByteArray("2"));
    EXPECT_EQ(restore(trash(), QStringLiteral("song.2.mp3")), second);
}

TEST_F(TrashTest, LeftoverWithoutInfoFileKeepsItsName)
{
    tree.text(QStringLiteral("home/.local/share/Trash/files/movie.mkv"), "old");
    tree.folder(QStringLiteral("home/.local/share/Trash/info"));
    QString trashed;
    ASSERT_EQ(sw::Trash::moveToTrash(tree.text(QStringLiteral("d/movie.mkv"), "new"), &trashed), QString());
    EXPECT_EQ(QFileInfo(trashed).fileName(), QStringLiteral("movie.2.mkv"));
    EXPECT_EQ(read(trash() + "/files/movie.mkv"), QByteArray("old"));
    EXPECT_FALSE(QFile::exists(trash() + "/info/movie.mkv.trashinfo"));
}

TEST_F(TrashTest, LinkIsMovedAsTheLinkAndItsTargetStays)
{
    const QString target = tree.text(QStringLiteral("data/big.iso"), "iso");
    const QString link = tree.link(QStringLiteral("data/shortcut"), target);
    QString trashed;
    ASSERT_EQ(sw::Trash::moveToTrash(link, &trashed), QString());
    EXPECT_EQ(QFileInfo(trashed).symLinkTarget(), target);
    EXPECT_EQ(read(target), QByteArray("iso"));
    EXPECT_FALSE(tree.exists(QStringLiteral("data/shortcut")));
}

TEST_F(TrashTest, FolderIsMovedWhole)
{
    tree.text(QStringLiteral("album/a.mp3"), "a");
    tree.text(QStringLiteral("album/sub/b.mp3"), "b");
    QString trashed;
    ASSERT_EQ(sw::Trash::moveToTrash(tree.path(QStringLiteral("album")), &trashed), QString());
    EXPECT_EQ(read(trashed + "/sub/b.mp3"), QByteArray("b"));
    EXPECT_FALSE(tree.exists(QStringLiteral("album")));
}

TEST_F(TrashTest, FailuresAreReportedAndLeaveNoInfoFile)
{
    EXPECT_NE(sw::Trash::moveToTrash(tree.path(QStringLiteral("missing.txt"))), QString());
    EXPECT_NE(sw::Trash::moveToTrash(QStringLiteral("relative/file.txt")), QString());
    EXPECT_NE(sw::Trash::moveToTrash(QStringLiteral("/")), QString());
    const QString file = tree.text(QStringLiteral("x.txt"), "x");
    // The trash itself cannot move into itself; the claimed info file goes again.
    ASSERT_EQ(sw::Trash::moveToTrash(file), QString());
    EXPECT_NE(sw::Trash::moveToTrash(trash()), QString());
    EXPECT_EQ(QDir(trash() + "/info").entryList(QDir::Files), QStringList{QStringLiteral("x.txt.trashinfo")});
}

// Runs in an empty working folder and checks that it stays empty.
class TrashWorkingFolder : public TrashTest
{
protected:
    void SetUp() override
    {
        TrashTest::SetUp();
        ASSERT_TRUE(cwd.isValid());
        previous = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(cwd.path()));
    }
    void TearDown() override
    {
        QDir::setCurrent(previous);
        TrashTest::TearDown();
    }
    QStringList cwdEntries() const { return QDir(cwd.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot); }

    QTemporaryDir cwd;
    QString previous;
};

TEST_F(TrashWorkingFolder, HomeTrashThatCannotBeMadeIsAnErrorNotTheWorkingFolder)
{
    // A home that is a file: no .local/share can be made below it.
    const QString fileHome = tree.text(QStringLiteral("not-a-folder"), "x");
    ORLayout::set(ORLayout::Kind::Freedesktop, tree.path(QStringLiteral("root")), fileHome);
    const QString file = tree.text(QStringLiteral("keep.txt"), "keep");
    EXPECT_NE(sw::Trash::moveToTrash(file), QString());
    EXPECT_EQ(read(file), QByteArray("keep"));
    EXPECT_EQ(cwdEntries(), QStringList());
}

TEST_F(TrashWorkingFolder, MovingWritesOnlyIntoTheTrash)
{
    ASSERT_EQ(sw::Trash::moveToTrash(tree.text(QStringLiteral("a.txt"), "a")), QString());
    EXPECT_EQ(cwdEntries(), QStringList());
}

dev_t deviceOf(const QString &path)
{
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_dev : dev_t(-1);
}

TEST_F(TrashTest, ItemOnAnotherFileSystemGoesToTheTrashAtItsTop)
{
    const QString shm = QStringLiteral("/dev/shm");
    if (deviceOf(shm) == dev_t(-1) || deviceOf(shm) == deviceOf(home) || deviceOf(QStringLiteral("/dev")) == deviceOf(shm)
        || ::access("/dev/shm", W_OK) != 0)
        GTEST_SKIP() << "no writable file system of its own at /dev/shm";
    const QString ownTrash = shm + QStringLiteral("/.Trash-") + QString::number(::geteuid());
    const bool hadTrash = QFileInfo::exists(ownTrash);
    const auto cleanUp = qScopeGuard([&] {
        if (!hadTrash)
            QDir(ownTrash).removeRecursively();
    });
    QTemporaryDir other(shm + QStringLiteral("/sweepwright-trash-XXXXXX"));
    ASSERT_TRUE(other.isValid());
    const QString file = other.path() + QStringLiteral("/clip.mov");
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("clip");
    }
    QString trashed;
    ASSERT_EQ(sw::Trash::moveToTrash(file, &trashed), QString());
    const QString topTrash = trashed.section(QLatin1Char('/'), 0, -3);
    EXPECT_TRUE(topTrash.startsWith(shm + QStringLiteral("/.Trash"))) << trashed.toStdString();
    const QByteArray info = read(topTrash + "/info/" + QFileInfo(trashed).fileName() + ".trashinfo");
    // Relative to the top folder, as the desktop expects in such a trash.
    EXPECT_TRUE(info.contains("\nPath=" + QFileInfo(other.path()).fileName().toUtf8() + "/clip.mov\n")) << info.toStdString();
    EXPECT_EQ(restore(topTrash, QFileInfo(trashed).fileName()), file);
    EXPECT_EQ(read(file), QByteArray("clip"));
}

TEST_F(TrashTest, ItemWhoseFileSystemHasNoTrashIsLeftWithAnError)
{
    // /proc takes no folder: the item is neither moved nor copied anywhere.
    const QString item = QStringLiteral("/proc/self/status");
    if (deviceOf(item) == dev_t(-1) || deviceOf(item) == deviceOf(home))
        GTEST_SKIP() << "no /proc";
    const QString error = sw::Trash::moveToTrash(item);
    EXPECT_TRUE(error.contains(QLatin1String("no trash on its file system"))) << error.toStdString();
    EXPECT_TRUE(QFileInfo::exists(item));
    EXPECT_FALSE(QFileInfo::exists(trash() + QStringLiteral("/files/status")));
}

}  // namespace
