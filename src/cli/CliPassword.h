// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/foundation/JobControl.h"

#include <QString>

#include <optional>

// Where a command's password comes from, never from an argument (it would
// show in the process list): the first line of a file, the first line of
// standard input, or a question on the terminal with echo off. Reading
// standard input or the terminal gives up when the job is cancelled, so
// Ctrl-C is not stuck behind a read.
namespace clipassword {

// The first line of the file at path without its line end ("\n" or
// "\r\n"); nullopt with problem set when it cannot be read.
std::optional<QString> firstLineOfFile(const QString &path, QString &problem);

// The first line of standard input; nullopt when it is empty or the job was
// cancelled.
std::optional<QString> firstLineOfStdin(const sw::JobControl &job);

// Whether standard input is a terminal one can ask on.
bool canAsk();

// Asks "question" on the terminal and reads the answer without echo;
// nullopt when the user gives none (Ctrl-D) or the job was cancelled.
std::optional<QString> askOnTerminal(const QString &question, const sw::JobControl &job);

}  // namespace clipassword
