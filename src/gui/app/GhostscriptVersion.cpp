// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/GhostscriptVersion.h"

#include <QRegularExpression>

namespace sw {

GhostscriptVersion::GhostscriptVersion(QObject *parent) : QObject(parent)
{
    m_timeout.setSingleShot(true);
    m_timeout.setInterval(kTimeoutMs);
    connect(&m_timeout, &QTimer::timeout, this, [this] {
        m_gs.kill();
        answer(tr("did not answer"));
    });
    connect(&m_gs, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            answer(tr("could not be run"));
    });
    connect(&m_gs, &QProcess::finished, this, [this](int code, QProcess::ExitStatus status) {
        static const QRegularExpression version(QStringLiteral("^\\d+(\\.\\d+)*$"));
        const QString out = QString::fromUtf8(m_gs.readAllStandardOutput()).trimmed();
        const bool told = status == QProcess::NormalExit && code == 0 && version.match(out).hasMatch();
        answer(told ? out : tr("could not tell its version"));
    });
}

GhostscriptVersion::~GhostscriptVersion()
{
    disconnect(&m_gs, nullptr, this, nullptr);
    if (m_gs.state() != QProcess::NotRunning) {
        m_gs.kill();
        m_gs.waitForFinished(1000);
    }
}

void GhostscriptVersion::ask(const QString &program)
{
    if (program.isEmpty()) {
        answer(tr("not found"));
        return;
    }
    m_gs.setProcessChannelMode(QProcess::SeparateChannels);
    m_gs.setStandardInputFile(QProcess::nullDevice());
    m_timeout.start();
    m_gs.start(program, {QStringLiteral("--version")});
}

void GhostscriptVersion::answer(const QString &text)
{
    m_timeout.stop();
    if (m_answered)
        return;
    m_answered = true;
    emit answered(text);
}

} // namespace sw
