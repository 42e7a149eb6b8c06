// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class CliOptions;

// --keep-path PATH (repeatable) of the commands that list or remove files:
// PATH is left alone for this run as if it stood on the settings' Never
// touch list, which the commands honour as well.
class KeepPathOption
{
public:
    static void declare(CliOptions &options);
    // Hands the paths given, made absolute, to the run's keep list.
    static void apply(const CliOptions &options);
    // The option's lines for a command's help.
    static QString help();
};
