#pragma once

#include "CliOptions.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <functional>
#include <memory>
#include <optional>

// `sweepwright-cli large [FOLDER...] [--layout L] [--root R] [--home H]
// [--json] [--trash]`: lists the files and packages of 32 MiB and more in
// the folders (default: the layout's documents and videos folders) in five
// size bands; with --trash moves every listed item to the Trash and reports
// what was moved and "delSize". args are the words after "large". Returns 0,
// 1 when an item could not be moved, 2 for a usage error.
int runLargeCommand(const QStringList &args);

// What the two finder commands (large, dups) share.
namespace findercli {

// The folders named on the command line, made absolute, or the defaults.
// A named folder that is not a folder is reported on stderr (and finds nothing).
QStringList chooseFolders(const char *command, const QStringList &named, const QStringList &defaults);

// Runs work on a worker thread while the main thread shows the progress
// notifications titleName (a path) and sizeName (bytes, or a list whose
// first number is bytes) on a terminal's stderr. removing() switches the
// line's phase; call it from the worker.
struct ProgressNames
{
    QString title;
    QString size;
};
void runWithProgress(const ProgressNames &names, const std::function<void(const std::function<void()> &removing)> &work);

// The items a removal tried to move.
struct Removals
{
    QStringList moved;
    QStringList failed;
    void record(const QString &path, const QString &error);
};

// ,"moved": [...], "delSize": N (JSON members to append) or the same as lines.
QByteArray removalsJson(const Removals &removals, qint64 delSize);
QString removalsText(const Removals &removals, qint64 delSize);

void write(FILE *out, const QByteArray &text);

// Parses the options every finder command shares (--json, --help, the layout
// options) beside its own flags and sets the layout up. Returns the exit
// status when the command is done already (help shown, usage error).
std::optional<int> parse(const char *command, const QString &usage, const QStringList &args, CliOptions &options);

// Ends the report after the result: the removals (with "delSize") when there
// were any, and the JSON object's closing brace.
void finishReport(bool json, const Removals *removals, qint64 delSize);

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
    void (*markForRemoval)(Data &);
    void (*writeJson)(const Data &, FILE *);
    void (*writeText)(const Data &, FILE *);
    void (*configure)(Engine &, const CliOptions &);
};

// Scans the named folders (or the defaults) with the pages' exclusions,
// moves what markForRemoval marks when the trash flag is given, and reports.
// Returns 0, 1 when an item could not be moved, 2 for a usage error.
template <class Engine, class Data>
int run(const Finder<Engine, Data> &finder, const QStringList &args)
{
    CliOptions options(QStringList{QStringLiteral("--json"), QStringLiteral("--help"), QStringLiteral("-h"), finder.trashFlag}
                           + finder.ownFlags,
                       {QStringLiteral("--layout"), QStringLiteral("--root"), QStringLiteral("--home")});
    if (const std::optional<int> status = parse(finder.name, finder.usage, args, options))
        return *status;
    Engine &engine = Engine::shareInstance();
    engine.startOver();
    engine.setFolders(chooseFolders(finder.name, options.positional(), Engine::defaultFolders()));
    engine.setExcludeFolders(Engine::defaultExcludeFolders());
    engine.setExcludeFiles(Engine::defaultExcludeFiles());
    if (finder.configure)
        finder.configure(engine, options);
    Removals removals;
    engine.setRemovalListener([&removals](const QString &path, const QString &error) { removals.record(path, error); });
    const bool trash = options.isSet(finder.trashFlag);
    std::shared_ptr<Data> data;
    runWithProgress(finder.progress, [&](const std::function<void()> &removing) {
        data = (engine.*finder.scan)();
        if (!trash)
            return;
        finder.markForRemoval(*data);
        removing();
        (engine.*finder.remove)();
    });
    const bool json = options.isSet(QStringLiteral("--json"));
    (json ? finder.writeJson : finder.writeText)(*data, stdout);
    finishReport(json, trash ? &removals : nullptr, engine.delSize());
    return removals.failed.isEmpty() ? 0 : 1;
}

}  // namespace findercli
