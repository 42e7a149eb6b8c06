// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/preview/PreviewKind.h"
#include "gui/preview/ViewerFactory.h"

#include <QWidget>

class QStackedWidget;

namespace sw {

class IconPreview;
class ImagePreview;
class TextPreview;

// One file in the viewer that suits it (kindFor()), exactly one viewer shown.
// When a viewer cannot show the file after all (a corrupt image or PDF, media
// the player cannot decode), the file's icon takes its place with a line
// saying why. The PDF viewer and the media player come from the viewers
// plugin (ViewerFactory.h), made when a first such file is shown; without the
// plugin such a file gets its icon and a line saying the plugin is missing.
class PreviewPane : public QWidget
{
    Q_OBJECT
public:
    explicit PreviewPane(QWidget *parent = nullptr);

    // type: the file's extension as the caller knows it (the group type).
    void showPath(const QString &path, const QString &type);
    // Shows nothing; stops playing.
    void clear();

    QString path() const { return m_path; }
    // The viewer on show (Icon after a fallback).
    PreviewKind kind() const { return m_kind; }
    ImagePreview *imagePreview() const { return m_image; }
    TextPreview *textPreview() const { return m_text; }
    IconPreview *iconPreview() const { return m_icon; }
    // The plugin's viewers, once made (see ViewerFactory.h for what they answer).
    QWidget *pdfViewer() const { return m_pdf; }
    QWidget *mediaViewer() const { return m_media; }

signals:
    // The viewer changed: a new file, or a fallback to the icon.
    void kindChanged(sw::PreviewKind kind);

private slots:
    void fallBack(const QString &reason);

private:
    void showViewer(PreviewKind kind, QWidget *viewer);
    // The plugin's viewer in *slot, made on first use; nullptr (after falling
    // back to the icon) when the plugin cannot be loaded.
    QWidget *pluginViewer(QWidget **slot, QWidget *(ViewerFactory::*make)(QWidget *));

    QStackedWidget *m_stack = nullptr;
    QWidget *m_empty = nullptr;
    ImagePreview *m_image = nullptr;
    QWidget *m_pdf = nullptr;
    TextPreview *m_text = nullptr;
    IconPreview *m_icon = nullptr;
    QWidget *m_media = nullptr;
    QString m_path;
    PreviewKind m_kind = PreviewKind::Icon;
};

}  // namespace sw
