// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/DesktopColorScheme.h"

#include "gui/controls/ThemeColors.h"

#include <QApplication>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QPalette>

namespace sw {

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString kGroup = QStringLiteral("org.freedesktop.appearance");
const QString kKey = QStringLiteral("color-scheme");
// A portal that does not answer must not hold up the window.
constexpr int kReadTimeoutMs = 1000;

// Read() answers a variant in a variant; SettingChanged sends one.
DesktopColorScheme::Scheme schemeOf(QVariant value)
{
    while (value.metaType() == QMetaType::fromType<QDBusVariant>())
        value = value.value<QDBusVariant>().variant();
    bool ok = false;
    const uint scheme = value.toUInt(&ok);
    if (!ok || scheme > DesktopColorScheme::PreferLight)
        return DesktopColorScheme::NoPreference;
    return DesktopColorScheme::Scheme(scheme);
}

} // namespace

DesktopColorScheme::DesktopColorScheme(const QDBusConnection &bus, QObject *parent)
    : QObject(parent), m_bus(bus)
{
}

void DesktopColorScheme::follow()
{
    if (!m_bus.isConnected())
        return;
    // The slot's argument types are looked up by name: QDBusVariant's is not
    // known before the first variant was read, and the connection fails.
    qRegisterMetaType<QDBusVariant>();
    m_bus.connect(kService, kPath, kInterface, QStringLiteral("SettingChanged"), this,
                  SLOT(settingChanged(QString,QString,QDBusVariant)));
    apply(read());
}

DesktopColorScheme::Scheme DesktopColorScheme::read() const
{
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Read"));
    call << kGroup << kKey;
    const QDBusMessage reply = m_bus.call(call, QDBus::Block, kReadTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return NoPreference;
    return schemeOf(reply.arguments().constFirst());
}

void DesktopColorScheme::settingChanged(const QString &group, const QString &key, const QDBusVariant &value)
{
    if (group == kGroup && key == kKey)
        apply(schemeOf(QVariant::fromValue(value)));
}

void DesktopColorScheme::apply(Scheme scheme)
{
    if (scheme == PreferDark) {
        if (m_darkIsOurs || ThemeColors::isDark(QGuiApplication::palette()))
            return;
        QApplication::setPalette(ThemeColors::darkPalette());
        m_darkIsOurs = true;
    } else if (m_darkIsOurs) {
        // A palette that sets no role: every role comes from Qt's own again.
        QPalette platform = ThemeColors::darkPalette();
        platform.setResolveMask(0);
        QApplication::setPalette(platform);
        m_darkIsOurs = false;
    }
}

} // namespace sw
