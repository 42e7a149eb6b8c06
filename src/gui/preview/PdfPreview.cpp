// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/preview/PdfPreview.h"

#include "gui/controls/ThemeFollower.h"
#include "gui/preview/BackgroundLoad.h"

#include <poppler-qt6.h>

#include <QLabel>
#include <QResizeEvent>
#include <QScrollBar>
#include <QVBoxLayout>

namespace sw {

PdfPreview::PdfPreview(QWidget *parent) : QScrollArea(parent)
{
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_column = new QWidget(this);
    m_column->setObjectName(QStringLiteral("pdfColumn"));
    ThemeFollower::style(m_column, QStringLiteral("#pdfColumn { background:@sunken; }"));
    m_layout = new QVBoxLayout(m_column);
    m_layout->setContentsMargins(16, 16, 16, 16);
    m_layout->setSpacing(12);
    m_note = new QLabel(m_column);
    m_note->setAlignment(Qt::AlignCenter);
    ThemeFollower::style(m_note, QStringLiteral("color:@muted;"));
    m_layout->addWidget(m_note);
    m_layout->addStretch(1);
    setWidget(m_column);
}

PdfPreview::~PdfPreview()
{
    m_wanted->store(0);
}

PdfPreview::Rendered PdfPreview::render(const QString &path, int maxPages, int width,
                                        const std::function<bool()> &keepGoing, const QString &password)
{
    Rendered out;
    const QByteArray key = password.toUtf8();
    const std::unique_ptr<Poppler::Document> document = Poppler::Document::load(path, key, key);
    if (!document)
        out.error = tr("This PDF document cannot be opened.");
    else if (document->isLocked())
        out.error = tr("This PDF document is locked.");
    else if (document->numPages() <= 0)
        out.error = tr("This PDF document has no pages.");
    if (!out.error.isEmpty())
        return out;
    document->setRenderHint(Poppler::Document::Antialiasing);
    document->setRenderHint(Poppler::Document::TextAntialiasing);
    out.pageCount = document->numPages();
    for (int i = 0; i < qMin(maxPages, out.pageCount) && keepGoing(); ++i) {
        const std::unique_ptr<Poppler::Page> page = document->page(i);
        const QSizeF points = page ? page->pageSizeF() : QSizeF();
        if (points.width() <= 0 || points.height() <= 0)
            continue;
        // As wide as asked, but a freak page shape never gets taller than
        // four widths: the pixel count stays bounded.
        double dpi = 72.0 * width / points.width();
        dpi = qMin(dpi, 72.0 * 4 * width / points.height());
        const QImage image = page->renderToImage(qBound(1.0, dpi, 600.0), qBound(1.0, dpi, 600.0));
        if (!image.isNull())
            out.pages.append(image);
    }
    if (out.pages.isEmpty())
        out.error = tr("This PDF document cannot be shown.");
    return out;
}

void PdfPreview::setPath(const QString &path, const QString &password)
{
    clear();
    const quint64 generation = m_wanted->load();
    std::shared_ptr<std::atomic<quint64>> wanted = m_wanted;
    loadInBackground(
        this,
        [path, password, generation, wanted] {
            return render(path, kMaxPages, kRenderWidth, [&] { return wanted->load() == generation; }, password);
        },
        [this, generation](const Rendered &rendered) {
            if (m_wanted->load() != generation)
                return;
            if (!rendered.error.isEmpty()) {
                emit failed(rendered.error);
                return;
            }
            showPages(rendered);
            emit loaded();
        });
}

void PdfPreview::clear()
{
    ++*m_wanted;
    qDeleteAll(m_labels);
    m_labels.clear();
    m_pages.clear();
    m_pageCount = 0;
    m_note->clear();
}

void PdfPreview::showPages(const Rendered &rendered)
{
    m_pages = rendered.pages;
    m_pageCount = rendered.pageCount;
    for (qsizetype i = 0; i < m_pages.size(); ++i) {
        auto *label = new QLabel(m_column);
        label->setAlignment(Qt::AlignHCenter);
        m_layout->insertWidget(int(i), label);
        m_labels.append(label);
    }
    if (m_pageCount > m_pages.size())
        m_note->setText(tr("Showing the first %1 of %n pages.", nullptr, int(m_pageCount)).arg(m_pages.size()));
    m_fittedWidth = 0;
    fitPages();
    verticalScrollBar()->setValue(0);
}

void PdfPreview::fitPages()
{
    const int width = viewport()->width() - m_layout->contentsMargins().left() - m_layout->contentsMargins().right();
    if (width <= 0 || width == m_fittedWidth)
        return;
    m_fittedWidth = width;
    const qreal dpr = devicePixelRatioF();
    for (qsizetype i = 0; i < m_labels.size(); ++i) {
        QPixmap page = QPixmap::fromImage(
            m_pages.at(i).scaledToWidth(qRound(width * dpr), Qt::SmoothTransformation));
        page.setDevicePixelRatio(dpr);
        m_labels.at(i)->setPixmap(page);
    }
}

void PdfPreview::resizeEvent(QResizeEvent *event)
{
    QScrollArea::resizeEvent(event);
    fitPages();
}

}  // namespace sw
