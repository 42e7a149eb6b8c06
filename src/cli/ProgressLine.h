// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/foundation/JobControl.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <cstdio>

// One self-rewriting status line on a terminal: the phase, the items looked
// at (or removed), the size found (or removed) and the current path, read
// from a running job ten times a second. Does nothing when the stream is not
// a terminal, or is a dumb one (TERM=dumb or unset), so redirected output
// and plain-text terminals get no escape codes.
class ProgressLine : public QObject
{
public:
    ProgressLine(FILE *stream, const sw::JobControl &job, const QString &phase, QObject *parent = nullptr);
    ~ProgressLine() override;

    bool isEnabled() const { return m_enabled; }
    // Shows the job's progress now (the timer calls it while the loop runs).
    void update();
    // Erases the line, leaving the cursor at its start.
    void clear();

private:
    // Whether a line would be drawn on stream.
    static bool drawsOn(FILE *stream);
    int columns() const;

    FILE *m_stream;
    const sw::JobControl &m_job;
    QString m_phase;
    bool m_enabled;
    bool m_shown = false;
    QTimer m_timer;
};
