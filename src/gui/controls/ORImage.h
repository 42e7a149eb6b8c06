// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace sw {

// The application's images by name: ":/images/<name>.svg" from the compiled-in
// resources. A name without an image gives a null icon, pixmap or image, which
// every caller draws as nothing.
class ORImage
{
public:
    static bool exists(const QString &name);
    static QIcon icon(const QString &name);
    // Rendered at size x dpr device pixels and tagged with dpr; cached. An
    // image drawn in one colour (a glyph, drawn for a light ground) comes in
    // the palette's glyph colour, so it shows on a dark ground too.
    static QPixmap pixmap(const QString &name, QSize size, qreal dpr = 1);
    // The image's shape filled with one colour (its alpha kept): how glyphs
    // take the colour of the control that shows them.
    static QImage tinted(const QString &name, QSize size, const QColor &color, qreal dpr = 1);
    // The same for an image already at hand.
    static QImage tinted(const QImage &image, const QColor &color);

private:
    static QString path(const QString &name);
    static QImage render(const QString &name, QSize size, qreal dpr);
    static bool isGlyph(const QImage &image);
};

} // namespace sw

using sw::ORImage;
