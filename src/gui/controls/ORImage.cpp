// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/controls/ORImage.h"

#include "gui/controls/ThemeColors.h"

#include <QFile>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

#include <optional>

namespace sw {

QString ORImage::path(const QString &name)
{
    return QStringLiteral(":/images/%1.svg").arg(name);
}

bool ORImage::exists(const QString &name)
{
    // Names are plain file names: nothing may reach outside the image folder.
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && QFile::exists(path(name));
}

QIcon ORImage::icon(const QString &name)
{
    if (!exists(name))
        return QIcon();
    return QIcon(path(name));
}

QImage ORImage::render(const QString &name, QSize size, qreal dpr)
{
    if (!exists(name) || size.isEmpty() || dpr <= 0)
        return QImage();
    QSvgRenderer renderer(path(name));
    if (!renderer.isValid())
        return QImage();
    QImage image(size * dpr, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(image.size())));
    painter.end();
    image.setDevicePixelRatio(dpr);
    return image;
}

// Antialiased edges keep the colour; only their alpha differs.
bool ORImage::isGlyph(const QImage &image)
{
    const QImage plain = image.convertToFormat(QImage::Format_ARGB32);
    std::optional<QRgb> only;
    const auto near = [](int a, int b) { return qAbs(a - b) <= 2; };
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x) {
            const QRgb pixel = plain.pixel(x, y);
            if (qAlpha(pixel) < 128)
                continue;
            if (!only)
                only = pixel;
            else if (!near(qRed(pixel), qRed(*only)) || !near(qGreen(pixel), qGreen(*only)) ||
                     !near(qBlue(pixel), qBlue(*only)))
                return false;
        }
    return only.has_value();
}

QPixmap ORImage::pixmap(const QString &name, QSize size, qreal dpr)
{
    const QColor glyph = ThemeColors::of(ThemeColors::ImageGlyph);
    const QString key = QStringLiteral("sw-image:%1:%2x%3@%4:%5")
                            .arg(name)
                            .arg(size.width())
                            .arg(size.height())
                            .arg(dpr)
                            .arg(glyph.name());
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    QImage image = render(name, size, dpr);
    if (image.isNull())
        return QPixmap();
    if (isGlyph(image))
        image = tinted(image, glyph);
    pixmap = QPixmap::fromImage(image);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

QImage ORImage::tinted(const QString &name, QSize size, const QColor &color, qreal dpr)
{
    return tinted(render(name, size, dpr), color);
}

QImage ORImage::tinted(const QImage &image, const QColor &color)
{
    if (image.isNull())
        return QImage();
    QImage result = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&result);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(result.rect(), color);
    painter.end();
    result.setDevicePixelRatio(image.devicePixelRatio());
    return result;
}

} // namespace sw
