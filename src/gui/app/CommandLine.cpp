// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/CommandLine.h"

#include "core/foundation/Translations.h"
#include "core/platform/ORLayout.h"

#include <QFileInfo>
#include <QTextStream>

#include <cstring>
#include <vector>

namespace {

// Whether a word of argv, before "--", asks for the help or the version.
bool asksAlone(int argc, char *argv[])
{
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i)
        for (const char *word : {"-h", "--help", "-V", "--version"})
            if (std::strcmp(argv[i], word) == 0)
                return true;
    return false;
}

}  // namespace

CommandLine::CommandLine()
    : m_help({QStringLiteral("h"), QStringLiteral("help")}, tr("Show this help and exit."))
    , m_version({QStringLiteral("V"), QStringLiteral("version")}, tr("Show the version and exit."))
    , m_layout(QStringLiteral("layout"), tr("Where to look: freedesktop or macos."), QStringLiteral("L"))
    , m_root(QStringLiteral("root"), tr("The root the system folders are under."), QStringLiteral("R"))
    , m_home(QStringLiteral("home"), tr("The home folder to look in."), QStringLiteral("H"))
    , m_openResult(QStringLiteral("open-result"),
                   tr("Open a duplicate result saved as JSON, checked against the disk first."), QStringLiteral("FILE"))
{
    m_parser.setApplicationDescription(tr("Sweepwright, the desktop maintenance utility."));
    m_parser.addOptions({m_help, m_version, m_layout, m_root, m_home, m_openResult});
}

std::optional<int> CommandLine::answerAlone(int argc, char *argv[])
{
    if (!asksAlone(argc, argv))
        return std::nullopt;
    // The help's usage line names the program as it is called, not where it was built.
    std::vector<char *> words(argv, argv + argc);
    char name[] = "sweepwright";
    words.at(0) = name;
    words.push_back(nullptr);
    int count = argc;
    const QCoreApplication app(count, words.data());
    sw::Translations::install();
    CommandLine line;
    line.m_parser.parse(QCoreApplication::arguments());  // mistakes are told by apply()
    return line.answer();
}

std::optional<int> CommandLine::apply(const QCoreApplication &app)
{
    if (!m_parser.parse(app.arguments())) {
        QTextStream(stderr) << "sweepwright: " << m_parser.errorText() << "\nTry 'sweepwright --help'.\n";
        return 2;
    }
    if (const auto status = answer())
        return status;
    // From the parsed options only: a word after "--" is no option.
    QStringList words;
    for (const QCommandLineOption *option : {&m_layout, &m_root, &m_home})
        if (m_parser.isSet(*option))
            words.append(QStringLiteral("--%1=%2").arg(option->names().constFirst(), m_parser.value(*option)));
    if (const QString error = ORLayout::configure(words); !error.isEmpty()) {
        QTextStream(stderr) << "sweepwright: " << error << '\n';
        return 2;
    }
    return std::nullopt;
}

QString CommandLine::openResult() const
{
    return m_parser.isSet(m_openResult) ? QFileInfo(m_parser.value(m_openResult)).absoluteFilePath() : QString();
}

std::optional<int> CommandLine::answer()
{
    if (m_parser.isSet(m_version)) {
        QTextStream(stdout) << "sweepwright " << PROJECT_VERSION << '\n';
        return 0;
    }
    if (m_parser.isSet(m_help)) {
        QTextStream(stdout) << m_parser.helpText();
        return 0;
    }
    return std::nullopt;
}
