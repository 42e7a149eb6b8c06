// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A stand-in for pkexec: a shell script in a temporary folder that
// SWEEPWRIGHT_PKEXEC names while the object lives. It answers as pkexec does
// without asking anyone: mode "cancel" exits 126 (dialog dismissed), "deny"
// exits 127 (not authorised), "noagent" says there is no authentication
// agent and exits 127, anything else becomes the command in its own
// process, after running the "before" command if one is set. Every start
// appends its arguments to a log, so tests can count them.

#include "support/FixtureTree.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

namespace swtest {

// Sets an environment variable (or unsets it, for a null value) and puts the
// previous state back when it goes.
class EnvOverride
{
public:
    EnvOverride(const char *name, const QByteArray &value)
        : m_name(name), m_wasSet(qEnvironmentVariableIsSet(name)), m_previous(qgetenv(name))
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~EnvOverride()
    {
        if (m_wasSet)
            qputenv(m_name, m_previous);
        else
            qunsetenv(m_name);
    }
    EnvOverride(const EnvOverride &) = delete;
    EnvOverride &operator=(const EnvOverride &) = delete;

private:
    const char *m_name;
    bool m_wasSet;
    QByteArray m_previous;
};

class PkexecStandIn
{
public:
    explicit PkexecStandIn(const QString &fileName = QStringLiteral("pkexec-standin"))
        : m_program(m_tree.text(fileName, "#!/bin/sh\n"
                                          "printf '%s\\n' \"$*\" >> \"$SW_TEST_PKEXEC_LOG\"\n"
                                          "case \"$SW_TEST_PKEXEC_MODE\" in\n"
                                          "cancel) exit 126 ;;\n"
                                          "deny) exit 127 ;;\n"
                                          "noagent) echo 'Error executing command as another user: No "
                                          "authentication agent found.' >&2; exit 127 ;;\n"
                                          "esac\n"
                                          "if [ -n \"$SW_TEST_PKEXEC_BEFORE\" ]; then sh -c \"$SW_TEST_PKEXEC_BEFORE\" </dev/null; fi\n"
                                          "exec \"$@\"\n")),
          m_log(m_tree.path(QStringLiteral("starts.log"))),
          m_programEnv("SWEEPWRIGHT_PKEXEC", QFile::encodeName(m_program)),
          m_logEnv("SW_TEST_PKEXEC_LOG", QFile::encodeName(m_log)),
          m_modeEnv("SW_TEST_PKEXEC_MODE", QByteArray("")),
          m_beforeEnv("SW_TEST_PKEXEC_BEFORE", QByteArray(""))
    {
        QFile::setPermissions(m_program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void setMode(const char *mode) { qputenv("SW_TEST_PKEXEC_MODE", mode); }
    // A shell command run while the "dialog" is up, before the command starts:
    // what another process of the user could do meanwhile.
    void setBefore(const QByteArray &command) { qputenv("SW_TEST_PKEXEC_BEFORE", command); }
    QString program() const { return m_program; }
    QString folder() const { return m_tree.root(); }

    // One line per start of the stand-in: the command and its arguments.
    QStringList starts() const
    {
        QFile log(m_log);
        if (!log.open(QIODevice::ReadOnly))
            return {};
        return QString::fromLocal8Bit(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

private:
    FixtureTree m_tree;
    QString m_program;
    QString m_log;
    EnvOverride m_programEnv;
    EnvOverride m_logEnv;
    EnvOverride m_modeEnv;
    EnvOverride m_beforeEnv;
};

}  // namespace swtest
