// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Included ahead of every file of a folder's QtTest program, through the
// precompiled header: QTEST_MAIN and QTEST_GUILESS_MAIN then register the
// file's test class, with the application it wants, instead of defining
// main. QtTestMain.cpp runs the class of the file --unit= names.

#include <QTest>

#include <string_view>
#include <vector>

namespace sw::test {

struct QtTestUnit
{
    std::string_view file;
    int (*run)(int argc, char **argv);
};

inline std::vector<QtTestUnit> &qtTestUnits()
{
    static std::vector<QtTestUnit> units;
    return units;
}

inline bool addQtTestUnit(std::string_view file, int (*run)(int, char **))
{
    qtTestUnits().push_back({file, run});
    return true;
}

} // namespace sw::test

// What QTEST_MAIN's main does, as a function of the unit. The application
// (the variadic part) takes argc by reference, so argc outlives it here too.
#undef QTEST_MAIN_WRAPPER
#define QTEST_MAIN_WRAPPER(TestObject, ...)                                                                \
    [[maybe_unused]] static const bool swQtTestUnitAdded =                                                 \
        ::sw::test::addQtTestUnit(__FILE__, [](int argc, char *argv[]) -> int {                            \
            QT_PREPEND_NAMESPACE(QTest::Internal::callInitMain)<TestObject>();                             \
            __VA_ARGS__                                                                                    \
            TestObject tc;                                                                                 \
            QTEST_SET_MAIN_SOURCE_PATH                                                                     \
            return QTest::qExec(&tc, argc, argv);                                                          \
        });
