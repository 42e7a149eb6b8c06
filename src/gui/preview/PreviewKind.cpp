// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/preview/PreviewKind.h"

#include "core/foundation/ORUtility.h"
#include "gui/preview/MediaFormats.h"
#include "gui/preview/Utf8Text.h"

#include <QFileInfo>

namespace sw {

PreviewKind kindFor(const QString &path, const QString &type)
{
    if (!QFileInfo(path).isFile())
        return PreviewKind::Icon;
    if (ORUtility::isImageFile(path))
        return PreviewKind::Image;
    if (type.compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0)
        return PreviewKind::Pdf;
    if (Utf8Text::read(path))
        return PreviewKind::Text;
    if (MediaFormats::isPlayable(type))
        return PreviewKind::Media;
    return PreviewKind::Icon;
}

}  // namespace sw
