// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/PickCommand.h"
#include "core/uninst/ORAppDataCollection.h"

// `sweepwright-cli apps [--layout L] [--root R] [--home H] [--json]
// [--remove APP... [--with-data] [--yes | --dry-run]]`: lists the installed
// applications, each with its bundle and its leftovers by kind; with --remove
// removes the ticked items of the application APP names (all but the user's
// data, which --with-data adds): by its name when no other application has
// it, else by an identifier or its path. A name several applications share
// removes nothing: the candidates are listed and it is a usage error.
class AppsCommand : public PickCommand<ORAppDataCollection>
{
public:
    AppsCommand();

protected:
    QString help() const override;
    void declareOptions(CliOptions &options) const override;
    std::optional<QString> configure(const CliOptions &options) override;
    std::optional<QString> tick(const QStringList &picks) override;
    Plan plan() override;
    void writeResult(JsonWriter &json) const override;
    void writeResult(FILE *out) const override;

private:
    // The groups a pick names, by name, identifier or path.
    QList<qsizetype> groupsNamed(const QString &pick, const sw::InstalledApps &apps) const;
    QString ambiguity(const QString &pick, const QList<qsizetype> &groups, const sw::InstalledApps &apps) const;
    // Whether the item is ticked: taken by this run, or with its application.
    bool ticked(const ORAppDataItem &item) const;

    bool m_withData = false;
};
