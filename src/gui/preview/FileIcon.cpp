#include "FileIcon.h"

#include <QApplication>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QHash>
#include <QMimeDatabase>
#include <QStyle>

namespace sw::FileIcon {

namespace {

bool drawable(const QIcon &icon)
{
    return !icon.isNull() && !icon.pixmap(QSize(32, 32)).isNull();
}

QIcon lookUp(const QFileInfo &info)
{
    static const QFileIconProvider provider;
    static const QMimeDatabase mimeDatabase;
    if (QIcon icon = provider.icon(info); drawable(icon))
        return icon;
    // Without a platform theme the provider knows no file types; the mime
    // database still names the theme icons.
    const QMimeType type = mimeDatabase.mimeTypeForFile(info, QMimeDatabase::MatchExtension);
    for (const QString &name : {type.iconName(), type.genericIconName()})
        if (QIcon icon = QIcon::fromTheme(name); drawable(icon))
            return icon;
    return QApplication::style()->standardIcon(info.isDir() ? QStyle::SP_DirIcon : QStyle::SP_FileIcon);
}

}  // namespace

QIcon forPath(const QString &path)
{
    // Rows ask on every paint; the icon depends on the type only.
    static QHash<QString, QIcon> byType;
    const QFileInfo info(path);
    const QString key = (info.isDir() ? QStringLiteral("/") : QString()) + info.suffix().toLower();
    auto found = byType.constFind(key);
    if (found == byType.constEnd())
        found = byType.insert(key, lookUp(info));
    return *found;
}

}  // namespace sw::FileIcon
