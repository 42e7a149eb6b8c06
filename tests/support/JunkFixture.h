// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/foundation/ORPrefConfig.h"
#include "core/platform/ORLayout.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// A freedesktop home with a few junk categories filled, and a private
// settings file whose switches the tests set.
class JunkFixture
{
public:
    JunkFixture()
    {
        ORLayout::set(ORLayout::Kind::Freedesktop, path(QStringLiteral("root")), path(QStringLiteral("home")));
        ORPrefConfig::setStorePath(path(QStringLiteral("settings.conf")));
        for (const auto &[key, value] : ORPrefConfig::startupValues())
            ORPrefConfig::setObject(key, value);
        write(QStringLiteral("home/.cache/app-one/blob.bin"), 3000);
        write(QStringLiteral("home/.cache/app-two/data.bin"), 5000);
        write(QStringLiteral("home/.local/share/Trash/files/old.txt"), 700);
        write(QStringLiteral("home/.local/share/Trash/info/old.txt.trashinfo"), 40);
        write(QStringLiteral("home/Downloads/setup.iso"), 9000);
        QDir().mkpath(path(QStringLiteral("root/var/cache")));
        QDir().mkpath(path(QStringLiteral("root/var/log")));
    }

    QString path(const QString &rel) const { return m_dir.path() + QLatin1Char('/') + rel; }
    bool exists(const QString &rel) const { return QFileInfo::exists(path(rel)); }

    void write(const QString &rel, int size) const
    {
        const QString full = path(rel);
        QDir().mkpath(QFileInfo(full).path());
        QFile file(full);
        if (file.open(QIODevice::WriteOnly))
            file.write(QByteArray(size, 'x'));
    }

    void setAllSwitches(bool on) const
    {
        for (const auto &[key, value] : ORPrefConfig::startupValues())
            if (value.typeId() == QMetaType::Bool && key != QLatin1String("autostart")
                && key != QLatin1String("automemory"))
                ORPrefConfig::setObject(key, on);
    }

private:
    QTemporaryDir m_dir;
};
