// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/KeepPathOption.h"

#include "cli/CliOptions.h"
#include "core/foundation/KeepList.h"

#include <QCoreApplication>
#include <QDir>

namespace {

const QString kOption = QStringLiteral("--keep-path");

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(KeepPathOption)
};

}  // namespace

void KeepPathOption::declare(CliOptions &options)
{
    options.addValued({kOption});
    options.setMissingValueText(kOption, Text::tr("%1 needs a path"));
}

void KeepPathOption::apply(const CliOptions &options)
{
    QStringList paths;
    for (const QString &path : options.values(kOption))
        paths.append(QDir::cleanPath(QDir::current().absoluteFilePath(path)));
    sw::KeepList::setRunEntries(paths);
}

QString KeepPathOption::help()
{
    return Text::tr("  --keep-path PATH  leave PATH (and what lies in it) alone in this run, as the Never\n"
                    "                    touch list of the settings does; repeatable\n");
}
