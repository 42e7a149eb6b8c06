#include "ProgressLine.h"

#include "ORNotificationCenter.h"
#include "ORUtility.h"

#include <sys/ioctl.h>
#include <unistd.h>

namespace {
constexpr qint64 kRenderIntervalMs = 100;  // a steadier line than one per delivered frame
}

ProgressLine::ProgressLine(FILE *stream, const QString &titleName, const QString &sizeName, QObject *parent)
    : QObject(parent)
    , m_stream(stream)
    , m_enabled(stream && ::isatty(::fileno(stream)))
    , m_phase(QStringLiteral("Scanning"))
{
    if (!m_enabled)
        return;
    auto &center = ORNotificationCenter::defaultCenter();
    center.addObserver(this, titleName, [this](const QVariant &object) {
        m_path = object.toString();
        render(false);
    });
    center.addObserver(this, sizeName, [this](const QVariant &object) {
        m_size = object.metaType().id() == QMetaType::QVariantList ? object.toList().value(0).toLongLong()
                                                                    : object.toLongLong();
        render(false);
    });
}

ProgressLine::~ProgressLine()
{
    clear();
}

void ProgressLine::setPhase(const QString &phase)
{
    m_phase = phase;
    m_path.clear();
    render(true);
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

void ProgressLine::render(bool force)
{
    if (!m_enabled || (!force && m_sinceRender.isValid() && m_sinceRender.elapsed() < kRenderIntervalMs))
        return;
    m_sinceRender.start();
    QString line = QStringLiteral("%1  %2").arg(m_phase, ORUtility::sizeFormatWithNumber(m_size));
    const qsizetype room = columns() - 1 - line.size() - 2;
    if (!m_path.isEmpty() && room > 4) {
        // Keep the end of a long path: the file name says more than the top folders.
        const QString path = m_path.size() > room ? QStringLiteral("...") + m_path.right(room - 3) : m_path;
        line += QStringLiteral("  ") + path;
    }
    std::fprintf(m_stream, "\r%s\033[K", line.toLocal8Bit().constData());
    std::fflush(m_stream);
    m_shown = true;
}
