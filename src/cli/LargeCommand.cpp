#include "LargeCommand.h"

#include "CliOptions.h"
#include "JunkReport.h"
#include "ORBigDataCollection.h"
#include "ORLayout.h"
#include "ORNotificationCenter.h"
#include "ORSelection.h"
#include "ORUtility.h"
#include "ProgressLine.h"

#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>

#include <cstdio>

#include <unistd.h>

namespace findercli {

std::optional<QStringList> chooseFolders(const char *command, const QStringList &named, const QStringList &defaults)
{
    if (named.isEmpty())
        return defaults;
    QStringList folders;
    for (const QString &name : named) {
        const QString folder = QDir::cleanPath(QDir::current().absoluteFilePath(name));
        QString problem;
        if (!QFileInfo::exists(folder))
            problem = QStringLiteral("no such folder");
        else if (!ORUtility::isDirOfPath(folder))
            problem = QStringLiteral("not a folder");
        else if (::access(QFile::encodeName(folder).constData(), R_OK | X_OK) != 0)
            problem = QStringLiteral("cannot be read");
        if (!problem.isEmpty()) {
            std::fprintf(stderr, "%s: %s: %s\n", command, folder.toLocal8Bit().constData(),
                         problem.toLocal8Bit().constData());
            return std::nullopt;
        }
        folders.append(folder);
    }
    return folders;
}

void runWithProgress(const ProgressNames &names, const QString &phase, const std::function<void()> &work)
{
    ProgressLine progress(stderr, names.title, names.size);
    if (!phase.isEmpty())
        progress.setPhase(phase);
    clirun::onWorker(work);
}

void write(FILE *out, const QByteArray &text)
{
    std::fwrite(text.constData(), 1, size_t(text.size()), out);
}

namespace {
int usageError(const char *command, const QString &problem)
{
    std::fprintf(stderr, "%s: %s\nTry 'sweepwright-cli %s --help'.\n", command, problem.toLocal8Bit().constData(),
                 command);
    return 2;
}
}  // namespace

std::optional<int> parse(const char *command, const QString &usage, const QStringList &args, CliOptions &options)
{
    if (const auto problem = options.parse(args))
        return usageError(command, *problem);
    if (const QString problem = ORLayout::configure(args); !problem.isEmpty())
        return usageError(command, problem);
    if (options.isSet(QStringLiteral("--help")) || options.isSet(QStringLiteral("-h"))) {
        std::fputs(usage.toLocal8Bit().constData(), stdout);
        return 0;
    }
    return std::nullopt;
}

void finishReport(bool json, const QStringList &plan, const sw::RemovalReport *report)
{
    if (json) {
        QByteArray members;
        if (!plan.isEmpty())
            members += ",\n  \"plan\": " + clirun::jsonStrings(plan);
        if (report)
            members += clirun::reportJson(*report);
        write(stdout, members + "\n}\n");
    } else {
        for (const QString &path : plan)
            write(stdout, QStringLiteral("Would move to the Trash: %1\n").arg(path).toLocal8Bit());
        if (report)
            write(stdout, clirun::reportText(*report, QStringLiteral("Moved to the Trash"), true).toLocal8Bit());
    }
    std::fflush(stdout);
}

}  // namespace findercli

namespace {

QString usage()
{
    return QStringLiteral(
               "Usage: sweepwright-cli large [FOLDER...] [--layout L] [--root R] [--home H] [--json] [--trash]\n"
               "Lists the files and packages of 32 MiB and more in the folders (default: the layout's\n"
               "documents and videos folders), in five size bands. Hidden folders and docsets are not\n"
               "entered; source, build and database files are left out. With --trash every listed item\n"
               "is moved to the Trash (restorable from the desktop's Trash).\n"
               "\n"
               "  --json         print one JSON object instead of a table\n"
               "  --trash        move every listed item to the Trash, then report what was moved\n"
               "  --help         show this text\n")
           + ORLayout::optionsHelp();
}

QByteArray itemJson(const ORBigDataItem &item)
{
    return "{\"itemPath\": " + JunkReport::jsonString(item.itemPath) + ", \"itemSize\": "
           + QByteArray::number(item.itemSize) + ", \"itemModDate\": " + JunkReport::jsonString(item.itemModDate)
           + '}';
}

// Written group by group: a large result is not held twice.
void writeJson(const ORBigData &data, FILE *out)
{
    findercli::write(out, "{\n  \"bigTotalSize\": " + QByteArray::number(data.bigTotalSize) + ",\n  \"bigGroups\": [");
    for (qsizetype g = 0; g < data.bigGroups.size(); ++g) {
        const ORBigDataGroup &group = data.bigGroups.at(g);
        QByteArray text = (g ? ",\n" : "\n") + QByteArray("    {\"bigID\": ") + QByteArray::number(group.bigID)
                          + ", \"groupName\": " + JunkReport::jsonString(group.groupName)
                          + ", \"groupSize\": " + QByteArray::number(group.groupSize) + ", \"groupItems\": [";
        for (qsizetype i = 0; i < group.groupItems.size(); ++i)
            text += (i ? ",\n      " : "\n      ") + itemJson(group.groupItems.at(i));
        findercli::write(out, text + "\n    ]}");
    }
    findercli::write(out, data.bigGroups.isEmpty() ? "]" : "\n  ]");
}

void writeTable(const ORBigData &data, FILE *out)
{
    qsizetype items = 0;
    for (const ORBigDataGroup &group : data.bigGroups) {
        QString text = QStringLiteral("%1 %2\n").arg(group.groupName, -24).arg(ORUtility::sizeFormatWithNumber(group.groupSize), 11);
        for (const ORBigDataItem &item : group.groupItems)
            text += QStringLiteral("  %1 %2  %3\n")
                        .arg(item.itemModDate, -10)
                        .arg(ORUtility::sizeFormatWithNumber(item.itemSize), 11)
                        .arg(item.itemPath);
        items += group.groupItems.size();
        findercli::write(out, text.toLocal8Bit());
    }
    findercli::write(out, QStringLiteral("Found %1 in %2 items of 32 MiB or more.\n")
                              .arg(ORUtility::sizeFormatWithNumber(data.bigTotalSize))
                              .arg(items)
                              .toLocal8Bit());
}

}  // namespace

int runLargeCommand(const QStringList &args)
{
    const findercli::Finder<ORBigDataCollection, ORBigData> large{
        "large",
        usage(),
        QStringLiteral("--trash"),
        {},
        {QStringLiteral("bigtitle"), QStringLiteral("bigszie")},
        &ORBigDataCollection::bigData,
        &ORBigDataCollection::deleteBigs,
        [](ORBigData &data) {
            sw::selection::setAllGroupsMarked(data.bigGroups, true);
            QStringList plan;
            for (const ORBigDataGroup &group : data.bigGroups)
                for (const ORBigDataItem &item : group.groupItems)
                    plan.append(item.itemPath);
            return plan;
        },
        writeJson,
        writeTable,
        nullptr,
    };
    return findercli::run(large, args);
}
