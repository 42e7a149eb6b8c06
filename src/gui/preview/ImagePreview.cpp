// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/preview/ImagePreview.h"

#include "gui/preview/BackgroundLoad.h"

#include <QImageReader>
#include <QPainter>

namespace sw {

ImagePreview::ImagePreview(QWidget *parent) : QWidget(parent)
{
    setMinimumSize(120, 120);
}

QImage ImagePreview::decode(const QString &path, int maxSide, QString *error)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    // The reader's allocation limit (256 MB by default) already refuses
    // decompression bombs; scaling while decoding keeps big photos cheap.
    const QSize size = reader.size();
    // One-bit images (a one-colour PNG is one) come out as black and white
    // noise when scaled, while decoding or after: they are decoded whole and
    // given true colour before anything scales them.
    const bool oneBit = reader.imageFormat() == QImage::Format_Mono || reader.imageFormat() == QImage::Format_MonoLSB;
    if (!oneBit && size.isValid() && (size.width() > maxSide || size.height() > maxSide))
        reader.setScaledSize(size.scaled(maxSide, maxSide, Qt::KeepAspectRatio));
    QImage image = reader.read();
    if (image.isNull() && error)
        *error = reader.errorString();
    if (image.format() == QImage::Format_Mono || image.format() == QImage::Format_MonoLSB)
        image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                              : QImage::Format_RGB32);
    // Formats that cannot scale while decoding, or tell no size beforehand.
    if (image.width() > maxSide || image.height() > maxSide)
        image = image.scaled(maxSide, maxSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return image;
}

void ImagePreview::setPath(const QString &path)
{
    const quint64 generation = ++m_generation;
    m_image = QImage();
    m_scaled = QPixmap();
    m_loading = true;
    update();
    loadInBackground(
        this, [path] { return decode(path, kMaxSide); },
        [this, generation](const QImage &image) {
            if (generation != m_generation)
                return;  // another file was asked for meanwhile
            m_loading = false;
            m_image = image;
            m_scaled = QPixmap();
            update();
            if (image.isNull())
                emit failed(tr("This image cannot be shown."));
            else
                emit loaded();
        });
}

void ImagePreview::clear()
{
    ++m_generation;
    m_loading = false;
    m_image = QImage();
    m_scaled = QPixmap();
    update();
}

void ImagePreview::paintEvent(QPaintEvent *)
{
    if (m_image.isNull())
        return;
    // Fit inside the widget, never enlarged beyond the image's own size.
    const QRect area = rect().adjusted(12, 12, -12, -12);
    QSize shown = m_image.deviceIndependentSize().toSize();
    if (shown.width() > area.width() || shown.height() > area.height())
        shown.scale(area.size(), Qt::KeepAspectRatio);
    QRect target(QPoint(0, 0), shown);
    target.moveCenter(area.center());
    // Scaled once per size: smooth scaling of a large image on every paint
    // would make resizing sluggish.
    const QSize device = shown * devicePixelRatioF();
    if (m_scaled.size() != device) {
        m_scaled = QPixmap::fromImage(m_image.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        m_scaled.setDevicePixelRatio(devicePixelRatioF());
    }
    QPainter painter(this);
    painter.drawPixmap(target, m_scaled);
}

}  // namespace sw
