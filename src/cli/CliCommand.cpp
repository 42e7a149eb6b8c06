// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliCommand.h"

#include "core/foundation/Translations.h"
#include "core/platform/LogCategory.h"
#include "core/platform/ORLayout.h"

#include <QCoreApplication>

#include <cstdio>

#include <unistd.h>

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

int CliCommand::usageError(const QString &problem) const
{
    std::fprintf(stderr, "%s: %s\nTry 'sweepwright-cli %s --help'.\n", m_name, problem.toLocal8Bit().constData(),
                 m_name);
    return kUsageError;
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
        std::fputs("sweepwright-cli: running as root is never needed; protected system folders stay untouched.\n",
                   stderr);
    return execute(options);
}
