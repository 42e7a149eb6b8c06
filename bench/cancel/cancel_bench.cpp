// SPDX-License-Identifier: GPL-3.0-or-later
// Measures how long the large-file engine's scan takes to return once its
// job is cancelled, on a tree of a million empty files.
//
// Usage: cancel_bench DIR [FILES]
//
// Makes DIR/tree (FILES empty files, 1,000,000 unless given, in folders of
// 1,000) unless it is there, starts scan(job) on a thread, cancels it after a
// second (or once half the tree was looked at, so that the cancel always
// lands mid-scan) and prints the seconds from cancel() to the return of
// scan(). Exit status 1 when the scan did not return nullptr or held a result.

#include "core/bigs/ORBigDataCollection.h"
#include "core/foundation/JobControl.h"

#include <QCoreApplication>
#include <QFile>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kPerFolder = 1000;

bool makeTree(const std::string &tree, long files)
{
    const std::string last = tree + "/" + std::to_string((files - 1) / kPerFolder) + "/"
                             + std::to_string((files - 1) % kPerFolder);
    if (access(last.c_str(), F_OK) == 0)
        return true;
    if (mkdir(tree.c_str(), 0755) != 0 && errno != EEXIST)
        return false;
    for (long folder = 0; folder * kPerFolder < files; ++folder) {
        const std::string path = tree + "/" + std::to_string(folder);
        if (mkdir(path.c_str(), 0755) != 0 && errno != EEXIST)
            return false;
        const int dirFd = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dirFd < 0)
            return false;
        for (long i = 0; i < kPerFolder && folder * kPerFolder + i < files; ++i) {
            const int fd = openat(dirFd, std::to_string(i).c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
            if (fd < 0) {
                close(dirFd);
                return false;
            }
            close(fd);
        }
        close(dirFd);
    }
    return true;
}

}  // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: cancel_bench DIR [FILES]\n");
        return 2;
    }
    const long files = argc > 2 ? std::stol(argv[2]) : 1000000;
    const std::string tree = std::string(argv[1]) + "/tree";
    if (!makeTree(tree, files)) {
        std::fprintf(stderr, "cancel_bench: cannot make %s\n", tree.c_str());
        return 2;
    }

    using Clock = std::chrono::steady_clock;
    ORBigDataCollection &engine = ORBigDataCollection::shareInstance();
    engine.startOver();
    engine.setFolders({QFile::decodeName(tree.c_str())});
    engine.setExcludeFolders(ORBigDataCollection::defaultExcludeFolders());
    engine.setExcludeFiles(ORBigDataCollection::defaultExcludeFiles());
    sw::JobControl job;
    std::shared_ptr<ORBigData> result = std::make_shared<ORBigData>();
    std::atomic<bool> returned{false};
    std::thread scan([&] {
        result = engine.scan(job);
        returned = true;
    });
    const Clock::time_point start = Clock::now();
    while (Clock::now() - start < std::chrono::seconds(1) && job.progress().items < files / 2 && !returned)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    const qint64 seen = job.progress().items;
    const Clock::time_point cancelled = Clock::now();
    job.cancel();
    scan.join();
    const double seconds = std::chrono::duration<double>(Clock::now() - cancelled).count();

    std::printf("%.4f\n", seconds);
    std::fprintf(stderr, "cancel_bench: cancelled after %lld of %ld entries\n", static_cast<long long>(seen), files);
    if (seen >= files) {
        std::fprintf(stderr, "cancel_bench: the scan ended before it was cancelled\n");
        return 1;
    }
    if (result || engine.result()) {
        std::fprintf(stderr, "cancel_bench: a cancelled scan left a result\n");
        return 1;
    }
    return 0;
}
