// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/preview/ViewerFactory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

namespace sw {

namespace {

constexpr const char *kPluginFile = "sweepwright-viewers.so";

QString pluginFolder()
{
    const QString chosen = qEnvironmentVariable("SWEEPWRIGHT_PLUGIN_DIR");
    if (!chosen.isEmpty())
        return chosen;
    // The installed library folder, found from the program's own folder, so
    // an installed tree may move and no builder's path is compiled in.
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/" SW_VIEWERS_DIR_FROM_BIN));
}

}  // namespace

ViewerFactory *viewerFactory(QString *error)
{
    static ViewerFactory *loaded = nullptr;
    if (loaded)
        return loaded;
    const QString folder = pluginFolder();
    const QString file = QDir(folder).filePath(QString::fromLatin1(kPluginFile));
    if (!QFileInfo(file).isFile()) {
        if (error)
            *error = QCoreApplication::translate("sw::ViewerFactory", "%1 was not found in %2.")
                         .arg(QString::fromLatin1(kPluginFile), folder);
        return nullptr;
    }
    auto *loader = new QPluginLoader(file);
    // Its widgets may outlive the loader, so the library is never unloaded,
    // not even by Qt's clean-up at exit.
    loader->setLoadHints(QLibrary::PreventUnloadHint);
    if (auto *factory = qobject_cast<ViewerFactory *>(loader->instance())) {
        loaded = factory;  // the loader is kept with it, for the life of the process
        return loaded;
    }
    if (error)
        *error = loader->errorString();
    delete loader;
    return nullptr;
}

}  // namespace sw
