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
    QStringList folders{QCoreApplication::applicationDirPath()};
#ifdef SW_VIEWERS_BUILD_DIR
    folders << QStringLiteral(SW_VIEWERS_BUILD_DIR);
#endif
#ifdef SW_VIEWERS_INSTALL_DIR
    folders << QStringLiteral(SW_VIEWERS_INSTALL_DIR);
#endif
    folders.removeDuplicates();
    return folders;
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
