// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/mem/MemFigures.h"

#include <QFile>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstring>

namespace sw {

namespace {

struct Field
{
    const char *name;
    qint64 MemFigures::*member;
};

const Field kFields[] = {
    {"MemTotal", &MemFigures::memTotal},     {"MemFree", &MemFigures::memFree},
    {"MemAvailable", &MemFigures::memAvailable}, {"Active", &MemFigures::active},
    {"Inactive", &MemFigures::inactive},     {"Unevictable", &MemFigures::unevictable},
    {"KernelStack", &MemFigures::kernelStack}, {"PageTables", &MemFigures::pageTables},
    {"SUnreclaim", &MemFigures::sUnreclaim}, {"Cached", &MemFigures::cached},
    {"Buffers", &MemFigures::buffers},       {"Shmem", &MemFigures::shmem},
    {"AnonPages", &MemFigures::anonPages},   {"Zswap", &MemFigures::zswap},
    {"SwapTotal", &MemFigures::swapTotal},   {"SwapFree", &MemFigures::swapFree},
};

// A kB count far beyond any machine is a damaged file, not memory.
constexpr qint64 kMaxKiB = qint64(1) << 42;

// Reads a small /proc file in one go into buf; the bytes read, empty on
// failure. /proc files report no size, so QFile's sizing does not help, and
// the reading is on the refresh clock and in the release loop.
QByteArrayView readSmall(const QString &path, std::array<char, 16384> &buf)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return {};
    size_t used = 0;
    while (used < buf.size()) {
        const ssize_t n = ::read(fd, buf.data() + used, buf.size() - used);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        used += size_t(n);
    }
    ::close(fd);
    return QByteArrayView(buf.data(), qsizetype(used));
}

// "Name:   1234 kB" -> 1234 * 1024; nothing when the line is not that shape.
std::optional<qint64> kibValue(QByteArrayView rest)
{
    qsizetype i = 0;
    while (i < rest.size() && rest[i] == ' ')
        ++i;
    qint64 kib = 0;
    const auto [end, ec] = std::from_chars(rest.data() + i, rest.data() + rest.size(), kib);
    if (ec != std::errc() || end == rest.data() + i || kib < 0 || kib > kMaxKiB)
        return std::nullopt;
    return kib * 1024;
}

double someAvg10(QByteArrayView pressure)
{
    // "some avg10=1.23 avg60=... total=..."
    if (!pressure.startsWith("some "))
        return 0;
    const qsizetype at = pressure.indexOf("avg10=");
    if (at < 0)
        return 0;
    double value = 0;
    const char *begin = pressure.data() + at + 6;
    const auto [end, ec] = std::from_chars(begin, pressure.data() + pressure.size(), value);
    return ec == std::errc() && end != begin && value >= 0 ? value : 0;
}

}  // namespace

std::optional<MemFigures> MemFigures::parse(QByteArrayView meminfo, QByteArrayView pressure)
{
    MemFigures f;
    bool haveTotal = false, haveFree = false, haveAvailable = false;
    while (!meminfo.isEmpty()) {
        qsizetype eol = meminfo.indexOf('\n');
        if (eol < 0)
            eol = meminfo.size();
        const QByteArrayView line = meminfo.first(eol);
        meminfo = meminfo.sliced(std::min(eol + 1, meminfo.size()));
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0)
            continue;
        const QByteArrayView name = line.first(colon);
        for (const Field &field : kFields) {
            if (name != field.name)
                continue;
            if (const auto bytes = kibValue(line.sliced(colon + 1))) {
                f.*field.member = *bytes;
                haveTotal |= field.member == &MemFigures::memTotal;
                haveFree |= field.member == &MemFigures::memFree;
                haveAvailable |= field.member == &MemFigures::memAvailable;
            }
            break;
        }
    }
    if (!haveTotal || !haveFree)
        return std::nullopt;
    if (!haveAvailable)
        f.memAvailable = f.memFree;
    f.pressureSome10 = someAvg10(pressure);
    return f;
}

QString MemFigures::procFolder()
{
    const QString set = qEnvironmentVariable("SWEEPWRIGHT_PROC");
    return set.isEmpty() ? QStringLiteral("/proc") : set;
}

std::optional<MemFigures> MemFigures::read()
{
    const QString proc = procFolder();
    std::array<char, 16384> meminfo;
    std::array<char, 16384> pressure;
    const QByteArrayView info = readSmall(proc + QStringLiteral("/meminfo"), meminfo);
    if (info.isEmpty())
        return std::nullopt;
    return parse(info, readSmall(proc + QStringLiteral("/pressure/memory"), pressure));
}

bool MemFigures::isConsistent() const
{
    const qint64 parts[] = {memFree, memAvailable, active, inactive, cached + buffers, anonPages + shmem,
                            unevictable + kernelStack + pageTables + sUnreclaim, zswap, memFree + inactive};
    return memTotal > 0 && std::all_of(std::begin(parts), std::end(parts), [this](qint64 part) {
        return part <= memTotal;
    });
}

ORMemory MemFigures::toMemory() const
{
    const auto part = [this](qint64 bytes) { return std::clamp<qint64>(bytes, 0, std::max<qint64>(memTotal, 0)); };
    ORMemory m;
    m.freeMemory = part(memFree);
    m.activeMemory = part(active);
    m.inactiveMemory = part(inactive);
    m.wiredMemory = part(unevictable + kernelStack + pageTables + sUnreclaim);
    // Shared memory sits in the page cache but cannot be dropped like it.
    m.filecacheMemory = part(cached + buffers - shmem);
    m.appMemory = part(anonPages + shmem);
    m.compressedMemory = part(zswap);
    m.usedMemory = part(memTotal - m.freeMemory);
    m.buffersMemory = part(buffers);
    m.memAvailable = part(memAvailable);
    const qint64 reachable = std::max(m.memAvailable, std::min(m.freeMemory + m.buffersMemory, memTotal));
    m.programsMemory = part(memTotal - reachable);
    m.cachedMemory = part(memTotal - m.programsMemory - m.freeMemory - m.buffersMemory);
    m.swapTotal = std::max<qint64>(swapTotal, 0);
    m.swapUsed = std::clamp<qint64>(swapTotal - swapFree, 0, m.swapTotal);
    m.consistent = isConsistent();
    return m;
}

}  // namespace sw
