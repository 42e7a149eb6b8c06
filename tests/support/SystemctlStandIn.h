// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A stand-in for systemctl in a folder of its own, to be put first on PATH:
// a shell script that appends its arguments to a log, one call a line, and
// answers as a user manager does. is-system-running prints the state given
// (and fails unless it is "running"); enable and disable keep the enabled
// state in a file beside the log, which is-enabled reads; a call whose verb
// is in failing fails with a message, as systemctl does.

#include "support/FixtureTree.h"

#include <QFile>
#include <QString>
#include <QStringList>

#include <sys/stat.h>

namespace swtest {

class SystemctlStandIn
{
public:
    explicit SystemctlStandIn(const QString &state = QStringLiteral("running"), const QString &failing = QString())
    {
        const QString log = m_tree.path(QStringLiteral("calls.log"));
        const QString enabled = m_tree.path(QStringLiteral("enabled"));
        const QString script = m_tree.text(
            QStringLiteral("bin/systemctl"),
            "#!/bin/sh\n"
            "printf '%s\\n' \"$*\" >> '" + QFile::encodeName(log) + "'\n"
            "[ \"$1\" = --user ] || { echo 'not a user call' >&2; exit 9; }\n"
            "case \" " + failing.toUtf8() + " \" in *\" $2 \"*) echo \"Failed to $2 unit\" >&2; exit 1 ;; esac\n"
            "case \"$2\" in\n"
            "is-system-running) echo '" + state.toUtf8() + "'; [ '" + state.toUtf8() + "' = running ] ;;\n"
            "enable) touch '" + QFile::encodeName(enabled) + "' ;;\n"
            "disable) rm -f '" + QFile::encodeName(enabled) + "' ;;\n"
            "is-enabled) [ -e '" + QFile::encodeName(enabled) + "' ] ;;\n"
            "esac\n");
        ::chmod(QFile::encodeName(script).constData(), 0755);
        ::chmod(QFile::encodeName(m_tree.root()).constData(), 0755);
        ::chmod(QFile::encodeName(m_tree.path(QStringLiteral("bin"))).constData(), 0755);
    }

    // The folder to put first on PATH.
    QString folder() const { return m_tree.path(QStringLiteral("bin")); }
    // PATH with the stand-in first.
    QString path() const { return folder() + QLatin1Char(':') + qEnvironmentVariable("PATH"); }

    // The calls so far, each its arguments joined by blanks.
    QStringList calls() const
    {
        QFile file(m_tree.path(QStringLiteral("calls.log")));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    // The calls that change something (not the questions).
    QStringList changes() const
    {
        QStringList out;
        for (const QString &call : calls())
            if (!call.contains(QLatin1String("is-system-running")) && !call.contains(QLatin1String("is-enabled")))
                out.append(call);
        return out;
    }

private:
    FixtureTree m_tree;
};

}  // namespace swtest
