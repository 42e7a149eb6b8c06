// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dups/DupOriginal.h"

#include "core/dups/DupCopyMarks.h"
#include "core/platform/ORLayout.h"

#include <QDir>
#include <QRegularExpression>

#include <algorithm>
#include <tuple>

namespace sw {

namespace {

bool isInside(const QString &path, const QString &folder)
{
    return path.startsWith(folder) && path.size() > folder.size() && path.at(folder.size()) == QLatin1Char('/');
}

// What a copy is judged by; the smaller tuple is the better original.
auto rank(const ORDupDataItem &copy, const DupOriginal &rule)
{
    const QString name = copy.itemPath.section(QLatin1Char('/'), -1);
    const qsizetype depth = copy.itemPath.count(QLatin1Char('/'));
    return std::make_tuple(rule.isInTransientPlace(copy.itemPath), dupmarks::hasCopyMark(name), copy.itemModTime,
                           -depth);
}

}  // namespace

DupOriginal DupOriginal::ofLayout()
{
    const QStringList places{ORLayout::downloadDir(), ORLayout::trashDir(), ORLayout::rootPath(QStringLiteral("tmp")),
                             ORLayout::rootPath(QStringLiteral("var/tmp"))};
    const QString home = QDir::cleanPath(ORLayout::home());
    QStringList transient;
    for (const QString &place : places) {
        const QString clean = QDir::cleanPath(place);
        if (clean != home && !isInside(home, clean))
            transient.append(clean);
    }
    return DupOriginal(transient);
}

DupOriginal::DupOriginal(QStringList transientFolders) : m_transientFolders(std::move(transientFolders))
{
    for (QString &folder : m_transientFolders)
        folder = QDir::cleanPath(folder);
}

bool DupOriginal::isInTransientPlace(const QString &path) const
{
    // The Trash of another volume: TOPDIR/.Trash-UID or TOPDIR/.Trash/UID.
    static const QRegularExpression volumeTrash(QStringLiteral("/\\.Trash(?:-\\d+)?/"));
    return std::any_of(m_transientFolders.cbegin(), m_transientFolders.cend(),
                       [&path](const QString &folder) { return isInside(path, folder); })
           || volumeTrash.match(path).hasMatch();
}

qsizetype DupOriginal::keptCopy(const QList<ORDupDataItem> &copies) const
{
    if (copies.isEmpty())
        return -1;
    // min_element returns the first of equals: the first found.
    const auto best = std::min_element(copies.cbegin(), copies.cend(), [this](const auto &a, const auto &b) {
        return rank(a, *this) < rank(b, *this);
    });
    return best - copies.cbegin();
}

}  // namespace sw
