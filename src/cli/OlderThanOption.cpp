// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/OlderThanOption.h"

#include "core/junk/JunkAgeRules.h"

#include <QCoreApplication>

namespace {

// One context for the texts of this file, whichever function shows them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(OlderThanOption)
};

const QString kName = QStringLiteral("--older-than");

}  // namespace

namespace OlderThanOption {

void declare(CliOptions &options)
{
    options.addValued({kName});
    options.setMissingValueText(kName, Text::tr("%1 needs a number of days"));
}

std::optional<int> read(const CliOptions &options, std::optional<QString> &problem)
{
    if (!options.isSet(kName))
        return std::nullopt;
    const QString value = options.value(kName);
    bool ok = false;
    const int days = value.toInt(&ok);
    if (!ok || days < 0 || days > sw::JunkAgeRules::kMaxDays) {
        problem = Text::tr("--older-than takes a whole number of days from 0 to %1, not \"%2\"")
                      .arg(sw::JunkAgeRules::kMaxDays)
                      .arg(value);
        return std::nullopt;
    }
    return days;
}

QString finderHelp()
{
    return Text::tr("  --older-than DAYS      only files last modified more than DAYS days ago (0: all)\n");
}

QString junkHelp()
{
    return Text::tr("  --older-than DAYS  only items older than DAYS days (0: all), in every category, in place\n"
                    "        of the ages set in Preferences > Junk Clean (which apply otherwise, --clean\n"
                    "        included): by the newest modification time inside an item, and in the Trash by\n"
                    "        the date it was deleted; a Trash item without a readable date counts as new\n");
}

}  // namespace OlderThanOption
