// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/controls/ORHyperlinkTextField.h"

#include <QAbstractTextDocumentLayout>
#include <QDesktopServices>
#include <QMouseEvent>
#include <QPainter>
#include <QTextBlock>
#include <QTextLayout>
#include <QtMath>

using sw::HyperlinkInfo;

namespace {

// The rectangles that characters [start, end) of block cover, one per line.
QList<QRectF> runRects(const QTextBlock &block, const QPointF &origin, int start, int end)
{
    QList<QRectF> rects;
    const QTextLayout *layout = block.layout();
    for (int i = 0; layout && i < layout->lineCount(); ++i) {
        const QTextLine line = layout->lineAt(i);
        const int from = qMax(start, line.textStart());
        const int to = qMin(end, line.textStart() + line.textLength());
        if (from >= to)
            continue;
        const qreal x1 = line.cursorToX(from);
        const qreal x2 = line.cursorToX(to);
        rects.append(QRectF(qMin(x1, x2), line.y(), qAbs(x2 - x1), line.height())
                         .translated(origin + layout->position()));
    }
    return rects;
}

} // namespace

ORHyperlinkTextField::ORHyperlinkTextField(QWidget *parent)
    : QWidget(parent)
{
    init();
}

ORHyperlinkTextField::ORHyperlinkTextField(const QString &text, QWidget *parent)
    : QWidget(parent)
{
    init();
    setText(text);
}

void ORHyperlinkTextField::init()
{
    m_document.setDocumentMargin(0);
    m_document.setDefaultFont(font());
    m_document.setUndoRedoEnabled(false);
    m_opener = [](const QUrl &url) { QDesktopServices::openUrl(url); };
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

void ORHyperlinkTextField::setText(const QString &text)
{
    if (Qt::mightBeRichText(text))
        m_document.setHtml(text);
    else
        m_document.setPlainText(text);
    updateGeometry();
    update();
}

QTextDocument &ORHyperlinkTextField::laidOut() const
{
    if (m_document.textWidth() != width())
        m_document.setTextWidth(width());
    return m_document;
}

// Neighbouring fragments with the same address form one run, so a link with
// a bold word inside is still one link.
QList<HyperlinkInfo> ORHyperlinkTextField::hyperlinkInfos() const
{
    QList<HyperlinkInfo> infos;
    laidOut().documentLayout()->documentSize(); // lays the text out if it is not yet
    for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next()) {
        HyperlinkInfo run;
        auto flush = [&] {
            if (run.length <= 0)
                return;
            const int offset = block.position();
            for (const QRectF &rect : runRects(block, QPointF(), run.start - offset, run.start - offset + run.length))
                infos.append(HyperlinkInfo{run.start, run.length, run.url, rect});
            run = HyperlinkInfo();
        };
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            const QUrl url = format.isAnchor() ? QUrl(format.anchorHref()) : QUrl();
            if (url.isEmpty() || url != run.url || run.start + run.length != fragment.position())
                flush();
            if (url.isEmpty())
                continue;
            if (run.length == 0) {
                run.start = fragment.position();
                run.url = url;
            }
            run.length += fragment.length();
        }
        flush();
    }
    return infos;
}

int ORHyperlinkTextField::characterIndexAt(const QPointF &pos) const
{
    return laidOut().documentLayout()->hitTest(pos, Qt::ExactHit);
}

HyperlinkInfo ORHyperlinkTextField::linkAt(const QPointF &pos) const
{
    const int index = characterIndexAt(pos);
    if (index < 0)
        return HyperlinkInfo();
    const QList<HyperlinkInfo> infos = hyperlinkInfos();
    for (const HyperlinkInfo &info : infos)
        if (info.contains(index))
            return info;
    return HyperlinkInfo();
}

void ORHyperlinkTextField::mousePressEvent(QMouseEvent *event)
{
    const HyperlinkInfo link = event->button() == Qt::LeftButton ? linkAt(event->position()) : HyperlinkInfo();
    m_pressedLinkStart = link.length > 0 ? link.start : -1;
    QWidget::mousePressEvent(event);
}

// A run opens once per click, however many lines it covers.
void ORHyperlinkTextField::mouseReleaseEvent(QMouseEvent *event)
{
    const int pressed = m_pressedLinkStart;
    m_pressedLinkStart = -1;
    QWidget::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || pressed < 0)
        return;
    const HyperlinkInfo link = linkAt(event->position());
    if (link.length <= 0 || link.start != pressed)
        return;
    if (m_opener)
        m_opener(link.url);
    emit linkOpened(link.url);
}

void ORHyperlinkTextField::mouseMoveEvent(QMouseEvent *event)
{
    const bool overLink = linkAt(event->position()).length > 0;
    if (overLink)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
    QWidget::mouseMoveEvent(event);
}

void ORHyperlinkTextField::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette = palette();
    context.palette.setColor(QPalette::Text, palette().color(QPalette::WindowText));
    laidOut().documentLayout()->draw(&painter, context);
}

void ORHyperlinkTextField::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange) {
        m_document.setDefaultFont(font());
        updateGeometry();
    }
    QWidget::changeEvent(event);
}

// The text's size when laid out at width (a negative width: no wrapping).
QSizeF ORHyperlinkTextField::measure(qreal width) const
{
    QTextDocument probe;
    probe.setDocumentMargin(0);
    probe.setDefaultFont(font());
    probe.setHtml(m_document.toHtml());
    probe.setTextWidth(width);
    return QSizeF(probe.idealWidth(), probe.size().height());
}

QSize ORHyperlinkTextField::sizeHint() const
{
    return measure(-1).toSize().grownBy(QMargins(0, 0, 1, 1));
}

QSize ORHyperlinkTextField::minimumSizeHint() const
{
    return QSize(0, QFontMetrics(font()).height());
}

int ORHyperlinkTextField::heightForWidth(int width) const
{
    return qCeil(measure(width).height());
}
