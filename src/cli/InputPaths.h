// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// "-" among a command's path arguments stands for the paths on standard
// input, as find -print0 or a list of lines gives them: separated by NUL
// bytes when the input holds one, else by newlines; empty ones are skipped.
// Standard input is read once (a second "-" adds nothing) and can then
// answer no question.
class InputPaths
{
public:
    // More than this is no list of paths but a mistake (a device, a file
    // that never ends).
    static constexpr qsizetype kMaxInput = 64 * 1024 * 1024;

    // Replaces each "-" in args by the paths read; a usage error's text when
    // standard input cannot be read, is too large or names no path.
    static std::optional<QString> expand(QStringList &args);
    // The paths a list holds.
    static QStringList split(const QByteArray &input);
    // Whether a "-" took standard input.
    static bool taken() { return s_taken; }

private:
    static std::optional<QString> read(QByteArray &input);

    static inline bool s_taken = false;
};
