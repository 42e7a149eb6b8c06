// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CliOptions.h"

#include <QString>
#include <QStringList>

#include <optional>

// The skeleton of every sweepwright-cli command: parses the options (the
// command's own, --help and --version, and the layout options when the
// command looks at the disk), shows the help, sets the layout up, lets the
// command read its options and then runs it. A usage error says what is
// wrong and where the help is, and exits 2.
class CliCommand
{
public:
    static constexpr int kUsageError = 2;
    static constexpr int kCancelled = 130;  // as a shell reports a program ended by Ctrl-C

    virtual ~CliCommand() = default;

    // args are the words after the command's name; returns the exit status.
    int run(const QStringList &args);

    // "sweepwright-cli VERSION".
    static QString versionText();
    // "WHO: message" on stderr, who being the program or the command.
    static void tell(const char *who, const QString &message);
    // "sweepwright-cli: cancelled" on stderr.
    static void tellCancelled();
    // That the report could not be written (errno says why), on stderr; returns 1.
    static int tellWriteError();
    // What every program of the command line sets once its QCoreApplication
    // exists: its name, and the library's chatter kept quiet.
    static void prepareApplication();

protected:
    CliCommand(const char *name, bool looksAtDisk);

    const char *name() const { return m_name; }
    // Prints "NAME: problem" and the hint to the help; returns kUsageError.
    int usageError(const QString &problem) const;
    // The usage errors several commands share.
    static QString unexpectedArgument(const QString &word);
    // The one FILE of a command that takes exactly one: a usage error's text
    // when files holds none or more.
    static std::optional<QString> oneFile(const QStringList &files);

    virtual QString help() const = 0;
    // Adds the command's own flags and valued options.
    virtual void declareOptions(CliOptions &options) const = 0;
    // Reads the parsed options (the layout is set up by now); a usage
    // error's text, else nothing.
    virtual std::optional<QString> configure(const CliOptions &options) = 0;
    // Does the command's work; returns the exit status.
    virtual int execute(const CliOptions &options) = 0;

private:
    // The layout options parsed, as words ORLayout::configure() reads.
    static QStringList layoutOptions(const CliOptions &options);

    const char *m_name;
    bool m_looksAtDisk;
};
