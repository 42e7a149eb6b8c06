// SPDX-License-Identifier: GPL-3.0-or-later
// The shell completions of both programs, loaded the way each shell finds
// them once installed (file names and #compdef lines included), and compared
// with the programs' own --help so that an option added or dropped on one
// side fails here.

#include "core/dups/DupKeepRule.h"
#include "support/FixtureTree.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>

namespace {

enum class Shell { Bash, Zsh, Fish };

struct Program
{
    const char *name;
    const char *path;
};

const Program kCli{"sweepwright-cli", SWEEPWRIGHT_CLI};
const Program kGui{"sweepwright", SWEEPWRIGHT_GUI};

QString shellName(Shell shell)
{
    return shell == Shell::Bash ? QStringLiteral("bash") : shell == Shell::Zsh ? QStringLiteral("zsh") : QStringLiteral("fish");
}

struct Output
{
    int code = -1;
    QString out;
    QString err;
};

// Without a display: the window program's help must not need one. bin,
// when given, goes first on PATH.
Output run(const QString &program, const QStringList &args, const QString &bin = QString())
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "SWEEPWRIGHT_LAYOUT"})
        env.remove(QString::fromLatin1(name));
    if (!bin.isEmpty())
        env.insert(QStringLiteral("PATH"), bin + QLatin1Char(':') + env.value(QStringLiteral("PATH")));
    process.setProcessEnvironment(env);
    process.start(program, args);
    process.closeWriteChannel();
    Output output;
    if (!process.waitForFinished(60000))
        return output;
    output.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    output.out = QString::fromUtf8(process.readAllStandardOutput());
    output.err = QString::fromUtf8(process.readAllStandardError());
    return output;
}

QSet<QString> setOf(const QStringList &words)
{
    return QSet<QString>(words.cbegin(), words.cend());
}

// The options a help text lists: the first column of its indented option lines.
QSet<QString> helpOptions(const QString &help)
{
    static const QRegularExpression line(QStringLiteral("^ {1,4}(-\\S.*?)(?: {2,}|$)"),
                                         QRegularExpression::MultilineOption);
    static const QRegularExpression name(QStringLiteral("(?<![\\w-])(--?[A-Za-z][\\w-]*)"));
    QSet<QString> options;
    for (auto it = line.globalMatch(help); it.hasNext();)
        for (auto names = name.globalMatch(it.next().captured(1)); names.hasNext();)
            options.insert(names.next().captured(1));
    return options;
}

QStringList cliCommands()
{
    static const QRegularExpression row(QStringLiteral("^  ([a-z]+) +\\S"), QRegularExpression::MultilineOption);
    const QString help = run(QStringLiteral(SWEEPWRIGHT_CLI), {QStringLiteral("--help")}).out;
    const QString commands = help.section(QStringLiteral("Commands:\n"), 1).section(QStringLiteral("\n\n"), 0, 0);
    QStringList names;
    for (auto it = row.globalMatch(commands); it.hasNext();)
        names.append(it.next().captured(1));
    return names;
}

// The completion files laid out as the install lays them, each shell
// pointed at them, and the programs on PATH (fish completes only a command
// it finds).
class Installed
{
public:
    Installed()
    {
        m_tree.folder(QStringLiteral("bin"));
        m_tree.link(QStringLiteral("bin/sweepwright-cli"), QStringLiteral(SWEEPWRIGHT_CLI));
        m_tree.link(QStringLiteral("bin/sweepwright"), QStringLiteral(SWEEPWRIGHT_GUI));
        const QString source = QStringLiteral(SWEEPWRIGHT_COMPLETIONS);
        const QList<std::pair<QString, QString>> files{
            {QStringLiteral("sweepwright-cli.bash"), QStringLiteral("bash/completions/sweepwright-cli")},
            {QStringLiteral("sweepwright.bash"), QStringLiteral("bash/completions/sweepwright")},
            {QStringLiteral("_sweepwright-cli"), QStringLiteral("zsh/_sweepwright-cli")},
            {QStringLiteral("_sweepwright"), QStringLiteral("zsh/_sweepwright")},
            {QStringLiteral("sweepwright-cli.fish"), QStringLiteral("fish/sweepwright-cli.fish")},
            {QStringLiteral("sweepwright.fish"), QStringLiteral("fish/sweepwright.fish")},
        };
        for (const auto &[from, to] : files) {
            m_tree.folder(QFileInfo(to).path());
            QFile::copy(source + QLatin1Char('/') + from, m_tree.path(to));
        }
    }

    // What the shell offers for the words of line, the last one being
    // completed; the shell's standard error in err.
    QStringList complete(Shell shell, const QString &program, const QStringList &line, QString &err) const
    {
        const QString bin = m_tree.path(QStringLiteral("bin"));
        Output output;
        if (shell == Shell::Bash)
            output = run(QStringLiteral("bash"),
                         QStringList{QStringLiteral("-c"), bashScript(program), QStringLiteral("bash")} + line, bin);
        else if (shell == Shell::Fish)
            output = run(QStringLiteral("fish"),
                         {QStringLiteral("--no-config"), QStringLiteral("-c"),
                          QStringLiteral("set -g fish_complete_path %1; complete -C '%2'")
                              .arg(m_tree.path(QStringLiteral("fish")), line.join(QLatin1Char(' ')))},
                         bin);
        else
            output = run(QStringLiteral("zsh"), {QStringLiteral("-f"), QStringLiteral("-c"), zshScript(program)}, bin);
        err = output.err;
        QStringList words;
        for (const QString &row : output.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            words.append(row.section(QLatin1Char('\t'), 0, 0));
        return words;
    }

    QString zshFile(const QString &program) const
    {
        QFile file(m_tree.path(QStringLiteral("zsh/_") + program));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

private:
    // bash-completion's own loader finds the file by the program's name.
    QString bashScript(const QString &program) const
    {
        return QStringLiteral(
                   "source /usr/share/bash-completion/bash_completion || exit 3\n"
                   "BASH_COMPLETION_USER_DIR=%1\n"
                   "__load_completion %2 || exit 4\n"
                   "function=$(complete -p %2 | sed -n 's/.*-F \\([^ ]*\\) .*/\\1/p')\n"
                   "COMP_WORDS=(\"$@\"); COMP_CWORD=$(($# - 1))\n"
                   "$function %2 \"${COMP_WORDS[COMP_CWORD]}\" \"${COMP_WORDS[COMP_CWORD - 1]}\"\n"
                   "printf '%s\\n' \"${COMPREPLY[@]}\"\n")
            .arg(m_tree.path(QStringLiteral("bash")), program);
    }

    // Loaded through compinit from fpath, the function is registered for
    // the program by the file's #compdef line.
    QString zshScript(const QString &program) const
    {
        return QStringLiteral("fpath=(%1 $fpath); autoload -U compinit; compinit -u -d %2/zcompdump\n"
                              "print -r -- $_comps[%3]\n"
                              "source %1/_%3 && print -r -- $_comps[%3]\n")
            .arg(m_tree.path(QStringLiteral("zsh")), m_tree.root(), program);
    }

    swtest::FixtureTree m_tree;
};

// A command's options as its zsh block names them, with the shared arrays
// it uses expanded.
QSet<QString> zshOptions(const QString &file, const QString &command)
{
    QString block = file;
    if (!command.isEmpty()) {
        const qsizetype start = file.indexOf(QStringLiteral("(%1)\n").arg(command));
        block = start < 0 ? QString() : file.mid(start, file.indexOf(QStringLiteral(";;"), start) - start);
    }
    QSet<QString> options;
    static const QRegularExpression optionWord(QStringLiteral("'(?:\\([^)]*\\))?\\*?(--?[A-Za-z][\\w-]*)"));
    for (auto it = optionWord.globalMatch(block); it.hasNext();)
        options.insert(it.next().captured(1));
    static const QRegularExpression braces(QStringLiteral("\\{(-\\w),(--[\\w-]+)\\}"));
    for (auto it = braces.globalMatch(block); it.hasNext();) {
        const auto match = it.next();
        options << match.captured(1) << match.captured(2);
    }
    const QList<std::pair<QString, QStringList>> shared{
        {QStringLiteral("$common"), {QStringLiteral("-h"), QStringLiteral("--help"), QStringLiteral("-V"), QStringLiteral("--version")}},
        {QStringLiteral("$layout"), {QStringLiteral("--layout"), QStringLiteral("--root"), QStringLiteral("--home")}},
        {QStringLiteral("$removal"), {QStringLiteral("--yes"), QStringLiteral("--dry-run")}},
    };
    for (const auto &[array, names] : shared)
        if (!command.isEmpty() && block.contains(array))
            options.unite(setOf(names));
    return options;
}

// One row per program and command; each shell offers exactly the options
// the command's --help lists (-h, which the help does not list, aside).
class CompletionOptions : public ::testing::TestWithParam<std::tuple<Shell, std::pair<const Program *, const char *>>>
{
};

TEST_P(CompletionOptions, MatchTheHelp)
{
    swtest::ensureCoreApplication();
    const auto [shell, row] = GetParam();
    const auto [program, command] = row;
    const QString name = QString::fromLatin1(program->name);
    QStringList helpArgs{QStringLiteral("--help")};
    if (*command)
        helpArgs.prepend(QString::fromLatin1(command));
    const Output help = run(QString::fromLatin1(program->path), helpArgs);
    ASSERT_EQ(help.code, 0) << help.err.toStdString();
    const QSet<QString> expected = helpOptions(help.out) + QSet<QString>{QStringLiteral("-h")};
    ASSERT_TRUE(expected.contains(QStringLiteral("--version")) && expected.contains(QStringLiteral("-V")))
        << help.out.toStdString();

    const Installed installed;
    QSet<QString> offered;
    QString err;
    if (shell == Shell::Zsh) {
        offered = zshOptions(installed.zshFile(name), QString::fromLatin1(command));
    } else {
        QStringList line{name};
        if (*command)
            line.append(QString::fromLatin1(command));
        line.append(QStringLiteral("-"));
        offered = setOf(installed.complete(shell, name, line, err));
    }
    EXPECT_EQ(offered, expected) << "help: " << QStringList(expected.values()).join(u' ').toStdString()
                                 << "\noffered: " << QStringList(offered.values()).join(u' ').toStdString() << '\n'
                                 << err.toStdString();
}

std::vector<std::pair<const Program *, const char *>> programRows()
{
    static const char *const commands[] = {"junk", "large", "dups", "apps",  "extensions", "login",
                                           "memory", "extract", "pdf", "shred", "tnef"};
    std::vector<std::pair<const Program *, const char *>> rows{{&kGui, ""}};
    for (const char *command : commands)
        rows.emplace_back(&kCli, command);
    return rows;
}

std::string rowName(const ::testing::TestParamInfo<CompletionOptions::ParamType> &info)
{
    const char *command = std::get<1>(info.param).second;
    return (shellName(std::get<0>(info.param)) + QLatin1Char('_')
            + (*command ? QString::fromLatin1(command) : QStringLiteral("window")))
        .toStdString();
}

INSTANTIATE_TEST_SUITE_P(Rows, CompletionOptions,
                         ::testing::Combine(::testing::Values(Shell::Bash, Shell::Zsh, Shell::Fish),
                                            ::testing::ValuesIn(programRows())),
                         rowName);

// The commands, and the values of --layout and --keep, where bash and fish
// are asked and zsh is loaded as compinit loads it.
TEST(Completions, OfferTheCommandsAndTheValuesOfLayoutAndKeep)
{
    swtest::ensureCoreApplication();
    const Installed installed;
    const QString cli = QStringLiteral("sweepwright-cli");
    const QStringList commands = cliCommands();
    ASSERT_GE(commands.size(), 10);
    QStringList keepRules = sw::dupkeep::keys();
    QString err;
    for (const Shell shell : {Shell::Bash, Shell::Fish}) {
        SCOPED_TRACE(shellName(shell).toStdString());
        EXPECT_EQ(setOf(installed.complete(shell, cli, {cli, QString()}, err)), setOf(commands)) << err.toStdString();
        EXPECT_EQ(setOf(installed.complete(shell, cli, {cli, QStringLiteral("dups"), QStringLiteral("--keep"), QString()}, err)),
                  setOf(keepRules))
            << err.toStdString();
        EXPECT_EQ(installed.complete(shell, cli, {cli, QStringLiteral("junk"), QStringLiteral("--layout"), QStringLiteral("m")}, err),
                  QStringList{QStringLiteral("macos")})
            << err.toStdString();
    }

    // zsh: found through fpath, registered for the program, and sourcing it again registers it too.
    for (const QString &program : {cli, QStringLiteral("sweepwright")}) {
        const QStringList names = installed.complete(Shell::Zsh, program, {}, err);
        const QString function = QLatin1Char('_') + program;
        EXPECT_EQ(names, (QStringList{function, QString(function).replace(QLatin1Char('-'), QLatin1Char('_'))}))
            << err.toStdString();
        EXPECT_TRUE(err.isEmpty()) << err.toStdString();
    }
    const QString zsh = installed.zshFile(cli);
    for (const QString &command : commands)
        EXPECT_TRUE(zsh.contains(QStringLiteral("'%1:").arg(command))) << command.toStdString();
    EXPECT_TRUE(zsh.contains(QStringLiteral("(%1)").arg(keepRules.join(QLatin1Char(' ')))));
    EXPECT_TRUE(zsh.contains(QStringLiteral("(freedesktop macos)")));
}

}  // namespace
