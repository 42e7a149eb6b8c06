// SPDX-License-Identifier: GPL-3.0-or-later
// mem_bench read N: microseconds per reading of the memory figures, and per
//                   bare read of the two files they come from (open, read,
//                   close; /proc/meminfo and /proc/pressure/memory) beside it.
// mem_bench release: a memory release on this machine while another thread
//                   samples MemAvailable every 2 ms; prints the lowest value
//                   seen and the floor, exit status 1 when it went below.

#include "core/mem/MemFigures.h"
#include "core/mem/MemoryRelease.h"

#include <QElapsedTimer>

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

double microsecondsPer(int n, const auto &work)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < n; ++i)
        work();
    return double(timer.nsecsElapsed()) / 1000.0 / n;
}

int readBench(int n)
{
    std::atomic<qint64> sink = 0;
    const double ours = microsecondsPer(n, [&] {
        if (const auto f = sw::MemFigures::read())
            sink += f->toMemory().usedMemory;
    });
    const double bare = microsecondsPer(n, [&] {
        for (const char *path : {"/proc/meminfo", "/proc/pressure/memory"}) {
            char buf[16384];
            const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
            if (fd < 0)
                continue;
            sink += ::read(fd, buf, sizeof buf);
            ::close(fd);
        }
    });
    if (sink == 0)
        return 1;
    std::printf("%.2f %.2f\n", ours, bare);
    return 0;
}

qint64 mib(qint64 bytes)
{
    return bytes >> 20;
}

int releaseBench()
{
    const auto start = sw::MemFigures::read();
    if (!start) {
        std::fputs("mem_bench: /proc/meminfo unreadable\n", stderr);
        return 1;
    }
    std::atomic<bool> done = false;
    std::atomic<qint64> lowest = start->memAvailable;
    std::thread sampler([&] {
        while (!done) {
            if (const auto f = sw::MemFigures::read(); f && f->memAvailable < lowest)
                lowest = f->memAvailable;
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    });
    QElapsedTimer timer;
    timer.start();
    const sw::MemoryRelease::Result result = sw::MemoryRelease().run();
    const double seconds = double(timer.elapsed()) / 1000.0;
    done = true;
    sampler.join();
    const qint64 floor = sw::MemoryRelease::floor(start->memTotal);
    std::printf("  installed %lld MiB, available at the start %lld MiB, floor %lld MiB\n", mib(start->memTotal),
                mib(start->memAvailable), mib(floor));
    std::printf("  touched %lld MiB in %.1f s, released %lld MiB (%s)\n", mib(result.touched), seconds,
                mib(result.released), qUtf8Printable(sw::MemoryRelease::stopText(result.stop)));
    std::printf("  lowest MemAvailable during the release: %lld MiB (floor %lld MiB)\n", mib(lowest), mib(floor));
    return lowest >= floor ? 0 : 1;
}

}  // namespace

int main(int argc, char *argv[])
{
    if (argc >= 2 && std::strcmp(argv[1], "read") == 0)
        return readBench(argc >= 3 ? std::atoi(argv[2]) : 10000);
    if (argc >= 2 && std::strcmp(argv[1], "release") == 0)
        return releaseBench();
    std::fputs("usage: mem_bench read [N] | mem_bench release\n", stderr);
    return 2;
}
