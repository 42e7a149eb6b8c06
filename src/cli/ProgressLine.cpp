// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ProgressLine.h"

#include "core/foundation/ORUtility.h"

#include <QCoreApplication>

#include <sys/ioctl.h>
#include <unistd.h>

namespace {
constexpr int kRenderIntervalMs = 100;  // a steadier line than one per item
}

ProgressLine::ProgressLine(FILE *stream, const sw::JobControl &job, const QString &phase, QObject *parent)
    : QObject(parent)
    , m_stream(stream)
    , m_job(job)
    , m_phase(phase)
    , m_enabled(drawsOn(stream))
{
    if (!m_enabled)
        return;
    connect(&m_timer, &QTimer::timeout, this, &ProgressLine::update);
    m_timer.start(kRenderIntervalMs);
}

bool ProgressLine::drawsOn(FILE *stream)
{
    // A dumb terminal (or one that names no kind) shows escape codes as text.
    const QByteArray term = qgetenv("TERM");
    return stream && ::isatty(::fileno(stream)) && !term.isEmpty() && term != "dumb";
}

ProgressLine::~ProgressLine()
{
    clear();
}

void ProgressLine::clear()
{
    if (!m_enabled || !m_shown)
        return;
    std::fputs("\r\033[K", m_stream);
    std::fflush(m_stream);
    m_shown = false;
}

int ProgressLine::columns() const
{
    winsize size{};
    if (::ioctl(::fileno(m_stream), TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
        return size.ws_col;
    return 80;
}

void ProgressLine::update()
{
    if (!m_enabled)
        return;
    const sw::JobControl::Progress progress = m_job.progress();
    QString line = QStringLiteral("%1  %2  %3")
                       .arg(m_phase,
                            QCoreApplication::translate("ProgressLine", "%Ln item(s)", nullptr, int(progress.items)),
                            ORUtility::sizeFormatWithNumber(progress.bytes));
    const qsizetype room = columns() - 1 - line.size() - 2;
    if (!progress.currentPath.isEmpty() && room > 4) {
        // Keep the end of a long path: the file name says more than the top folders.
        const QString &path = progress.currentPath;
        line += QStringLiteral("  ") + (path.size() > room ? QStringLiteral("...") + path.right(room - 3) : path);
    }
    std::fprintf(m_stream, "\r%s\033[K", line.toLocal8Bit().constData());
    std::fflush(m_stream);
    m_shown = true;
}
