#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <cstdio>

// One self-rewriting status line on a terminal: the phase, the running size
// found and the path being measured, fed by a scan's title and size
// notifications ("junktitle"/"junksize", "bigtitle"/"bigszie", ...) on the
// main thread; a size that comes as a list counts by its first number. Does nothing when the stream
// is not a terminal, so redirected output stays clean.
class ProgressLine : public QObject
{
public:
    ProgressLine(FILE *stream, const QString &titleName, const QString &sizeName, QObject *parent = nullptr);
    ~ProgressLine() override;

    bool isEnabled() const { return m_enabled; }
    void setPhase(const QString &phase);
    // Erases the line, leaving the cursor at its start.
    void clear();

private:
    void render(bool force);
    int columns() const;

    FILE *m_stream;
    bool m_enabled;
    bool m_shown = false;
    QString m_phase;
    QString m_path;
    qint64 m_size = 0;
    QElapsedTimer m_sinceRender;
};
