#include "ArchiveBuilder.h"
#include "FixtureTree.h"
#include "TemporaryFolder.h"
#include "TreeSnapshot.h"
#include "XADSimpleUnarchiver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <sys/stat.h>

using swtest::ArchiveBuilder;
using swtest::FixtureTree;
using swtest::TreeSnapshot;

namespace {

// Answers the password request with a fixed password (or refuses it).
class Delegate : public XADSimpleUnarchiverDelegate
{
public:
    QString password;
    bool givesPassword = true;
    int passwordRequests = 0;

    bool simpleUnarchiverNeedsPassword(XADSimpleUnarchiver &unarchiver) override
    {
        ++passwordRequests;
        unarchiver.setPassword(password);
        return givesPassword;
    }
    QString simpleUnarchiver(XADSimpleUnarchiver &, const XADString &) override { return {}; }
};

struct Extraction
{
    std::unique_ptr<XADSimpleUnarchiver> unarchiver;
    int error = -1;  // the first error of parse() and unarchive()
};

// Extracts as the archive page does: straight into destination.
Extraction extract(const QString &archive, const QString &destination, Delegate *delegate = nullptr)
{
    Extraction run;
    run.unarchiver = XADSimpleUnarchiver::simpleUnarchiverForPath(archive);
    if (!run.unarchiver)
        return run;
    run.unarchiver->setDelegate(delegate);
    run.unarchiver->setAlwaysRenamesFiles(true);
    run.unarchiver->setPropagatesRelevantMetadata(true);
    run.unarchiver->setRemovesEnclosingDirectoryForSoloItems(true);
    run.error = run.unarchiver->parse();
    if (run.error == XADSimpleUnarchiver::XADNoError) {
        QDir().mkpath(destination);
        run.unarchiver->setDestination(destination);
        run.error = run.unarchiver->unarchive();
    }
    return run;
}

// Paths that appeared, vanished or changed outside inside (a folder below root).
QStringList changesOutside(const TreeSnapshot &before, const TreeSnapshot &after, const QString &inside)
{
    QStringList out = before.vanished(after) + before.changed(after) + after.vanished(before);
    out.removeIf([&](const QString &path) { return TreeSnapshot::isUnder(path, {inside}); });
    return out;
}

QStringList skippedNames(const XADSimpleUnarchiver &unarchiver)
{
    QStringList out;
    for (const XADSkippedItem &item : unarchiver.skippedItems())
        out.append(item.path);
    out.sort();
    return out;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

}  // namespace

TEST(XADSimpleUnarchiver, NamesThatClimbOrAreAbsoluteStayInsideTheDestination)
{
    for (const QString &format : {QStringLiteral("zip"), QStringLiteral("tar")}) {
        SCOPED_TRACE(format.toStdString());
        FixtureTree tree;
        const QString archive = tree.path(QStringLiteral("names.") + format);
        ASSERT_TRUE(ArchiveBuilder(format)
                        .file("../x", "climb")
                        .file("../../x", "climb")
                        .file("a/../../x", "climb")
                        .file("/abs", "abs")
                        .file("..\\x", "backslash")
                        .file("C:/x", "drive")
                        .write(archive));
        const QString destination = tree.folder(QStringLiteral("deep/dest"));
        const TreeSnapshot before = TreeSnapshot::of(tree.root());

        const Extraction run = extract(archive, destination);

        ASSERT_TRUE(run.unarchiver);
        EXPECT_EQ(run.error, XADSimpleUnarchiver::XADNoError);
        EXPECT_EQ(changesOutside(before, TreeSnapshot::of(tree.root()), destination), QStringList());
        EXPECT_EQ(contents(destination + "/abs"), "abs");
        EXPECT_EQ(contents(destination + "/x"), "drive");
        if (format == QLatin1String("zip")) {
            // Zip readers take a backslash for the separator Windows tools
            // write, so "..\x" climbs there too.
            EXPECT_EQ(skippedNames(*run.unarchiver), QStringList({"../../x", "../x", "../x", "a/../../x"}));
        } else {
            EXPECT_EQ(skippedNames(*run.unarchiver), QStringList({"../../x", "../x", "a/../../x"}));
            EXPECT_EQ(contents(destination + "/.._x"), "backslash");
        }
    }
}
