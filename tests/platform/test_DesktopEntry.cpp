// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/DesktopEntry.h"
#include "support/PkexecStandIn.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

using sw::DesktopEntry;

DesktopEntry parsed(const QByteArray &text)
{
    const std::optional<DesktopEntry> entry = DesktopEntry::parse(text);
    EXPECT_TRUE(entry.has_value());
    return entry.value_or(DesktopEntry());
}

TEST(DesktopEntryParse, readsOnlyTheDesktopEntryGroup)
{
    const DesktopEntry entry = parsed("# comment\n"
                                      "[Desktop Entry]\r\n"
                                      "Type = Application\r\n"
                                      "Name=Editor\n"
                                      "Name[de]=Bearbeiter\n"
                                      "Comment=Line\\none\\ttab\\sand\\\\slash\n"
                                      "Hidden=true\n"
                                      "not a key line\n"
                                      "[Desktop Action new]\n"
                                      "Name=New Window\n"
                                      "Exec=other\n");
    EXPECT_EQ(entry.type(), QStringLiteral("Application"));
    EXPECT_EQ(entry.name(), QStringLiteral("Editor"));
    EXPECT_EQ(entry.localizedValue(QStringLiteral("Name"), QStringLiteral("de")), QStringLiteral("Bearbeiter"));
    EXPECT_EQ(entry.localizedValue(QStringLiteral("Name"), QStringLiteral("fr")), QStringLiteral("Editor"));
    EXPECT_EQ(entry.value(QStringLiteral("Comment")), QStringLiteral("Line\none\ttab and\\slash"));
    EXPECT_TRUE(entry.hidden());
    EXPECT_FALSE(entry.noDisplay());
    EXPECT_FALSE(entry.contains(QStringLiteral("Exec")));
}

TEST(DesktopEntryParse, refusesTextWithoutTheGroup)
{
    EXPECT_FALSE(DesktopEntry::parse("Name=x\nExec=y\n").has_value());
    EXPECT_FALSE(DesktopEntry::parse("[Other]\nExec=y\n").has_value());
    EXPECT_FALSE(DesktopEntry::load(QStringLiteral("/nonexistent/x.desktop")).has_value());
}

struct ExecRow
{
    const char *name;
    const char *execLine;  // as written in the file
    const char *program;
    int argumentCount;
};

class ExecTable : public ::testing::TestWithParam<ExecRow>
{
};

TEST_P(ExecTable, findsTheProgramByTheQuotingRules)
{
    const ExecRow &row = GetParam();
    const DesktopEntry entry = parsed(QByteArray("[Desktop Entry]\nExec=") + row.execLine + '\n');
    EXPECT_EQ(entry.program(), QString::fromUtf8(row.program));
    EXPECT_EQ(entry.execArguments().size(), row.argumentCount) << entry.execArguments().join(u'|').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Exec, ExecTable,
    ::testing::Values(ExecRow{"plain_with_field_code", "firefox %u", "firefox", 1},
                      ExecRow{"quoted_path_with_space", "\"/opt/My App/run\" --flag %F", "/opt/My App/run", 2},
                      ExecRow{"escaped_quote_inside_quotes", "\"/opt/a\\\\\"b/run\"", "/opt/a\"b/run", 1},
                      ExecRow{"escaped_dollar_inside_quotes", "\"/opt/\\\\$x/run\" -v", "/opt/$x/run", 2},
                      ExecRow{"env_assignments", "env A=B C=D prog --x", "prog", 5},
                      ExecRow{"env_with_unset_option", "/usr/bin/env -u FOO LANG=C prog", "prog", 5},
                      ExecRow{"env_alone", "env A=B", "", 2},
                      ExecRow{"flatpak_run", "/usr/bin/flatpak run --branch=stable org.x.Y @@u %U @@", "/usr/bin/flatpak", 6},
                      ExecRow{"percent_literal", "prog%%x", "prog%x", 1},
                      ExecRow{"only_field_code", "%U", "", 0},
                      ExecRow{"quoted_field_code_dropped", "prog \"%f\"", "prog", 1},
                      ExecRow{"empty_quoted_argument_kept", "prog \"\" x", "prog", 3},
                      ExecRow{"space_escape_separates", "prog\\sname", "prog", 2},
                      ExecRow{"tabs_and_runs_of_spaces", "  prog\\t\\t  a  ", "prog", 2},
                      ExecRow{"empty", "", "", 0}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(DesktopEntryProgram, resolvesBareNamesOnThePathAndChecksAbsoluteOnes)
{
    const QString sh = QStandardPaths::findExecutable(QStringLiteral("sh"));
    ASSERT_FALSE(sh.isEmpty());
    EXPECT_EQ(parsed("[Desktop Entry]\nExec=sh -c true\n").resolvedProgram(), sh);
    EXPECT_EQ(parsed("[Desktop Entry]\nExec=" + sh.toUtf8() + "\n").resolvedProgram(), sh);
    EXPECT_TRUE(parsed("[Desktop Entry]\nExec=/nonexistent/prog\n").resolvedProgram().isEmpty());
    EXPECT_TRUE(parsed("[Desktop Entry]\nExec=no-such-program-here\n").resolvedProgram().isEmpty());
    EXPECT_TRUE(parsed("[Desktop Entry]\nExec=bin/sh\n").resolvedProgram().isEmpty());
    QTemporaryDir dir;
    const QString data = dir.filePath(QStringLiteral("data"));
    QFile file(data);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner));
    EXPECT_TRUE(parsed("[Desktop Entry]\nExec=" + data.toUtf8() + "\n").resolvedProgram().isEmpty());
}

class ExecRoundTrip : public ::testing::TestWithParam<const char *>
{
};

TEST_P(ExecRoundTrip, writtenProgramReadsBackUnchanged)
{
    const QString path = QString::fromUtf8(GetParam());
    DesktopEntry entry;
    entry.setValue(QStringLiteral("Exec"), DesktopEntry::execForProgram(path));
    entry.setValue(QStringLiteral("Name"), QStringLiteral(" lead\nline"));
    const DesktopEntry back = parsed(entry.toText());
    EXPECT_EQ(back.program(), path);
    EXPECT_EQ(back.execArguments().size(), 1);
    EXPECT_EQ(back.name(), QStringLiteral(" lead\nline"));
}

INSTANTIATE_TEST_SUITE_P(Paths, ExecRoundTrip,
                         ::testing::Values("/usr/bin/plain", "/opt/My App/run", "/opt/q\"uote", "/opt/$HOME/x",
                                           "/opt/back\\slash", "/opt/100%/x", "/opt/tick`s", "/opt/semi;colon",
                                           "/opt/\u00fcml\u00e4ut"));

TEST(DesktopEntryExec, quotesOnlyWhenNeeded)
{
    EXPECT_EQ(DesktopEntry::execForProgram(QStringLiteral("/usr/bin/plain")), QStringLiteral("/usr/bin/plain"));
    EXPECT_EQ(DesktopEntry::execForProgram(QStringLiteral("/opt/a b")), QStringLiteral("\"/opt/a b\""));
}

TEST(DesktopEntrySave, writesAFileThatLoadsAgain)
{
    QTemporaryDir dir;
    DesktopEntry entry;
    entry.setValue(QStringLiteral("Type"), QStringLiteral("Application"));
    entry.setValue(QStringLiteral("Exec"), QStringLiteral("prog"));
    const QString file = dir.filePath(QStringLiteral("a.desktop"));
    ASSERT_TRUE(entry.save(file));
    const auto loaded = DesktopEntry::load(file);
    ASSERT_TRUE(loaded.has_value());
    EXPECT_EQ(loaded->program(), QStringLiteral("prog"));
    EXPECT_FALSE(entry.save(dir.filePath(QStringLiteral("missing/a.desktop"))));
    // A FIFO under an entry's name is refused at once rather than waited on.
    const QString fifo = dir.filePath(QStringLiteral("fifo.desktop"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_FALSE(DesktopEntry::load(fifo).has_value());
}

// One application's names in a few languages, one of them in two scripts.
const QByteArray kNamedEntry = "[Desktop Entry]\nType=Application\nExec=editor\n"
                               "Name=Text Editor\n"
                               "Name[de]=Texteditor\n"
                               "Name[pt]=Editor de texto\n"
                               "Name[pt_BR]=Editor de textos\n"
                               "Name[sr]=Уређивач\n"
                               "Name[sr@latin]=Uređivač\n";

struct LanguageRow
{
    const char *name;
    const char *language;  // LANGUAGE; nullptr: unset
    const char *lcAll;
    const char *lang;
    const char *expected;  // UTF-8
};

class LocalizedName : public ::testing::TestWithParam<LanguageRow>
{
};

TEST_P(LocalizedName, followsTheLanguagesTheUserReads)
{
    const LanguageRow &row = GetParam();
    const swtest::EnvOverride language("LANGUAGE", QByteArray(row.language));
    const swtest::EnvOverride all("LC_ALL", QByteArray(row.lcAll));
    const swtest::EnvOverride messages("LC_MESSAGES", QByteArray());
    const swtest::EnvOverride lang("LANG", QByteArray(row.lang));
    EXPECT_EQ(parsed(kNamedEntry).localizedName(), QString::fromUtf8(row.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Languages, LocalizedName,
    ::testing::Values(
        LanguageRow{"CountryFirst", "pt_BR", nullptr, nullptr, "Editor de textos"},
        LanguageRow{"AnotherCountryFallsBackToTheLanguage", "pt_PT", nullptr, nullptr, "Editor de texto"},
        LanguageRow{"LanguageAlone", "pt", nullptr, "pt_BR.UTF-8", "Editor de texto"},
        LanguageRow{"FirstListedLanguageThatHasAName", "fr:de:pt", nullptr, nullptr, "Texteditor"},
        // English texts with German formats showed German names.
        LanguageRow{"LanguageListReplacesTheLocale", "en_GB:en", nullptr, "de_DE.UTF-8", "Text Editor"},
        LanguageRow{"EmptyLanguageListIsUnset", "", nullptr, "de_DE.UTF-8", "Texteditor"},
        LanguageRow{"LcAllBeforeLang", nullptr, "pt_BR.UTF-8", "de_DE.UTF-8", "Editor de textos"},
        LanguageRow{"CodeSetAndModifierOfLang", nullptr, nullptr, "de_AT.UTF-8@euro", "Texteditor"},
        LanguageRow{"ModifierBeforeCountry", "sr_RS@latin", nullptr, nullptr, "Uređivač"},
        LanguageRow{"WithoutModifierThePlainLanguage", "sr_RS", nullptr, nullptr, "Уређивач"},
        LanguageRow{"CLocaleKeepsThePlainName", nullptr, nullptr, "C.UTF-8", "Text Editor"},
        LanguageRow{"NothingSet", nullptr, nullptr, nullptr, "Text Editor"}),
    [](const auto &info) { return std::string(info.param.name); });

}  // namespace
