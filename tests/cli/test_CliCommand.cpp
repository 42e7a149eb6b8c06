// SPDX-License-Identifier: GPL-3.0-or-later
// What every command does before its own work, run as a program.

#include "CliRunner.h"
#include "support/FixtureTree.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLibraryInfo>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <pwd.h>
#include <unistd.h>

namespace {

// A user the password database does not know (a container's, one mapped in
// by number only) stopped every command with "sweepwright-cli: pw". It now
// works on $HOME and says so; without $HOME it stops with a sentence.
TEST(CliCommand, AUserWithoutAPasswordEntryWorksOnHome)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "becoming another user needs root";
    constexpr uid_t kStranger = 54321;
    if (::getpwuid(kStranger))
        GTEST_SKIP() << "uid 54321 has a password entry here";
    swtest::ensureCoreApplication();
    swtest::FixtureTree tree;
    ASSERT_TRUE(tree.isValid());
    const QString home = tree.folder(QStringLiteral("home"));
    tree.text(QStringLiteral("home/.local/share/applications/notes.desktop"),
              "[Desktop Entry]\nType=Application\nName=Notes\nExec=/usr/bin/notes\n");
    tree.folder(QStringLiteral("root"));
    ASSERT_EQ(QProcess::execute(QStringLiteral("chown"), {QStringLiteral("-R"), QStringLiteral("54321:54321"),
                                                          tree.root()}),
              0);
    const QStringList asStranger{QStringLiteral("setpriv"), QStringLiteral("--reuid=54321"),
                                 QStringLiteral("--regid=54321"), QStringLiteral("--clear-groups")};
    const QStringList args{QStringLiteral("login"), QStringLiteral("--json"), QStringLiteral("--all"), QStringLiteral("--root"),
                           tree.path(QStringLiteral("root"))};
    const QString config = home + QStringLiteral("/.config");

    const swtest::CliRun run = swtest::runCli(
        args, config, QString(), {QStringLiteral("HOME=") + home, QStringLiteral("XDG_DATA_DIRS=")}, asStranger);
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("user 54321 has no password entry: using $HOME (%1)").arg(home).toUtf8()))
        << run.err.toStdString();
    const QJsonArray items = QJsonDocument::fromJson(run.out).object().value(QStringLiteral("loginItems")).toArray();
    ASSERT_EQ(items.size(), 1) << run.out.toStdString();
    EXPECT_EQ(items[0].toObject().value(QStringLiteral("id")).toString(), QStringLiteral("notes"));

    const swtest::CliRun homeless = swtest::runCli(args, config, QString(), {QStringLiteral("HOME=")}, asStranger);
    EXPECT_EQ(homeless.code, 2);
    EXPECT_TRUE(homeless.err.contains("no home folder: user 54321 has no password entry and $HOME is not set"))
        << homeless.err.toStdString();
}

// Every text the program writes is looked up, in the context lupdate files
// it under. A German translation is made from what lupdate extracts, each
// line of each text marked; run in German, every line the program writes
// must carry the mark. A line without it is a text never looked up, or
// looked up under another context than lupdate saw.
class CliTexts : public ::testing::Test
{
protected:
    static constexpr QChar kMark = QChar(0x00bb);  // »

    struct Message
    {
        QString context;
        QString source;
        QString comment;
        bool numerus = false;
    };

    void SetUp() override
    {
        swtest::ensureCoreApplication();
        const QString tools = QLibraryInfo::path(QLibraryInfo::BinariesPath);
        if (!QFile::exists(tools + QStringLiteral("/lupdate"))
            || !QFile::exists(tools + QStringLiteral("/lrelease")))
            GTEST_SKIP() << "lupdate and lrelease are not installed";
        ASSERT_TRUE(tree.isValid());
        const QString src = QStringLiteral(SWEEPWRIGHT_SOURCE_DIR "/src");
        const QString extracted = tree.path(QStringLiteral("extracted.ts"));
        const QString marked = tree.path(QStringLiteral("qm/sweepwright_de.ts"));
        ASSERT_TRUE(runTool(tools + QStringLiteral("/lupdate"),
                            {src, QStringLiteral("-I"), src, QStringLiteral("-extensions"), QStringLiteral("cpp,h"),
                             QStringLiteral("-target-language"), QStringLiteral("de"), QStringLiteral("-ts"),
                             extracted}));
        const QList<Message> messages = read(extracted);
        ASSERT_FALSE(messages.isEmpty());
        tree.folder(QStringLiteral("qm"));
        ASSERT_TRUE(writeMarked(messages, marked));
        ASSERT_TRUE(runTool(tools + QStringLiteral("/lrelease"), {marked}));
    }

    static bool runTool(const QString &program, const QStringList &args)
    {
        QProcess process;
        process.setStandardOutputFile(QProcess::nullDevice());
        process.start(program, args);
        return process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit
               && process.exitCode() == 0;
    }

    static QList<Message> read(const QString &path)
    {
        QList<Message> messages;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return messages;
        QXmlStreamReader xml(&file);
        QString context;
        Message message;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isEndElement() && xml.name() == QLatin1String("message"))
                messages.append(message);
            if (!xml.isStartElement())
                continue;
            if (xml.name() == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (xml.name() == QLatin1String("message")) {
                const bool numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
                message = Message{context, {}, {}, numerus};
            } else if (xml.name() == QLatin1String("source")) {
                message.source = xml.readElementText();
            } else if (xml.name() == QLatin1String("comment")) {
                message.comment = xml.readElementText();
            }
        }
        return messages;
    }

    static QString marked(const QString &text)
    {
        QStringList lines = text.split(QLatin1Char('\n'));
        for (QString &line : lines)
            if (!line.isEmpty())
                line.prepend(kMark);
        return lines.join(QLatin1Char('\n'));
    }

    static bool writeMarked(const QList<Message> &messages, const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return false;
        QXmlStreamWriter ts(&file);
        ts.writeStartDocument();
        ts.writeStartElement(QStringLiteral("TS"));
        ts.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
        ts.writeAttribute(QStringLiteral("language"), QStringLiteral("de"));
        for (const Message &message : messages) {
            ts.writeStartElement(QStringLiteral("context"));
            ts.writeTextElement(QStringLiteral("name"), message.context);
            ts.writeStartElement(QStringLiteral("message"));
            if (message.numerus)
                ts.writeAttribute(QStringLiteral("numerus"), QStringLiteral("yes"));
            ts.writeTextElement(QStringLiteral("source"), message.source);
            if (!message.comment.isEmpty())
                ts.writeTextElement(QStringLiteral("comment"), message.comment);
            ts.writeStartElement(QStringLiteral("translation"));
            if (message.numerus) {
                ts.writeTextElement(QStringLiteral("numerusform"), marked(message.source));
                ts.writeTextElement(QStringLiteral("numerusform"), marked(message.source));
            } else {
                ts.writeCharacters(marked(message.source));
            }
            ts.writeEndElement();
            ts.writeEndElement();
            ts.writeEndElement();
        }
        ts.writeEndDocument();
        return true;
    }

    // The lines of what args wrote, on both streams, that lack the mark.
    QStringList unmarkedLines(const QStringList &args, const QStringList &env = {}) const
    {
        const swtest::CliRun run = swtest::runCli(
            args, tree.path(QStringLiteral("config")), tree.root(),
            QStringList{QStringLiteral("LANG=de_DE.UTF-8"), QStringLiteral("LANGUAGE=de"), QStringLiteral("LC_ALL="),
                        QStringLiteral("LC_MESSAGES="),
                        QStringLiteral("SWEEPWRIGHT_TRANSLATIONS=") + tree.path(QStringLiteral("qm"))}
                + env);
        QStringList lines;
        for (const QByteArray &stream : {run.out, run.err})
            for (const QString &line : QString::fromUtf8(stream).split(QLatin1Char('\n')))
                if (!line.trimmed().isEmpty() && !line.contains(kMark))
                    lines.append(line);
        if (run.code < 0)
            lines.append(QStringLiteral("(the program did not finish)"));
        return lines;
    }

    swtest::FixtureTree tree;
};

TEST_F(CliTexts, EveryHelpAndUsageErrorIsLookedUp)
{
    const QString home = QStringLiteral("--home=") + tree.folder(QStringLiteral("home"));
    const QList<QStringList> runs{
        {QStringLiteral("--help")},
        {QStringLiteral("sweep")},
        {QStringLiteral("junk"), QStringLiteral("--help"), home},
        {QStringLiteral("junk"), QStringLiteral("--bogus")},
        {QStringLiteral("junk"), QStringLiteral("--category=cache"), home},
        {QStringLiteral("large"), QStringLiteral("--help"), home},
        {QStringLiteral("dups"), QStringLiteral("--help"), home},
        {QStringLiteral("dups"), QStringLiteral("--keep")},
        {QStringLiteral("apps"), QStringLiteral("--help")},
        {QStringLiteral("apps"), QStringLiteral("--with-data")},
        {QStringLiteral("extensions"), QStringLiteral("--help")},
        {QStringLiteral("login"), QStringLiteral("--help")},
        {QStringLiteral("login"), QStringLiteral("--on")},
        {QStringLiteral("memory"), QStringLiteral("--help")},
        {QStringLiteral("extract"), QStringLiteral("--help")},
        {QStringLiteral("extract"), QStringLiteral("qm")},
        {QStringLiteral("pdf"), QStringLiteral("--help")},
        {QStringLiteral("pdf"), QStringLiteral("a.pdf"), QStringLiteral("b.pdf")},
        {QStringLiteral("schedule"), QStringLiteral("--help")},
        {QStringLiteral("schedule"), QStringLiteral("--daily"), QStringLiteral("--off")},
        {QStringLiteral("junk"), QStringLiteral("--profile=nightly")},
        {QStringLiteral("shred"), QStringLiteral("--help")},
        {QStringLiteral("shred")},
        {QStringLiteral("history"), QStringLiteral("--help")},
        {QStringLiteral("history"), QStringLiteral("--put-back")},
        {QStringLiteral("history"), QStringLiteral("--put-back=none"), home},
        {QStringLiteral("tnef"), QStringLiteral("--help")},
        {QStringLiteral("tnef"), QStringLiteral("--save-body=x"), QStringLiteral("w.dat")},
    };
    for (const QStringList &args : runs)
        EXPECT_EQ(unmarkedLines(args), QStringList()) << args.join(QLatin1Char(' ')).toStdString();
}

// The reports of runs whose every line holds words: the memory figures and
// a release's end, the login items, a plan.
TEST_F(CliTexts, EveryReportLineIsLookedUp)
{
    tree.text(QStringLiteral("proc/meminfo"), "MemTotal: 4194304 kB\nMemFree: 300000 kB\nMemAvailable: 512000 kB\n"
                                              "Buffers: 20000 kB\nCached: 400000 kB\nSwapTotal: 2000000 kB\n"
                                              "SwapFree: 1000000 kB\n");
    tree.text(QStringLiteral("root/etc/xdg/autostart/applet.desktop"),
              "[Desktop Entry]\nType=Application\nName=Applet\nExec=/usr/libexec/applet\n");
    tree.text(QStringLiteral("root/usr/share/applications/notes.desktop"),
              "[Desktop Entry]\nType=Application\nName=Notes\nExec=/usr/bin/notes\n");
    tree.text(QStringLiteral("home/doomed.txt"), "gone soon");
    const QString proc = QStringLiteral("SWEEPWRIGHT_PROC=") + tree.path(QStringLiteral("proc"));
    const QStringList layout{QStringLiteral("--root"), tree.path(QStringLiteral("root")), QStringLiteral("--home"),
                             tree.path(QStringLiteral("home"))};
    // The fixture's available memory is at its floor: the release stops before it touches any.
    EXPECT_EQ(unmarkedLines(QStringList{QStringLiteral("memory"), QStringLiteral("--release")} + layout, {proc}),
              QStringList());
    EXPECT_EQ(unmarkedLines(QStringList{QStringLiteral("login"), QStringLiteral("--all")} + layout,
                            {QStringLiteral("XDG_DATA_DIRS=")}),
              QStringList());
    EXPECT_EQ(unmarkedLines(QStringList{QStringLiteral("shred"), QStringLiteral("--dry-run"),
                                        tree.path(QStringLiteral("home/doomed.txt"))}
                            + layout),
              QStringList());
    EXPECT_TRUE(tree.exists(QStringLiteral("home/doomed.txt")));
}

// The shipped German file, not a marked one: under a German locale the
// program's help is German (LANGUAGE empty, so LANG decides), and Qt's own
// texts do not mix English into it.
TEST(CliCommand, HelpIsGermanUnderAGermanLocale)
{
    swtest::FixtureTree tree;
    const QString source = QStringLiteral("scan for junk files and list them, or remove them with --clean");
    QString german;
    QFile ts(QStringLiteral(SWEEPWRIGHT_SOURCE_DIR "/resources/translations/sweepwright_de.ts"));
    ASSERT_TRUE(ts.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&ts);
    bool found = false;
    while (!xml.atEnd() && german.isEmpty()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("source"))
            found = xml.readElementText() == source;
        else if (found && xml.isStartElement() && xml.name() == QLatin1String("translation"))
            german = xml.readElementText();
    }
    ASSERT_FALSE(german.isEmpty());
    const swtest::CliRun run = swtest::runCli(
        {QStringLiteral("--help")}, tree.path(QStringLiteral("config")), tree.root(),
        {QStringLiteral("LANG=de_DE.UTF-8"), QStringLiteral("LANGUAGE="), QStringLiteral("LC_ALL="),
         QStringLiteral("LC_MESSAGES=")});
    EXPECT_EQ(run.code, 0);
    const QString help = QString::fromUtf8(run.out);
    EXPECT_TRUE(help.contains(german)) << help.toStdString();
    EXPECT_FALSE(help.contains(source)) << help.toStdString();
}

}  // namespace
