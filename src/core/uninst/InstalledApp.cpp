// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/uninst/InstalledApp.h"

#include <QCoreApplication>

namespace sw {

QString sourceName(InstalledApp::Source source)
{
    switch (source) {
    case InstalledApp::Source::MacBundle:
        return QCoreApplication::translate("InstalledApp", "application bundle");
    case InstalledApp::Source::AppImage:
        return QCoreApplication::translate("InstalledApp", "AppImage");
    case InstalledApp::Source::Home:
        return QCoreApplication::translate("InstalledApp", "application in the home");
    case InstalledApp::Source::Flatpak:
        return QCoreApplication::translate("InstalledApp", "Flatpak");
    case InstalledApp::Source::Debian:
        return QCoreApplication::translate("InstalledApp", "Debian package");
    }
    return {};
}

}  // namespace sw
