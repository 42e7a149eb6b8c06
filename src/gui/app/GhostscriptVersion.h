// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QProcess>
#include <QTimer>

namespace sw {

// Asks a Ghostscript program its version (`gs --version`) in the background,
// so a slow or hanging one keeps no window waiting: answered() comes once,
// with the version, or with why there is none.
class GhostscriptVersion : public QObject
{
    Q_OBJECT
public:
    static constexpr int kTimeoutMs = 3000;

    explicit GhostscriptVersion(QObject *parent = nullptr);
    ~GhostscriptVersion() override;

    // program: the gs to ask; empty when none is installed.
    void ask(const QString &program);

signals:
    void answered(const QString &text);

private:
    void answer(const QString &text);

    QProcess m_gs;
    QTimer m_timeout;
    bool m_answered = false;
};

} // namespace sw
