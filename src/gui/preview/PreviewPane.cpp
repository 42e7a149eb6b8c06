// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/preview/PreviewPane.h"

#include "gui/preview/IconPreview.h"
#include "gui/preview/ImagePreview.h"
#include "gui/preview/TextPreview.h"

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
    m_text = new TextPreview(m_stack);
    m_icon = new IconPreview(m_stack);
    for (QWidget *viewer : {m_empty, static_cast<QWidget *>(m_image), static_cast<QWidget *>(m_text),
                            static_cast<QWidget *>(m_icon)})
        m_stack->addWidget(viewer);
    column->addWidget(m_stack);
    connect(m_image, &ImagePreview::failed, this, &PreviewPane::fallBack);
}

QWidget *PreviewPane::pluginViewer(QWidget **slot, QWidget *(ViewerFactory::*make)(QWidget *))
{
    if (*slot)
        return *slot;
    QString error;
    ViewerFactory *factory = viewerFactory(&error);
    if (!factory) {
        qWarning("Cannot load the viewers plugin: %s", qUtf8Printable(error));
        fallBack(tr("This file cannot be shown: the viewers plugin is missing or broken."));
        return nullptr;
    }
    *slot = (factory->*make)(m_stack);
    m_stack->addWidget(*slot);
    // By name: the plugin's classes are its own (see ViewerFactory.h).
    connect(*slot, SIGNAL(failed(QString)), this, SLOT(fallBack(QString)));
    return *slot;
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
        if (pluginViewer(&m_pdf, &ViewerFactory::makePdfViewer)) {
            QMetaObject::invokeMethod(m_pdf, "setPath", Q_ARG(QString, path));
            showViewer(PreviewKind::Pdf, m_pdf);
        }
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
        if (pluginViewer(&m_media, &ViewerFactory::makeMediaViewer)) {
            QMetaObject::invokeMethod(m_media, "setPath", Q_ARG(QString, path));
            showViewer(PreviewKind::Media, m_media);
            QMetaObject::invokeMethod(m_media, "play");
        }
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
    if (m_pdf)
        QMetaObject::invokeMethod(m_pdf, "clear");
    m_text->clear();
    if (m_media)
        QMetaObject::invokeMethod(m_media, "stop");
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
