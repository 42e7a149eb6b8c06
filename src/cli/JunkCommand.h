// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/ToolCommand.h"
#include "core/foundation/ORJunkData.h"

#include <QSet>

#include <memory>

class ORJunkFilesCollection;

// `sweepwright-cli junk [--layout L] [--root R] [--home H] [--json]
// [--category ID]... [--all] [--clean [--yes | --dry-run] [--admin]]
// [--profile scheduled]`: scans the junk categories and lists what they
// found; with --clean removes what the engine marks by default and reports
// the bytes removed. Writes nothing to the settings store and never touches
// the login items. --profile scheduled is the timer's run: the categories
// chosen for it in the settings, never a password, and a desktop
// notification of what went.
class JunkCommand : public ToolCommand
{
public:
    JunkCommand();

protected:
    QString help() const override;
    void declareOptions(CliOptions &options) const override;
    std::optional<QString> configure(const CliOptions &options) override;
    // The scheduled profile's categories, or a usage error's text.
    std::optional<QString> configureProfile(const CliOptions &options);
    ORJunkFilesCollection &shareChoice() const;
    int execute(const CliOptions &options) override;

    bool scan(sw::JobControl &job) override;
    Plan plan() override;
    sw::RemovalReport remove(sw::JobControl &job) override;
    void writeResult(JsonWriter &json) const override;
    void writeResult(FILE *out) const override;
    void writeExtras(JsonWriter &json, const Outcome &outcome) const override;
    void writeExtras(FILE *out, const Outcome &outcome) const override;
    void finished(const Outcome &outcome) override;

private:
    QSet<QString> m_switchKeys;  // the categories to scan, by switch key
    QSet<qint64> m_named;        // the categories named with --category
    bool m_admin = false;
    bool m_stats = false;
    bool m_scheduled = false;  // --profile scheduled
    std::shared_ptr<ORJunkData> m_data;
};
