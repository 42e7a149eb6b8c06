#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <functional>

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
int usageError(const char *command, const QString &problem);

}  // namespace findercli
