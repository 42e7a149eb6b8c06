// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtPlugin>

class QWidget;

namespace sw {

// The viewers that need big libraries (media playback, PDF rendering) and the
// PDF compressor live in a plugin, loaded the first time one of them is
// wanted, so the main window never waits for those libraries.
//
// The plugin carries its own copy of our static libraries, so no class of
// ours crosses the boundary: what it makes are plain widgets, driven through
// Qt's meta-object system by name.
//   PDF viewer:   setPath(QString), clear(); signals loaded(), failed(QString);
//                 properties pageCount, shownPages.
//   Media viewer: setPath(QString), play(), stop(); signal failed(QString).
//   Compressor:   a top-level window named "pdfWindow", deleted when closed.
// It also tells the version of the poppler library it runs on.
class ViewerFactory
{
public:
    virtual ~ViewerFactory() = default;
    virtual QWidget *makePdfViewer(QWidget *parent) = 0;
    virtual QWidget *makeMediaViewer(QWidget *parent) = 0;
    virtual QWidget *makePdfCompressorWindow() = 0;
    virtual QString popplerVersion() = 0;
};

// The plugin's factory, loaded on the first call. Looks in the folder named
// by SWEEPWRIGHT_PLUGIN_DIR when that is set (the build tree sets it for its
// tests and `make run`), else in the installed LIBDIR/sweepwright only. A failed load is tried
// again at the next call; it returns nullptr with the reason in *error.
ViewerFactory *viewerFactory(QString *error = nullptr);

}  // namespace sw

#define SW_VIEWER_FACTORY_IID "org.sweepwright.ViewerFactory/2"
Q_DECLARE_INTERFACE(sw::ViewerFactory, SW_VIEWER_FACTORY_IID)
