// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>

#include <optional>

// The options of the window program: --layout, --root and --home,
// --open-result, -h/--help
// and -V/--version ("--" ends them). The help and the version are answered
// before the window's application exists, so they need no display.
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    CommandLine();

    // When argv asks for the help or the version: prints it, with an
    // application of its own, and returns the exit status.
    static std::optional<int> answerAlone(int argc, char *argv[]);
    // Parses the application's arguments and sets the layout up; the exit
    // status when the program must end (2 after a usage error).
    std::optional<int> apply(const QCoreApplication &app);
    // --open-result FILE: a saved duplicate result to open, made absolute;
    // empty when not asked for.
    QString openResult() const;

private:
    // The help or the version when asked for.
    std::optional<int> answer();

    QCommandLineParser m_parser;
    QCommandLineOption m_help;
    QCommandLineOption m_version;
    QCommandLineOption m_layout;
    QCommandLineOption m_root;
    QCommandLineOption m_home;
    QCommandLineOption m_openResult;
};
