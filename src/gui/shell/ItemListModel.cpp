// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/shell/ItemListModel.h"

#include "gui/controls/ORImage.h"
#include "gui/preview/FileIcon.h"

#include <QDir>

namespace sw {

qsizetype ItemListModel::itemIndex(int row) const
{
    return row >= 0 && row < m_listed.size() ? m_listed.at(row) : -1;
}

void ItemListModel::refresh()
{
    if (rowCount() > 0)
        emit dataChanged(index(0), index(rowCount() - 1));
}

int ItemListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_listed.size());
}

void ItemListModel::setListed(QList<qsizetype> listed)
{
    beginResetModel();
    m_listed = std::move(listed);
    endResetModel();
}

QString ItemListModel::iconNameForPath(const QString &path)
{
    if (path.contains(QLatin1String("Safari")))
        return QStringLiteral("or_safari_blue");
    if (path.contains(QLatin1String("Chrome")) || path.contains(QLatin1String("google-chrome"))
        || path.contains(QLatin1String("chromium")))
        return QStringLiteral("or_chrom_blue");
    if (path.contains(QLatin1String("Firefox")) || path.contains(QLatin1String("firefox")))
        return QStringLiteral("or_firefox_blue");
    return QString();
}

QIcon ItemListModel::iconForPath(const QString &path)
{
    const QString named = iconNameForPath(path);
    if (!named.isEmpty())
        return ORImage::icon(named);
    return FileIcon::forPath(path);
}

QString ItemListModel::displayPath(const QString &path)
{
    const QString home = QDir::homePath();
    if (home.size() > 1 && (path == home || path.startsWith(home + QLatin1Char('/'))))
        return QLatin1Char('~') + path.mid(home.size());
    return path;
}

}  // namespace sw
