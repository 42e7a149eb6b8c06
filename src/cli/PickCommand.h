// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CliJob.h"
#include "cli/JsonWriter.h"
#include "cli/ToolCommand.h"
#include "core/foundation/ORSelection.h"
#include "core/foundation/ToolEngine.h"

#include <cstdio>
#include <memory>

// What the application and the add-on command share: the engine's scan is
// listed, and --remove WHAT (repeatable; more words after it count too) ticks
// what the user picks by name. A pick the scan did not find, or one that
// names more than one thing, is a usage error, which is only known after the
// scan: so the scan runs first, before the plan, consent and removal of
// ToolCommand.
template <sw::ToolEngine Engine>
class PickCommand : public ToolCommand
{
protected:
    using Data = typename Engine::Data;

    PickCommand(const char *name, sw::RemovalWording wording)
        : ToolCommand(name, Removal{QStringLiteral("--remove"), wording, clirun::Deed::Remove, true, "failed"})
    {
    }

    // Ticks in m_data what the picks name and nothing else; what is wrong
    // with the first pick that does not name one thing, else nothing.
    virtual std::optional<QString> tick(const QStringList &picks) = 0;
    // A pick as the scan would list it.
    virtual QString normalized(const QString &pick) const { return pick; }

    void declareOptions(CliOptions &options) const override
    {
        options.addFlags(QStringList{QStringLiteral("--json")} + clirun::consentFlags());
        options.addValued({QStringLiteral("--remove")});
    }

    std::optional<QString> configure(const CliOptions &options) override
    {
        if (!options.isSet(QStringLiteral("--remove")) && !options.positional().isEmpty())
            return unexpectedArgument(options.positional().first());
        for (const QString &pick : options.values(QStringLiteral("--remove")) + options.positional())
            m_picks.append(normalized(pick));
        Engine::shareInstance().startOver();
        return std::nullopt;
    }

    int execute(const CliOptions &options) override
    {
        if (runScan([this](sw::JobControl &job) { m_data = Engine::shareInstance().scan(job); }) || !m_data) {
            tellCancelled();
            return kCancelled;
        }
        if (const auto problem = tick(m_picks))
            return usageError(*problem);
        return ToolCommand::execute(options);
    }

    // Scanned by execute() already.
    bool scan(sw::JobControl &) override { return m_data != nullptr; }

    sw::RemovalReport remove(sw::JobControl &job) override { return Engine::shareInstance().remove(job); }

    QStringList m_picks;
    std::shared_ptr<Data> m_data;
};
