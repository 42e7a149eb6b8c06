// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCache>
#include <QIcon>
#include <QImage>
#include <QObject>
#include <QSet>

namespace sw {

// Small pictures of image files for table rows, decoded off the main thread
// and kept in a bounded cache. Main thread only.
class Thumbnails : public QObject
{
    Q_OBJECT
public:
    static constexpr int kSide = 64;  // pixels; rows draw them at 30 to 40 points

    static Thumbnails &instance();

    // The picture of the image file at path fitted into kSide x kSide, or a
    // null image while it is being decoded (the first ask starts that; ready()
    // follows) and for a file that cannot be decoded.
    QImage thumbnail(const QString &path);
    // What a row shows for a file: the picture itself for an image file once
    // it is decoded, else the file's icon.
    QIcon icon(const QString &path);

signals:
    void ready(const QString &path);

private:
    explicit Thumbnails(QObject *parent);

    QCache<QString, QImage> m_cache{16 * 1024 * 1024};  // cost: bytes
    QSet<QString> m_pending;
    QSet<QString> m_failed;
};

}  // namespace sw
