// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/preview/Thumbnails.h"

#include "core/foundation/ORUtility.h"
#include "gui/preview/BackgroundLoad.h"
#include "gui/preview/FileIcon.h"
#include "gui/preview/ImagePreview.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPixmap>

namespace sw {

Thumbnails::Thumbnails(QObject *parent) : QObject(parent) {}

Thumbnails &Thumbnails::instance()
{
    static Thumbnails *thumbnails = new Thumbnails(QCoreApplication::instance());
    return *thumbnails;
}

QImage Thumbnails::thumbnail(const QString &path)
{
    if (const QImage *cached = m_cache.object(path))
        return *cached;
    if (m_pending.contains(path) || m_failed.contains(path))
        return QImage();
    m_pending.insert(path);
    loadInBackground(
        this, [path] { return ImagePreview::decode(path, kSide); },
        [this, path](const QImage &image) {
            m_pending.remove(path);
            if (image.isNull()) {
                m_failed.insert(path);
                return;
            }
            m_cache.insert(path, new QImage(image), qMax<qsizetype>(1, image.sizeInBytes()));
            emit ready(path);
        });
    return QImage();
}

QIcon Thumbnails::icon(const QString &path)
{
    if (ORUtility::isImageFile(path) && QFileInfo(path).isFile()) {
        const QImage image = thumbnail(path);
        if (!image.isNull())
            return QIcon(QPixmap::fromImage(image));
    }
    return FileIcon::forPath(path);
}

}  // namespace sw
