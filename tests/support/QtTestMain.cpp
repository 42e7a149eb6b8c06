// SPDX-License-Identifier: GPL-3.0-or-later
// The main of a folder's QtTest program: runs the test class of the file
// that --unit=test_X names (QtTestUnits.h), with the other arguments. A
// program of one file needs no --unit.

#include "support/QtTestUnits.h"
#include "support/TestUnit.h"

#include <iostream>

namespace {

const sw::test::QtTestUnit *findUnit(std::string_view unit)
{
    const auto &units = sw::test::qtTestUnits();
    if (unit.empty())
        return units.size() == 1 ? &units.front() : nullptr;
    for (const sw::test::QtTestUnit &candidate : units) {
        if (sw::test::unitOf(candidate.file) == unit)
            return &candidate;
    }
    return nullptr;
}

} // namespace

int main(int argc, char **argv)
{
    std::string_view unit;
    std::vector<char *> args;
    for (int i = 0; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (i > 0 && arg.starts_with(sw::test::kUnitOption))
            unit = arg.substr(sw::test::kUnitOption.size());
        else
            args.push_back(argv[i]);
    }
    const sw::test::QtTestUnit *chosen = findUnit(unit);
    if (!chosen) {
        std::cerr << "name one unit with --unit=; this program has:";
        for (const sw::test::QtTestUnit &each : sw::test::qtTestUnits())
            std::cerr << ' ' << sw::test::unitOf(each.file);
        std::cerr << '\n';
        return 1;
    }
    const int count = int(args.size());
    args.push_back(nullptr);
    return chosen->run(count, args.data());
}
