#include "PreviewPane.h"

#include "IconPreview.h"
#include "ImagePreview.h"
#include "MediaPreview.h"
#include "PdfPreview.h"
#include "TextPreview.h"

#include <QStackedWidget>
#include <QVBoxLayout>

namespace sw {

PreviewPane::PreviewPane(QWidget *parent) : QWidget(parent)
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    m_stack = new QStackedWidget(this);
    m_empty = new QWidget(m_stack);
    m_image = new ImagePreview(m_stack);
    m_pdf = new PdfPreview(m_stack);
    m_text = new TextPreview(m_stack);
    m_icon = new IconPreview(m_stack);
    for (QWidget *viewer : {m_empty, static_cast<QWidget *>(m_image), static_cast<QWidget *>(m_pdf),
                            static_cast<QWidget *>(m_text), static_cast<QWidget *>(m_icon)})
        m_stack->addWidget(viewer);
    column->addWidget(m_stack);
    connect(m_image, &ImagePreview::failed, this, &PreviewPane::fallBack);
    connect(m_pdf, &PdfPreview::failed, this, &PreviewPane::fallBack);
}

MediaPreview *PreviewPane::media()
{
    if (!m_media) {
        m_media = new MediaPreview(m_stack);
        m_stack->addWidget(m_media);
        connect(m_media, &MediaPreview::failed, this, &PreviewPane::fallBack);
    }
    return m_media;
}

void PreviewPane::showPath(const QString &path, const QString &type)
{
    clear();
    m_path = path;
    switch (kindFor(path, type)) {
    case PreviewKind::Image:
        m_image->setPath(path);
        showViewer(PreviewKind::Image, m_image);
        break;
    case PreviewKind::Pdf:
        m_pdf->setPath(path);
        showViewer(PreviewKind::Pdf, m_pdf);
        break;
    case PreviewKind::Text:
        // The file may have changed since it was judged to be text.
        if (!m_text->setPath(path)) {
            fallBack(QString());
            break;
        }
        showViewer(PreviewKind::Text, m_text);
        break;
    case PreviewKind::Media:
        media()->setPath(path);
        showViewer(PreviewKind::Media, m_media);
        m_media->play();
        break;
    case PreviewKind::Icon:
        fallBack(QString());
        break;
    }
}

void PreviewPane::clear()
{
    m_path.clear();
    m_image->clear();
    m_pdf->clear();
    m_text->clear();
    if (m_media)
        m_media->stop();
    m_stack->setCurrentWidget(m_empty);
}

void PreviewPane::showViewer(PreviewKind kind, QWidget *viewer)
{
    m_kind = kind;
    m_stack->setCurrentWidget(viewer);
    emit kindChanged(kind);
}

void PreviewPane::fallBack(const QString &reason)
{
    if (m_path.isEmpty())
        return;
    m_icon->setPath(m_path, reason);
    showViewer(PreviewKind::Icon, m_icon);
}

}  // namespace sw
