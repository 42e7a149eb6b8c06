// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/MemoryCommand.h"

#include "core/foundation/ORUtility.h"
#include "core/mem/ORMemoryCollection.h"
#include "core/platform/ORLayout.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <cstdio>

namespace {

// One context for the texts of this file, whichever function shows them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(MemoryCommand)
};

// Sizes as the pages show them; a negative release keeps its sign.
QString size(qint64 bytes)
{
    return bytes < 0 ? QLatin1Char('-') + ORUtility::sizeFormatWithNumber(-bytes)
                     : ORUtility::sizeFormatWithNumber(bytes);
}

// Two decimals: the single-precision percent has no more to say. null:
// figures that contradict each other tell no usage.
QJsonValue usageJson(const ORMemory &m)
{
    const std::optional<float> usage = m.usagePercent();
    return usage ? QJsonValue(std::round(double(*usage) * 100.0) / 100.0) : QJsonValue(QJsonValue::Null);
}

QJsonObject figuresJson(const ORMemory &m, const ORDisk &disk)
{
    return QJsonObject{
        {QStringLiteral("freeMemory"), m.freeMemory},
        {QStringLiteral("activeMemory"), m.activeMemory},
        {QStringLiteral("inactiveMemory"), m.inactiveMemory},
        {QStringLiteral("wiredMemory"), m.wiredMemory},
        {QStringLiteral("filecacheMemory"), m.filecacheMemory},
        {QStringLiteral("appMemory"), m.appMemory},
        {QStringLiteral("compressedMemory"), m.compressedMemory},
        {QStringLiteral("usedMemory"), m.usedMemory},
        {QStringLiteral("programsMemory"), m.programsMemory},
        {QStringLiteral("cachedMemory"), m.cachedMemory},
        {QStringLiteral("buffersMemory"), m.buffersMemory},
        {QStringLiteral("memAvailable"), m.memAvailable},
        {QStringLiteral("swapTotal"), m.swapTotal},
        {QStringLiteral("swapUsed"), m.swapUsed},
        {QStringLiteral("usagePercent"), usageJson(m)},
        {QStringLiteral("disk"),
         QJsonObject{{QStringLiteral("total"), qint64(disk.total)}, {QStringLiteral("free"), qint64(disk.free)}}},
    };
}

void printFigures(const ORMemory &m, const ORDisk &disk)
{
    const std::optional<float> usage = m.usagePercent();
    QString text = usage ? Text::tr("Memory (%L1 % in use)").arg(double(*usage), 0, 'f', 1)
                         : Text::tr("Memory (usage unavailable: the figures contradict each other)");
    text += QLatin1Char('\n');
    text += Text::tr("  used        %1\n"
                     "  cached      %2\n"
                     "  buffers     %3\n"
                     "  free        %4\n"
                     "  active      %5\n"
                     "  inactive    %6\n"
                     "  swap used   %7 of %8\n"
                     "  available   %9\n"
                     "  total       %10\n"
                     "Disk of %11\n"
                     "  used        %12\n"
                     "  free        %13\n"
                     "  total       %14\n")
                .arg(size(m.programsMemory), size(m.cachedMemory), size(m.buffersMemory), size(m.freeMemory),
                     size(m.activeMemory), size(m.inactiveMemory), size(m.swapUsed), size(m.swapTotal),
                     size(m.memAvailable))
                .arg(size(m.total()), ORMemoryCollection::documentsFolder(), size(qint64(disk.used())),
                     size(qint64(disk.free)), size(qint64(disk.total)));
    std::fputs(text.toLocal8Bit().constData(), stdout);
}

}  // namespace

MemoryCommand::MemoryCommand()
    : CliCommand("memory", true)
{
}

QString MemoryCommand::help() const
{
    return Text::tr(
               "Usage: sweepwright-cli memory [--layout L] [--home H] [--json] [--release]\n"
               "Prints the memory figures (from /proc/meminfo, or SWEEPWRIGHT_PROC/meminfo) and the\n"
               "used and free space of the volume that holds the Documents folder.\n"
               "With --release it first releases memory: it touches free and inactive memory 64 MiB\n"
               "at a time, so the kernel takes back inactive pages and file cache, and stops early\n"
               "before available memory falls below max(10 %, 512 MiB), when the system starts to\n"
               "swap or when memory pressure rises. The released amount is the change of free\n"
               "memory; it is negative when other programs took memory meanwhile.\n"
               "\n"
               "A release stops after %1 GiB of such work or %2 seconds at the most. Figures that\n"
               "contradict each other (more free memory than installed) are shown kept to the\n"
               "installed size, with the usage unavailable (null in JSON), and release nothing.\n"
               "\n"
               "  --json         print one JSON object (with --release also \"releasedMemory\",\n"
               "                 \"touchedMemory\" and \"releaseEnd\")\n"
               "  --release      release memory first\n"
               "  --help         show this text\n"
               "  -V, --version  show the version\n")
               .arg(sw::MemoryRelease::kMaxChunks * sw::MemoryRelease::kChunk / (qint64(1) << 30))
               .arg(sw::MemoryRelease::kMaxSeconds)
           + ORLayout::optionsHelp();
}

void MemoryCommand::declareOptions(CliOptions &options) const
{
    options.addFlags({QStringLiteral("--json"), QStringLiteral("--release")});
}

std::optional<QString> MemoryCommand::configure(const CliOptions &options)
{
    if (!options.positional().isEmpty())
        return Text::tr("unexpected argument \"%1\"").arg(options.positional().first());
    return std::nullopt;
}

int MemoryCommand::execute(const CliOptions &options)
{
    const ORMemoryCollection collection;
    std::optional<sw::MemoryRelease::Result> release;
    if (options.isSet(QStringLiteral("--release")))
        release = collection.releaseMemory();
    const std::optional<ORMemory> memory = collection.memory();
    if (!memory) {
        tell("memory", Text::tr("cannot read the memory figures from %1/meminfo").arg(sw::MemFigures::procFolder()));
        return 1;
    }
    // Without a disk reading the disk figures read 0, as on the page.
    const ORDisk disk = collection.diskSpace().value_or(ORDisk());
    if (options.isSet(QStringLiteral("--json"))) {
        QJsonObject json = figuresJson(*memory, disk);
        if (release) {
            json.insert(QStringLiteral("releasedMemory"), release->released);
            json.insert(QStringLiteral("touchedMemory"), release->touched);
            json.insert(QStringLiteral("releaseEnd"), sw::MemoryRelease::stopKey(release->stop));
        }
        std::fputs(QJsonDocument(json).toJson(QJsonDocument::Indented).constData(), stdout);
        return 0;
    }
    if (release)
        std::printf("%s\n", Text::tr("Released Memory: %1 (%2 touched; %3)")
                                .arg(size(release->released), size(release->touched),
                                     sw::MemoryRelease::stopText(release->stop))
                                .toLocal8Bit()
                                .constData());
    printFigures(*memory, disk);
    return 0;
}
