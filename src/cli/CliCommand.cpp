// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliCommand.h"

#include "core/foundation/Translations.h"
#include "core/platform/LogCategory.h"
#include "core/platform/ORLayout.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <unistd.h>

namespace {

// One context for the texts of this file, whichever function shows them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(CliCommand)
};

}  // namespace

CliCommand::CliCommand(const char *name, bool looksAtDisk)
    : m_name(name)
    , m_looksAtDisk(looksAtDisk)
{
}

QString CliCommand::versionText()
{
    return QStringLiteral("sweepwright-cli " SWEEPWRIGHT_VERSION "\n");
}

void CliCommand::prepareApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("sweepwright-cli"));
    sw::Translations::install();
    // The library's chatter (each progress post, each path without delete
    // permission) is for debugging; failures are warnings and still show.
    // A threshold rather than filter rules: rules would start Qt's logging
    // registry in every run, and logging rules the user sets still win.
    sw::setQuietLogging();
    qSetMessagePattern(QStringLiteral("sweepwright-cli: %{message}"));
}

void CliCommand::tell(const char *who, const QString &message)
{
    std::fprintf(stderr, "%s: %s\n", who, message.toLocal8Bit().constData());
}

void CliCommand::tellCancelled()
{
    tell("sweepwright-cli", Text::tr("cancelled"));
}

int CliCommand::tellWriteError()
{
    const QString why = QString::fromLocal8Bit(std::strerror(errno));
    tell("sweepwright-cli", Text::tr("could not write the report: %1").arg(why));
    return 1;
}

int CliCommand::usageError(const QString &problem) const
{
    tell(m_name, problem);
    std::fprintf(stderr, "%s\n",
                 Text::tr("Try 'sweepwright-cli %1 --help'.").arg(QLatin1String(m_name)).toLocal8Bit().constData());
    return kUsageError;
}

QString CliCommand::unexpectedArgument(const QString &word)
{
    return Text::tr("unexpected argument %1").arg(word);
}

std::optional<QString> CliCommand::oneFile(const QStringList &files)
{
    if (files.isEmpty())
        return Text::tr("no file given");
    if (files.size() > 1)
        return Text::tr("more than one file given");
    return std::nullopt;
}

QStringList CliCommand::layoutOptions(const CliOptions &options)
{
    QStringList words;
    for (const char *name : {"--layout", "--root", "--home"})
        if (options.isSet(QLatin1String(name)))
            words.append(QLatin1String(name) + QLatin1Char('=') + options.value(QLatin1String(name)));
    return words;
}

int CliCommand::run(const QStringList &args)
{
    CliOptions options(
        {QStringLiteral("--help"), QStringLiteral("-h"), QStringLiteral("--version"), QStringLiteral("-V")}, {});
    if (m_looksAtDisk)
        options.addValued({QStringLiteral("--layout"), QStringLiteral("--root"), QStringLiteral("--home")});
    declareOptions(options);
    if (const auto problem = options.parse(args))
        return usageError(*problem);
    // Before the help: the help of a layout names that layout's categories.
    // From the parsed options only: a word after "--" or an option's value is no layout option.
    if (m_looksAtDisk)
        if (const QString problem = ORLayout::configure(layoutOptions(options)); !problem.isEmpty())
            return usageError(problem);
    if (options.isSet(QStringLiteral("--help")) || options.isSet(QStringLiteral("-h"))) {
        std::fputs(help().toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (options.isSet(QStringLiteral("--version")) || options.isSet(QStringLiteral("-V"))) {
        std::fputs(versionText().toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (const auto problem = configure(options))
        return usageError(*problem);
    if (m_looksAtDisk && ::geteuid() == 0)
        tell("sweepwright-cli", Text::tr("running as root is never needed; protected system folders stay untouched."));
    return execute(options);
}
