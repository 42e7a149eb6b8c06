// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/preview/FileIcon.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QMimeDatabase>
#include <QStandardPaths>
#include <QStyle>

namespace sw::FileIcon {

namespace {

bool drawable(const QIcon &icon)
{
    return !icon.isNull() && !icon.pixmap(QSize(32, 32)).isNull();
}

}  // namespace

// Without a desktop's platform theme (offscreen, a bare X server) Qt names no
// icon theme and finds no type icons: fall back on an installed freedesktop
// theme.
void ensureIconTheme()
{
    static const bool done = [] {
        QStringList roots = QIcon::themeSearchPaths();
        for (const QString &data :
             QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, QStringLiteral("icons"),
                                       QStandardPaths::LocateDirectory))
            if (!roots.contains(data))
                roots.append(data);
        QIcon::setThemeSearchPaths(roots);
        for (const char *theme : {"Adwaita", "breeze", "hicolor"}) {
            const QString name = QString::fromLatin1(theme);
            for (const QString &root : QIcon::themeSearchPaths())
                if (QFileInfo::exists(root + QLatin1Char('/') + name + QLatin1String("/index.theme"))) {
                    QIcon::setFallbackThemeName(name);
                    if (QIcon::themeName().isEmpty() || QIcon::themeName() == QLatin1String("hicolor"))
                        QIcon::setThemeName(name);
                    return true;
                }
        }
        return false;
    }();
    Q_UNUSED(done);
}

namespace {

bool isOneOf(const QMimeType &type, std::initializer_list<const char *> names)
{
    for (const char *name : names)
        if (type.inherits(QString::fromLatin1(name)))
            return true;
    return false;
}

QIcon lookUp(const QMimeType &type)
{
    ensureIconTheme();
    for (const QString &name : {type.iconName(), type.genericIconName()})
        if (QIcon icon = QIcon::fromTheme(name); drawable(icon))
            return icon;
    if (const QString own = QStringLiteral(":/images/%1.svg").arg(fallbackName(type)); QFileInfo::exists(own))
        return QIcon(own);
    return QApplication::style()->standardIcon(QStyle::SP_FileIcon);
}

}  // namespace

QString fallbackName(const QMimeType &type)
{
    const QString name = type.name();
    QString family = QStringLiteral("generic");
    if (name.startsWith(QLatin1String("audio/")))
        family = QStringLiteral("audio");
    else if (name.startsWith(QLatin1String("video/")))
        family = QStringLiteral("video");
    else if (name.startsWith(QLatin1String("image/")))
        family = QStringLiteral("image");
    else if (isOneOf(type, {"application/pdf", "application/postscript", "application/msword",
                            "application/vnd.oasis.opendocument.text", "application/rtf", "application/epub+zip",
                            "application/vnd.openxmlformats-officedocument.wordprocessingml.document"}))
        family = QStringLiteral("document");
    else if (isOneOf(type, {"application/zip", "application/x-archive", "application/x-tar", "application/x-7z-compressed",
                            "application/vnd.rar", "application/x-rpm", "application/x-compressed-tar",
                            "application/gzip", "application/x-xz", "application/x-bzip2", "application/zstd",
                            "application/vnd.debian.binary-package", "application/x-cd-image"}))
        family = QStringLiteral("archive");
    else if (type.inherits(QStringLiteral("text/plain")))
        family = QStringLiteral("text");
    return QStringLiteral("sw_mime_") + family;
}

QIcon forPath(const QString &path)
{
    static const QMimeDatabase mimeDatabase;
    static QHash<QString, QString> typeBySuffix;
    static QHash<QString, QIcon> byType;
    const QFileInfo info(path);
    if (info.isDir())
        return QApplication::style()->standardIcon(QStyle::SP_DirIcon);
    // The type by name only: a row must not read its file to be painted.
    const QString suffix = info.suffix().toLower();
    auto typeName = typeBySuffix.constFind(suffix);
    if (typeName == typeBySuffix.constEnd())
        typeName = typeBySuffix.insert(suffix, mimeDatabase.mimeTypeForFile(info, QMimeDatabase::MatchExtension).name());
    auto found = byType.constFind(*typeName);
    if (found == byType.constEnd())
        found = byType.insert(*typeName, lookUp(mimeDatabase.mimeTypeForName(*typeName)));
    return *found;
}

}  // namespace sw::FileIcon
