// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/TnefCommand.h"
#include "tnef/support/DecodeRun.h"
#include "tnef/support/TnefStreamBuilder.h"

#include <QProcess>
#include <gtest/gtest.h>

#include <unistd.h>

using sw::Bytes;
using sw::TnefStreamBuilder;
using Names = std::vector<std::string>;
namespace fs = std::filesystem;

namespace {

struct CommandResult {
    int rc = 0;
    std::string out;
    std::string err;
};

class TnefCommand : public testing::Test {
protected:
    TnefCommand() { sw::writeFile(input(), sampleStream()); }
    std::string input() const { return (m_tmp.path() / "winmail.dat").string(); }
    std::string dest() const { return (m_tmp.path() / "dest").string(); }
    Names written() const { return fs::exists(dest()) ? sw::listDir(dest()) : Names{}; }

    static Bytes sampleStream()
    {
        TnefStreamBuilder s;
        s.textBody("text").attachment("a.txt", sw::bytesOf("a")).attachment("docs\\b.txt", sw::bytesOf("b"));
        s.messageProps(sw::MapiBlockBuilder()
                           .buffers(0x0102, 0x1013, {sw::bytesOf("<p/>")})
                           .buffers(0x0102, 0x1009, {sw::rtfCompressed("{\\rtf1 r}")})
                           .build());
        return s.bytes();
    }

    CommandResult run(QStringList args, const std::string &stdinText = std::string())
    {
        CommandResult r;
        sw::StdCapture capture(stdinText);
        r.rc = runTnefCommand(args);
        capture.stop();
        r.out = capture.out();
        r.err = capture.err();
        return r;
    }
    QString q(const std::string &s) const { return QString::fromStdString(s); }

    sw::TempDir m_tmp;
};

TEST_F(TnefCommand, WithoutOptionsDoesWhatTheApplicationDoes)
{
    const CommandResult r = run({q(input()), "-C", q(dest())});
    EXPECT_EQ(r.rc, 0) << r.err;
    EXPECT_EQ(written(), (Names{"MailBody.html", "MailBody.rtf", "MailBody.txt", "a.txt", "docs%5Cb.txt"}));
}

TEST_F(TnefCommand, WritesIntoTheCurrentFolderByDefault)
{
    fs::create_directory(dest());
    const fs::path previous = fs::current_path();
    fs::current_path(dest());
    const CommandResult r = run({q(input())});
    fs::current_path(previous);
    EXPECT_EQ(r.rc, 0) << r.err;
    EXPECT_EQ(written().size(), 5u);
}

struct OptionCase {
    const char *name;
    QStringList options;
    Names files;
};

class Options : public TnefCommand, public testing::WithParamInterface<OptionCase> {};

TEST_P(Options, SetTheirBits)
{
    const CommandResult r = run(QStringList{q(input()), "-C", q(dest())} + GetParam().options);
    EXPECT_EQ(r.rc, 0) << r.err;
    EXPECT_EQ(written(), GetParam().files);
}

INSTANTIATE_TEST_SUITE_P(
    TnefCommand, Options,
    testing::Values(OptionCase{"VerboseAloneSavesNoBodies", {"--verbose"}, {"a.txt", "docs%5Cb.txt"}},
                    OptionCase{"ListWritesNothing", {"--list"}, {}},
                    OptionCase{"SaveBodyPreference", {"--save-body=th"}, {"MailBody.txt", "a.txt", "docs%5Cb.txt"}},
                    OptionCase{"SaveBodyAll", {"--save-body"},
                               {"MailBody.html", "MailBody.rtf", "MailBody.txt", "a.txt", "docs%5Cb.txt"}},
                    OptionCase{"BodyName", {"--save-body=r", "--body-name", "Note"}, {"Note.rtf", "a.txt", "docs%5Cb.txt"}},
                    OptionCase{"UsePaths", {"--use-paths"}, {"a.txt", "docs", "docs/b.txt"}},
                    OptionCase{"UnixSafe", {"--unix-safe", "--save-body=h"}, {"MailBody.html", "a.txt", "docs%5Cb.txt"}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(TnefCommand, ListShowsEveryFile)
{
    const CommandResult r = run({q(input()), "-C", q(dest()), "--list", "--save-body=t"});
    EXPECT_EQ(r.out, "a.txt\t|\t" + dest() + "/a.txt\n" + "docs\\b.txt\t|\t" + dest() + "/docs%5Cb.txt\n" +
                         "MailBody.txt\t|\t" + dest() + "/MailBody.txt\n");
}

TEST_F(TnefCommand, NumberBackupsKeepsBothRuns)
{
    run({q(input()), "-C", q(dest())});
    const CommandResult r = run({q(input()), "-C", q(dest()), "--number-backups", "--save-body=t"});
    EXPECT_EQ(r.rc, 0);
    EXPECT_TRUE(fs::exists(dest() + "/a.txt.1"));
    EXPECT_TRUE(fs::exists(dest() + "/MailBody.txt.1"));
}

TEST_F(TnefCommand, ReadsStandardInput)
{
    const Bytes bytes = sampleStream();
    const CommandResult r = run({"-", "-C", q(dest()), "--save-body=h"}, std::string(bytes.begin(), bytes.end()));
    EXPECT_EQ(r.rc, 0) << r.err;
    EXPECT_EQ(written(), (Names{"MailBody.html", "a.txt", "docs%5Cb.txt"}));
}

TEST_F(TnefCommand, FatalDecodingErrorExitsWithOne)
{
    const CommandResult r = run({q(input()), "-C", q(dest()), "--maxsize", "3"});
    EXPECT_EQ(r.rc, 1);
    EXPECT_EQ(r.err, "checked_xcalloc: Maximum allocation size exceeded (maxsize = 3; size = 4).\n");
}

TEST_F(TnefCommand, NotATnefFileExitsWithOne)
{
    sw::writeFile(input(), sw::bytesOf("hello"));
    const CommandResult r = run({q(input()), "-C", q(dest())});
    EXPECT_EQ(r.rc, 1);
    EXPECT_EQ(r.out, "Seems not to be a TNEF file\n");
}

TEST_F(TnefCommand, MissingFileExitsWithOne)
{
    const CommandResult r = run({q(dest() + ".dat")});
    EXPECT_EQ(r.rc, 1);
    EXPECT_EQ(r.err, "tnef: " + dest() + ".dat: No such file or directory\n");
}

struct UsageCase {
    const char *name;
    QStringList args;
    std::string problem;
};

class UsageErrors : public TnefCommand, public testing::WithParamInterface<UsageCase> {};

TEST_P(UsageErrors, ExitWithTwo)
{
    const CommandResult r = run(GetParam().args);
    EXPECT_EQ(r.rc, 2);
    EXPECT_EQ(r.err, "tnef: " + GetParam().problem + "\nTry 'sweepwright-cli tnef --help'.\n");
    EXPECT_FALSE(fs::exists(dest()));
}

INSTANTIATE_TEST_SUITE_P(
    TnefCommand, UsageErrors,
    testing::Values(UsageCase{"NoFile", {}, "no file given"},
                    UsageCase{"UnknownOption", {"x.dat", "--frobnicate"}, "unknown option --frobnicate"},
                    UsageCase{"TwoFiles", {"x.dat", "y.dat"}, "more than one file given"},
                    UsageCase{"BadPreference", {"x.dat", "--save-body=rtf"},
                              "--save-body takes \"all\" or up to three of r, h, t"},
                    UsageCase{"BadMaxsize", {"x.dat", "--maxsize", "lots"}, "--maxsize needs a number of bytes"},
                    UsageCase{"DirectoryMissing", {"x.dat", "-C"}, "-C needs a folder"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(TnefCommand, HelpNamesEveryOption)
{
    const CommandResult r = run({"--help"});
    EXPECT_EQ(r.rc, 0);
    for (const char *option : {"--verbose", "--debug", "--list", "--use-paths", "--overwrite", "--interactive",
                               "--number-backups", "--save-body", "--body-name", "--mime", "--ignore-checksum",
                               "--tolerate-props", "--tolerate-trailer", "--unix-safe", "--absolute-paths",
                               "--maxsize", "-C DIR"})
        EXPECT_NE(r.out.find(option), std::string::npos) << option;
}

TEST_F(TnefCommand, InstalledProgramRunsTheCommand)
{
#ifdef SWEEPWRIGHT_CLI
    QProcess cli;
    cli.start(QStringLiteral(SWEEPWRIGHT_CLI), {"tnef", q(input()), "-C", q(dest())});
    ASSERT_TRUE(cli.waitForFinished(60000));
    EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    EXPECT_EQ(written().size(), 5u);
#else
    GTEST_SKIP() << "sweepwright-cli is not built";
#endif
}

} // namespace
