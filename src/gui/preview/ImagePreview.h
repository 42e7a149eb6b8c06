// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace sw {

// An image file scaled to fit, turned upright by its EXIF orientation. The
// file is decoded off the main thread, already reduced to at most
// kMaxSide pixels a side where the format allows.
class ImagePreview : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kMaxSide = 4096;

    explicit ImagePreview(QWidget *parent = nullptr);

    void setPath(const QString &path);
    void clear();
    const QImage &image() const { return m_image; }
    bool isLoading() const { return m_loading; }

    // The decoded image, null with an error text when the file cannot be read.
    static QImage decode(const QString &path, int maxSide, QString *error = nullptr);

signals:
    void loaded();
    void failed(const QString &reason);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_image;
    QPixmap m_scaled;  // m_image at the size last painted
    quint64 m_generation = 0;
    bool m_loading = false;
};

}  // namespace sw
