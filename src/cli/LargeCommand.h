#pragma once

#include "CliOptions.h"
#include "CliRemoval.h"
#include "RemovalReport.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <functional>
#include <memory>
#include <optional>

// `sweepwright-cli large [FOLDER...] [--layout L] [--root R] [--home H]
// [--json] [--trash [--yes | --dry-run]]`: lists the files and packages of
// 32 MiB and more in the folders (default: the layout's documents and videos
// folders) in five size bands; with --trash moves every listed item to the
// Trash and reports what was moved, what was not and why, and "delSize".
// args are the words after "large". Returns 0, 1 when an item could not be
// moved, 2 for a usage error.
int runLargeCommand(const QStringList &args);

// What the two finder commands (large, dups) share.
namespace findercli {

// The folders named on the command line, made absolute, or the defaults.
// nullopt (after saying why on stderr) when a named folder does not exist,
// is no folder, or cannot be read: a usage error.
std::optional<QStringList> chooseFolders(const char *command, const QStringList &named, const QStringList &defaults);

// Runs work on a worker thread while the main thread shows the progress
// notifications titleName (a path) and sizeName (bytes, or a list whose
// first number is bytes) on a terminal's stderr.
struct ProgressNames
{
    QString title;
    QString size;
};
void runWithProgress(const ProgressNames &names, const QString &phase, const std::function<void()> &work);

void write(FILE *out, const QByteArray &text);

// Parses the options every finder command shares (--json, --help, the layout
// options) beside its own flags and sets the layout up. Returns the exit
// status when the command is done already (help shown, usage error).
std::optional<int> parse(const char *command, const QString &usage, const QStringList &args, CliOptions &options);

// Ends the report after the result: the plan of a dry run, or what the
// removal did, and the JSON object's closing brace.
void finishReport(bool json, const QStringList &plan, const sw::RemovalReport *report);

// One finder command: its engine and what sets it apart.
template <class Engine, class Data>
struct Finder
{
    const char *name;
    QString usage;
    QString trashFlag;
    QStringList ownFlags;
    ProgressNames progress;
    std::shared_ptr<Data> (Engine::*scan)();
    void (Engine::*remove)();
    // Marks what the trash flag moves and returns those paths.
    QStringList (*markForRemoval)(Data &);
    void (*writeJson)(const Data &, FILE *);
    void (*writeText)(const Data &, FILE *);
    void (*configure)(Engine &, const CliOptions &);
};

// Scans the named folders (or the defaults) with the pages' exclusions,
// moves what markForRemoval marks when the trash flag is given (and --yes or
// the user's answer allows), and reports. Returns 0, 1 when an item could
// not be moved, 2 for a usage error.
template <class Engine, class Data>
int run(const Finder<Engine, Data> &finder, const QStringList &args)
{
    CliOptions options(QStringList{QStringLiteral("--json"), QStringLiteral("--help"), QStringLiteral("-h"),
                                   finder.trashFlag}
                           + finder.ownFlags + clirun::consentFlags(),
                       {QStringLiteral("--layout"), QStringLiteral("--root"), QStringLiteral("--home")});
    if (const std::optional<int> status = parse(finder.name, finder.usage, args, options))
        return *status;
    Engine &engine = Engine::shareInstance();
    engine.startOver();
    const std::optional<QStringList> folders = chooseFolders(finder.name, options.positional(), Engine::defaultFolders());
    if (!folders)
        return 2;
    engine.setFolders(*folders);
    engine.setExcludeFolders(Engine::defaultExcludeFolders());
    engine.setExcludeFiles(Engine::defaultExcludeFiles());
    if (finder.configure)
        finder.configure(engine, options);
    std::shared_ptr<Data> data;
    runWithProgress(finder.progress, QString(), [&] { data = (engine.*finder.scan)(); });
    const bool trash = options.isSet(finder.trashFlag) || options.isSet(QStringLiteral("--dry-run"));
    const QStringList plan = trash ? finder.markForRemoval(*data) : QStringList();
    std::optional<clirun::Consent> consent;
    if (trash)
        consent = clirun::askConsent(finder.name, options,
                                     QStringLiteral("Move %1 items to the Trash?").arg(plan.size()));
    if (consent == clirun::Consent::Go)
        runWithProgress(finder.progress, QStringLiteral("Moving to the Trash"), [&] { (engine.*finder.remove)(); });
    const bool json = options.isSet(QStringLiteral("--json"));
    (json ? finder.writeJson : finder.writeText)(*data, stdout);
    const sw::RemovalReport report = engine.removalReport();
    finishReport(json, consent == clirun::Consent::DryRun ? plan : QStringList(),
                 consent == clirun::Consent::Go ? &report : nullptr);
    if (consent == clirun::Consent::Refused)
        return 2;  // no --yes and nobody to ask
    return report.isClean() ? 0 : 1;
}

}  // namespace findercli
