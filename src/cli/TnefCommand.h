// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CliCommand.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <optional>

// `sweepwright-cli tnef FILE [-C DIR] [options]`: decodes a winmail.dat file
// into DIR (default: the current folder). Returns the decoder's result, 1
// after a fatal decoding error or when FILE cannot be opened, 2 for a usage
// error.
class TnefCommand : public CliCommand
{
public:
    TnefCommand();

protected:
    QString help() const override;
    void declareOptions(CliOptions &options) const override;
    std::optional<QString> configure(const CliOptions &options) override;
    int execute(const CliOptions &options) override;

private:
    struct TnefRequest
    {
        QString file;
        QString directory = QStringLiteral(".");
        unsigned int flags = 0;
        QByteArray bodyPref = "all";
        QByteArray bodyName = "MailBody";
        std::optional<size_t> maxSize;
    };
    TnefRequest m_request;
};

// The command run on args, the words after "tnef".
int runTnefCommand(const QStringList &args);
