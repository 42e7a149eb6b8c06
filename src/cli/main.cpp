// sweepwright-cli: the engines of Sweepwright from the command line.

#include "DupsCommand.h"
#include "JunkCommand.h"
#include "LargeCommand.h"
#include "ORLayout.h"
#include "TnefCommand.h"

#include <QCoreApplication>
#include <QLoggingCategory>

#include <cstdio>
#include <cstring>

namespace {

struct Command
{
    const char *name;
    int (*run)(const QStringList &args);
    const char *summary;
};

const Command kCommands[] = {
    {"junk", runJunkCommand, "scan for junk files and list them, or remove them with --clean"},
    {"large", runLargeCommand, "list the files of 32 MiB and more in folders, or move them to the Trash"},
    {"dups", runDupsCommand, "list duplicate files in folders, or move all copies but the first to the Trash"},
    {"tnef", runTnefCommand, "write the attachments and message bodies of a winmail.dat file into a folder"},
};

void printHelp(FILE *out)
{
    std::fputs("Usage: sweepwright-cli COMMAND [options]\n"
               "       sweepwright-cli COMMAND --help\n\nCommands:\n",
               out);
    for (const Command &c : kCommands)
        std::fprintf(out, "  %-8s %s\n", c.name, c.summary);
    std::fprintf(out, "\nLayout options (commands that look at the disk):\n%s",
                 ORLayout::optionsHelp().toLocal8Bit().constData());
    std::fputs("The variables SWEEPWRIGHT_LAYOUT, SWEEPWRIGHT_ROOT and SWEEPWRIGHT_HOME set the same;\n"
               "the options win.\n",
               out);
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("sweepwright-cli"));
    // The library's chatter (each progress post, each path without delete
    // permission) is for debugging; failures are warnings and still show.
    QLoggingCategory::setFilterRules(QStringLiteral("sweepwright.*.debug=false\nsweepwright.*.info=false"));
    qSetMessagePattern(QStringLiteral("sweepwright-cli: %{message}"));

    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        printHelp(stderr);
        return 2;
    }
    const QString &first = args.first();
    if (first == QLatin1String("--help") || first == QLatin1String("-h") || first == QLatin1String("help")) {
        printHelp(stdout);
        return 0;
    }
    for (const Command &c : kCommands)
        if (first == QLatin1String(c.name))
            return c.run(args.mid(1));
    std::fprintf(stderr, "sweepwright-cli: unknown command \"%s\"\nTry 'sweepwright-cli --help'.\n",
                 first.toLocal8Bit().constData());
    return 2;
}
