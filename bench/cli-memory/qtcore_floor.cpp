// SPDX-License-Identifier: GPL-3.0-or-later
// Lists the folder given as its argument with QtCore alone and prints how
// many entries it holds: what any QtCore program pays to start and look.

#include <QCoreApplication>
#include <QDirIterator>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        std::fputs("Usage: qtcore_floor FOLDER\n", stderr);
        return 2;
    }
    long count = 0;
    QDirIterator it(args.at(1), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    while (it.hasNext()) {
        it.next();
        ++count;
    }
    std::printf("%ld\n", count);
    return 0;
}
