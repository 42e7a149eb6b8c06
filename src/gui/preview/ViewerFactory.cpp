// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/preview/ViewerFactory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>
#include <QStringList>

namespace sw {

namespace {

constexpr const char *kPluginFile = "sweepwright-viewers.so";

QStringList pluginFolders()
{
    const QString chosen = qEnvironmentVariable("SWEEPWRIGHT_PLUGIN_DIR");
    if (!chosen.isEmpty())
        return {chosen};
    // The installed library folder, found from the program's own folder, so
    // an installed tree may move and no builder's path is compiled in.
    return {QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/" SW_VIEWERS_DIR_FROM_BIN))};
}

}  // namespace

ViewerFactory *viewerFactory(QString *error)
{
    static ViewerFactory *loaded = nullptr;
    if (loaded)
        return loaded;
    QStringList problems;
    for (const QString &folder : pluginFolders()) {
        const QString file = QDir(folder).filePath(QString::fromLatin1(kPluginFile));
        if (!QFileInfo(file).isFile())
            continue;
        auto *loader = new QPluginLoader(file);
        // Its widgets may outlive the loader, so the library is never unloaded,
        // not even by Qt's clean-up at exit.
        loader->setLoadHints(QLibrary::PreventUnloadHint);
        if (auto *factory = qobject_cast<ViewerFactory *>(loader->instance())) {
            loaded = factory;  // the loader is kept with it, for the life of the process
            return loaded;
        }
        problems << loader->errorString();
        delete loader;
    }
    if (error) {
        *error = problems.isEmpty()
                     ? QCoreApplication::translate("sw::ViewerFactory", "%1 was not found in %2.")
                           .arg(QString::fromLatin1(kPluginFile), pluginFolders().join(QStringLiteral(", ")))
                     : problems.join(QLatin1Char('\n'));
    }
    return nullptr;
}

}  // namespace sw
