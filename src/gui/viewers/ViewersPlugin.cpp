// SPDX-License-Identifier: GPL-3.0-or-later
// The plugin that holds the media player, the PDF viewer and the PDF
// compressor, with the libraries they need (see ViewerFactory.h).

#include "gui/pdf/ORPdfWindowCter.h"
#include "gui/preview/MediaPreview.h"
#include "gui/preview/PdfPreview.h"
#include "gui/preview/ViewerFactory.h"

#include <QObject>

#include <poppler-version.h>

namespace sw {

class ViewersPlugin : public QObject, public ViewerFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID SW_VIEWER_FACTORY_IID)
    Q_INTERFACES(sw::ViewerFactory)

public:
    QWidget *makePdfViewer(QWidget *parent) override { return new PdfPreview(parent); }
    QWidget *makeMediaViewer(QWidget *parent) override { return new MediaPreview(parent); }
    QWidget *makePdfCompressorWindow() override { return new ORPdfWindowCter(); }
    QString popplerVersion() override { return Poppler::Version::string(); }
};

}  // namespace sw

#include "ViewersPlugin.moc"
