// SPDX-License-Identifier: GPL-3.0-or-later
// sweepwright-cli: the engines of Sweepwright from the command line.

#include "cli/AppsCommand.h"
#include "cli/CliCommand.h"
#include "cli/DupsCommand.h"
#include "cli/ExtensionsCommand.h"
#include "cli/HelperProgram.h"
#include "cli/HistoryCommand.h"
#include "cli/JunkCommand.h"
#include "cli/LargeCommand.h"
#include "cli/LoginCommand.h"
#include "cli/MemoryCommand.h"
#include "cli/ScheduleCommand.h"
#include "cli/ShredCommand.h"
#include "cli/TnefCommand.h"
#include "core/platform/ORLayout.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace {

struct Command
{
    const char *name;
    std::unique_ptr<CliCommand> (*make)();
    const char *summary;
    // A command that runs in a helper program (see HelperProgram.h) has no make.
    const char *helper;
};

template <class C>
std::unique_ptr<CliCommand> make()
{
    return std::make_unique<C>();
}

const Command kCommands[] = {
    {"junk", make<JunkCommand>,
     QT_TRANSLATE_NOOP("CliMain", "scan for junk files and list them, or remove them with --clean"), nullptr},
    {"large", make<LargeCommand>,
     QT_TRANSLATE_NOOP("CliMain", "list the files of 32 MB and more in folders, or move them to the Trash"), nullptr},
    {"dups", make<DupsCommand>,
     QT_TRANSLATE_NOOP("CliMain", "list duplicate files in folders, or move all copies but one to the Trash"),
     nullptr},
    {"apps", make<AppsCommand>,
     QT_TRANSLATE_NOOP("CliMain", "list the installed applications and their leftovers, or remove some with --remove"),
     nullptr},
    {"extensions", make<ExtensionsCommand>,
     QT_TRANSLATE_NOOP("CliMain", "list the add-ons by category, or remove some with --remove"), nullptr},
    {"login", make<LoginCommand>,
     QT_TRANSLATE_NOOP("CliMain", "list the applications started at login, or switch one with --on or --off"),
     nullptr},
    {"memory", make<MemoryCommand>,
     QT_TRANSLATE_NOOP("CliMain", "show memory and disk use, or release memory with --release"), nullptr},
    {"extract", nullptr,
     QT_TRANSLATE_NOOP("CliMain", "extract an archive or a winmail.dat file, or list what it holds"),
     "sweepwright-cli-extract"},
    {"pdf", nullptr, QT_TRANSLATE_NOOP("CliMain", "make a smaller copy of a PDF document"), "sweepwright-cli-pdf"},
    {"shred", make<ShredCommand>,
     QT_TRANSLATE_NOOP("CliMain", "remove files and folders whole, optionally overwriting their contents first"),
     nullptr},
    {"schedule", make<ScheduleCommand>,
     QT_TRANSLATE_NOOP("CliMain", "tell or set how often junk is cleaned automatically"), nullptr},
    {"history", make<HistoryCommand>,
     QT_TRANSLATE_NOOP("CliMain", "list what every tool removed, or put back what a run moved to the Trash"),
     nullptr},
    {"tnef", make<TnefCommand>,
     QT_TRANSLATE_NOOP("CliMain", "write the attachments and message bodies of a winmail.dat file into a folder"),
     nullptr},
};

// One context for the texts of this file, the table's too.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(CliMain)
};

void printHelp(FILE *out)
{
    QString text = Text::tr("Usage: sweepwright-cli COMMAND [options]\n"
                            "       sweepwright-cli COMMAND --help\n"
                            "       sweepwright-cli -V | --version\n"
                            "\n"
                            "Commands:\n");
    for (const Command &c : kCommands)
        text += QStringLiteral("  %1 %2\n").arg(QLatin1String(c.name), -10).arg(Text::tr(c.summary));
    text += QLatin1Char('\n') + Text::tr("Layout options (commands that look at the disk):") + QLatin1Char('\n')
            + ORLayout::optionsHelp();
    text += Text::tr("The variables SWEEPWRIGHT_LAYOUT, SWEEPWRIGHT_ROOT and SWEEPWRIGHT_HOME set the same;\n"
                     "the options win.\n"
                     "\n"
                     "Commands that remove or move files act only with --yes or after a question on a\n"
                     "terminal; otherwise they print the plan and exit 2. --dry-run prints the plan and\n"
                     "touches nothing. Ctrl-C stops a scan, or a removal after the current item (exit 130).\n"
                     "\"--\" ends the options: what follows is a path even when it starts with \"-\". A\n"
                     "FOLDER or PATH of \"-\" (large, dups, shred) reads the paths from standard input,\n"
                     "one a line or separated by NUL bytes.\n");
    std::fputs(text.toLocal8Bit().constData(), out);
}

}  // namespace

int main(int argc, char *argv[])
{
    const std::vector<char *> words(argv, argv + argc);  // as given, whatever QCoreApplication makes of them
    // Nothing here needs GLib's main loop: Qt's own event loop starts with
    // less. Children started later get the environment as it was.
    const bool glibChosen = qEnvironmentVariableIsSet("QT_NO_GLIB");
    if (!glibChosen)
        qputenv("QT_NO_GLIB", "1");
    QCoreApplication app(argc, argv);
    if (!glibChosen)
        qunsetenv("QT_NO_GLIB");
    CliCommand::prepareApplication();

    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        printHelp(stderr);
        return CliCommand::kUsageError;
    }
    const QString &first = args.first();
    if (first == QLatin1String("--help") || first == QLatin1String("-h") || first == QLatin1String("help")) {
        printHelp(stdout);
        return 0;
    }
    if (first == QLatin1String("--version") || first == QLatin1String("-V")) {
        std::fputs(CliCommand::versionText().toLocal8Bit().constData(), stdout);
        return 0;
    }
    for (const Command &c : kCommands) {
        if (first != QLatin1String(c.name))
            continue;
        if (c.helper)
            return helperprogram::execInstead(c.name, QString::fromLatin1(c.helper), words.data() + 2,
                                              int(words.size()) - 2);
        return c.make()->run(args.mid(1));
    }
    CliCommand::tell("sweepwright-cli", Text::tr("unknown command \"%1\"").arg(first));
    std::fprintf(stderr, "%s\n", Text::tr("Try 'sweepwright-cli --help'.").toLocal8Bit().constData());
    return CliCommand::kUsageError;
}
