// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/foundation/Translations.h"
#include "core/platform/ORLayout.h"
#include "core/winmail/ORFileDataCollection.h"
#include "gui/app/AppDelegate.h"
#include "gui/app/CommandLine.h"
#include "gui/app/DesktopColorScheme.h"
#include "gui/app/SingleInstance.h"
#include "gui/shell/PortalFileDialogs.h"

#include <QApplication>
#include <QThreadPool>

int main(int argc, char *argv[])
{
    sw::PortalFileDialogs::choose();  // must precede the application object
    if (const auto status = CommandLine::answerAlone(argc, argv))
        return *status;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(sw::kAppName));
    QApplication::setApplicationDisplayName(QString::fromLatin1(sw::kAppName));
    QApplication::setDesktopFileName(QString::fromLatin1(sw::kAppId));
    QApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION));
    sw::Translations::install();

    CommandLine commandLine;
    if (const auto status = commandLine.apply(app))
        return *status;

    sw::SingleInstance instance(QString::fromLatin1(sw::kAppId));
    if (instance.notifyRunningInstance(commandLine.openResult()))
        return 0;  // the running Sweepwright brings its window forward and opens the result
    instance.listen();
    // What archives a killed run extracted (decrypted ones too) goes now.
    QThreadPool::globalInstance()->start([] { ORFileDataCollection::removeAbandonedExtractions(); });

    // Before the window is made, so it opens in the desktop's light or dark.
    sw::DesktopColorScheme colorScheme(QDBusConnection::sessionBus());
    colorScheme.follow();

    AppDelegate delegate;
    QObject::connect(&instance, &sw::SingleInstance::showRequested, &delegate,
                     [&delegate] { delegate.applicationShouldHandleReopen(false); });
    QObject::connect(&instance, &sw::SingleInstance::openResultRequested, &delegate, &AppDelegate::openSavedResult);
    delegate.applicationDidFinishLaunching();
    delegate.openSavedResult(commandLine.openResult());
    return app.exec();
}
