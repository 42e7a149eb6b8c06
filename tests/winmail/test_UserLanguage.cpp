// SPDX-License-Identifier: GPL-3.0-or-later
// The user's language as the programs see it, from the locale variables.

#include "core/winmail/names/UserLanguage.h"

#include <QByteArray>
#include <QList>

#include <gtest/gtest.h>

#include <array>

namespace {

constexpr std::array<const char *, 4> kVariables = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};

struct Row
{
    const char *label;
    std::array<const char *, 4> values; // as kVariables; nullptr: unset
    const char *language;
};

class UserLanguageFromEnvironment : public testing::TestWithParam<Row>
{
protected:
    void SetUp() override
    {
        for (const char *variable : kVariables)
            m_saved.append(qgetenv(variable));
    }
    void TearDown() override
    {
        for (size_t i = 0; i < kVariables.size(); ++i) {
            if (m_saved.at(qsizetype(i)).isNull())
                qunsetenv(kVariables[i]);
            else
                qputenv(kVariables[i], m_saved.at(qsizetype(i)));
        }
    }

private:
    QList<QByteArray> m_saved;
};

} // namespace

TEST_P(UserLanguageFromEnvironment, FirstSetVariableGivesTheLanguage)
{
    const Row &row = GetParam();
    for (size_t i = 0; i < kVariables.size(); ++i) {
        if (row.values[i])
            qputenv(kVariables[i], row.values[i]);
        else
            qunsetenv(kVariables[i]);
    }
    EXPECT_EQ(sw::UserLanguage::current(), QString::fromLatin1(row.language));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, UserLanguageFromEnvironment,
    testing::Values(Row{"LANGUAGE list before LANG", {"ru:en_US", nullptr, nullptr, "de_DE.UTF-8"}, "ru"},
                    Row{"LC_ALL with code set", {nullptr, "ja_JP.eucJP", nullptr, "de_DE.UTF-8"}, "ja"},
                    Row{"LC_MESSAGES before LANG", {nullptr, nullptr, "zh_TW.Big5", "de_DE.UTF-8"}, "zh"},
                    Row{"empty LANGUAGE counts as unset", {"", nullptr, nullptr, "el_GR.UTF-8"}, "el"},
                    Row{"modifier", {nullptr, nullptr, nullptr, "sr_RS@latin"}, "sr"},
                    Row{"POSIX is C", {nullptr, "POSIX", nullptr, "ko_KR.eucKR"}, "c"},
                    Row{"C with code set", {nullptr, nullptr, nullptr, "C.UTF-8"}, "c"}),
    [](const testing::TestParamInfo<Row> &info) {
        std::string name = info.param.label;
        for (char &c : name)
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });
