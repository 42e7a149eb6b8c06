#pragma once

#include "PreviewKind.h"

#include <QWidget>

class QStackedWidget;

namespace sw {

class IconPreview;
class ImagePreview;
class MediaPreview;
class PdfPreview;
class TextPreview;

// One file in the viewer that suits it (kindFor()), exactly one viewer shown.
// When a viewer cannot show the file after all (a corrupt image or PDF, media
// the player cannot decode), the file's icon takes its place with a line
// saying why. The media player is made only when a first media file is shown.
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
    PdfPreview *pdfPreview() const { return m_pdf; }
    TextPreview *textPreview() const { return m_text; }
    IconPreview *iconPreview() const { return m_icon; }
    MediaPreview *mediaPreview() const { return m_media; }

signals:
    // The viewer changed: a new file, or a fallback to the icon.
    void kindChanged(sw::PreviewKind kind);

private:
    void showViewer(PreviewKind kind, QWidget *viewer);
    void fallBack(const QString &reason);
    MediaPreview *media();

    QStackedWidget *m_stack = nullptr;
    QWidget *m_empty = nullptr;
    ImagePreview *m_image = nullptr;
    PdfPreview *m_pdf = nullptr;
    TextPreview *m_text = nullptr;
    IconPreview *m_icon = nullptr;
    MediaPreview *m_media = nullptr;
    QString m_path;
    PreviewKind m_kind = PreviewKind::Icon;
};

}  // namespace sw
