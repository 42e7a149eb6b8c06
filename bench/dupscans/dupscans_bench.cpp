// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the duplicate engine's scan of one folder several times in one
// process, the way the pages do: each scan on the global thread pool at
// background priority, its end brought back to the main thread's event loop,
// the new result held in place of the last. Prints the process's resident
// memory (VmRSS, KiB) after each scan, one per line, and the groups found.
//
// Usage: dupscans_bench DIR [SCANS]
//        dupscans_bench --excluded   the extensions the scan leaves out,
//                                    comma-separated (for a peer's filter)
//
// Exit status 1 when a scan found no result.

#include "core/dups/ORDupDataCollection.h"
#include "core/foundation/JobControl.h"
#include "core/foundation/ORDispatch.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

class Scans
{
public:
    explicit Scans(int count) : m_left(count) {}

    void next()
    {
        auto job = std::make_shared<sw::JobControl>();
        ORDispatch::global(ORDispatch::Priority::Background, [this, job] {
            const bool found = ORDupDataCollection::shareInstance().scan(*job) != nullptr;
            ORDispatch::main([this, found] { finished(found); });
        });
    }

private:
    void finished(bool found)
    {
        const std::shared_ptr<ORDupData> data = ORDupDataCollection::shareInstance().tempDupData();
        std::printf("%ld %lld\n", residentKb(), data ? qint64(data->dupGroups.size()) : -1LL);
        std::fflush(stdout);
        if (!found) {
            QCoreApplication::exit(1);
            return;
        }
        if (--m_left > 0)
            next();
        else
            QCoreApplication::exit(0);
    }

    int m_left;
};

}  // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fputs("usage: dupscans_bench DIR [SCANS]\n", stderr);
        return 2;
    }
    if (std::strcmp(argv[1], "--excluded") == 0) {
        std::printf("%s\n", qUtf8Printable(ORDupDataCollection::defaultExcludeFiles().join(QLatin1Char(','))));
        return 0;
    }
    QCoreApplication app(argc, argv);
    ORDupDataCollection &engine = ORDupDataCollection::shareInstance();
    engine.setFolders({QFile::decodeName(argv[1])});
    engine.setExcludeFolders(ORDupDataCollection::defaultExcludeFolders());
    engine.setExcludeFiles(ORDupDataCollection::defaultExcludeFiles());
    Scans scans(argc >= 3 ? std::max(1, std::atoi(argv[2])) : 6);
    scans.next();
    return app.exec();
}
