// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QObject>

class QDBusVariant;

namespace sw {

// Follows the desktop's light or dark choice where Qt does not: Qt 6.4
// without a platform theme of the desktop's (GNOME's usual case) gives the
// program a light palette whatever the user chose. The choice is read from
// the settings portal (org.freedesktop.appearance color-scheme: 0 none,
// 1 dark, 2 light) and followed through its SettingChanged signal. When it
// asks for dark and the palette Qt gave is light, the application takes
// ThemeColors::darkPalette(); when it turns back, Qt's own palette again. A
// dark palette Qt already gave is left alone, and so is everything when no
// portal answers.
class DesktopColorScheme : public QObject
{
    Q_OBJECT

public:
    enum Scheme { NoPreference = 0, PreferDark = 1, PreferLight = 2 };

    explicit DesktopColorScheme(const QDBusConnection &bus, QObject *parent = nullptr);

    // Reads the desktop's choice, applies it, and listens for changes.
    void follow();

private slots:
    void settingChanged(const QString &group, const QString &key, const QDBusVariant &value);

private:
    Scheme read() const;
    void apply(Scheme scheme);

    QDBusConnection m_bus;
    bool m_darkIsOurs = false;
};

} // namespace sw
