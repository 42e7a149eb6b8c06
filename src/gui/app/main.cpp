#include "core/foundation/Translations.h"
#include "core/platform/ORLayout.h"
#include "core/winmail/ORFileDataCollection.h"
#include "gui/app/AppDelegate.h"
#include "gui/app/SingleInstance.h"
#include "gui/shell/PortalFileDialogs.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTextStream>
#include <QThreadPool>

int main(int argc, char *argv[])
{
    sw::PortalFileDialogs::choose();  // must precede the application object
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(sw::kAppName));
    QApplication::setApplicationDisplayName(QString::fromLatin1(sw::kAppName));
    QApplication::setDesktopFileName(QString::fromLatin1(sw::kAppId));
    QApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION));
    sw::Translations::install();

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Sweepwright, the desktop maintenance utility."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({QStringLiteral("layout"), QStringLiteral("Where to look: freedesktop or macos."),
                      QStringLiteral("L")});
    parser.addOption({QStringLiteral("root"), QStringLiteral("The root the system folders are under."),
                      QStringLiteral("R")});
    parser.addOption({QStringLiteral("home"), QStringLiteral("The home folder to look in."), QStringLiteral("H")});
    parser.process(app);

    if (const QString error = ORLayout::configure(app.arguments()); !error.isEmpty()) {
        QTextStream(stderr) << "sweepwright: " << error << '\n';
        return 2;
    }

    sw::SingleInstance instance(QString::fromLatin1(sw::kAppId));
    if (instance.notifyRunningInstance())
        return 0;  // the running Sweepwright brings its window forward
    instance.listen();
    // What archives a killed run extracted (decrypted ones too) goes now.
    QThreadPool::globalInstance()->start([] { ORFileDataCollection::removeAbandonedExtractions(); });

    AppDelegate delegate;
    QObject::connect(&instance, &sw::SingleInstance::showRequested, &delegate,
                     [&delegate] { delegate.applicationShouldHandleReopen(false); });
    delegate.applicationDidFinishLaunching();
    return app.exec();
}
