// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/InputPaths.h"
#include "cli/KeepPathOption.h"
#include "cli/LeftOutFolders.h"
#include "cli/OlderThanOption.h"
#include "cli/ToolCommand.h"
#include "core/foundation/ToolEngine.h"

#include <QDateTime>
#include <QTimeZone>

#include <memory>

// The folders a finder command scans: those named on the command line, made
// absolute, or the defaults. A usage error's text when a named folder does
// not exist, is no folder or cannot be read.
std::optional<QString> chooseFinderFolders(const QStringList &named, const QStringList &defaults,
                                           QStringList &folders);
// The help's line on the default folders of the layout in use.
QString defaultFoldersHelp(const QStringList &folders);

// An item's modification time as ISO 8601 in UTC ("2026-01-02T03:04:05Z").
inline QString isoTime(qint64 msSinceEpoch)
{
    // Qt::ISODate writes "+00:00" for a UTC time zone on some Qt versions.
    return QDateTime::fromMSecsSinceEpoch(msSinceEpoch, QTimeZone::utc())
        .toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss'Z'"));
}

// What the large-file and the duplicate command share: their engine scans
// the folders named ("-" reads them from standard input; none: its
// defaults) with the pages' exclusions, less the protected system folders,
// which are named on stderr, and only what is older than --older-than DAYS;
// every removal moves to the Trash.
template <sw::ToolEngine Engine>
class FinderCommand : public ToolCommand
{
protected:
    using Data = typename Engine::Data;

    FinderCommand(const char *name, const QString &removalFlag, sw::RemovalWording::Action action)
        : ToolCommand(name, Removal{removalFlag, {action, true}, clirun::Deed::MoveToTrash, true})
    {
    }

    void declareOptions(CliOptions &options) const override
    {
        ToolCommand::declareOptions(options);
        KeepPathOption::declare(options);
        OlderThanOption::declare(options);
    }

    std::optional<QString> configure(const CliOptions &options) override
    {
        KeepPathOption::apply(options);
        Engine &engine = Engine::shareInstance();
        engine.startOver();
        std::optional<QString> badAge;
        engine.setOlderThanDays(OlderThanOption::read(options, badAge).value_or(0));
        if (badAge)
            return badAge;
        QStringList named = options.positional();
        if (const auto problem = InputPaths::expand(named))
            return problem;
        QStringList folders;
        if (const auto problem = chooseFinderFolders(named, Engine::defaultFolders(), folders))
            return problem;
        LeftOutFolders::tell(LeftOutFolders::takeOut(folders));
        engine.setFolders(folders);
        engine.setExcludeFolders(Engine::defaultExcludeFolders());
        engine.setExcludeFiles(Engine::defaultExcludeFiles());
        return configureEngine(engine, options);
    }

    // The command's own settings of the engine.
    virtual std::optional<QString> configureEngine(Engine &, const CliOptions &) { return std::nullopt; }

    bool scan(sw::JobControl &job) override
    {
        m_data = Engine::shareInstance().scan(job);
        return m_data != nullptr;
    }

    sw::RemovalReport remove(sw::JobControl &job) override { return Engine::shareInstance().remove(job); }

    std::shared_ptr<Data> m_data;
};
