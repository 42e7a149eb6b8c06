// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/foundation/AutostartEntries.h"

#include "core/foundation/AutostartFolder.h"
#include "core/platform/DesktopEntry.h"
#include "core/platform/DesktopEntryText.h"
#include "core/platform/ORLayout.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace sw {

namespace {

const QString kOrderKey = QStringLiteral("X-Sweepwright-Order");

qint64 fileTime(const QFileInfo &info)
{
    const QDateTime born = info.birthTime();
    return (born.isValid() ? born : info.lastModified()).toSecsSinceEpoch();
}

// A file name made of the item's name: letters, digits, '.', '_' and '-' only.
QString sanitizedStem(const QString &name)
{
    QString stem;
    for (const QChar c : name) {
        const bool plain = c.isLetterOrNumber() || c == QLatin1Char('.') || c == QLatin1Char('_')
            || c == QLatin1Char('-');
        if (plain)
            stem += c;
        else if (!stem.endsWith(QLatin1Char('-')))
            stem += QLatin1Char('-');
    }
    while (stem.startsWith(QLatin1Char('.')) || stem.startsWith(QLatin1Char('-')))
        stem.remove(0, 1);
    while (stem.endsWith(QLatin1Char('-')))
        stem.chop(1);
    stem.truncate(100);
    return stem.isEmpty() ? QStringLiteral("item") : stem;
}

}  // namespace

AutostartEntries::AutostartEntries() : m_folder(ORLayout::configHome() + QLatin1String("/autostart")) {}

QList<AutostartEntries::Item> AutostartEntries::list() const
{
    QList<Item> items;
    const QDir dir(m_folder);
    const QFileInfoList files = dir.entryInfoList({QStringLiteral("*.desktop")}, QDir::Files | QDir::Hidden);
    for (const QFileInfo &info : files) {
        const std::optional<DesktopEntry> entry = DesktopEntry::load(info.filePath());
        if (!entry || entry->hidden())
            continue;
        const QString resolved = entry->resolvedProgram();
        bool numeric = false;
        const qint64 order = entry->value(kOrderKey).toLongLong(&numeric);
        items.append({entry->name(), resolved.isEmpty() ? entry->program() : resolved, info.filePath(),
                      numeric ? order : fileTime(info)});
    }
    std::sort(items.begin(), items.end(), [](const Item &a, const Item &b) {
        return a.order != b.order ? a.order < b.order : QFileInfo(a.file).fileName() < QFileInfo(b.file).fileName();
    });
    return items;
}

bool AutostartEntries::contains(const QString &name) const
{
    const QList<Item> items = list();
    return std::any_of(items.cbegin(), items.cend(), [&](const Item &item) { return item.name == name; });
}

QString AutostartEntries::add(const QString &path, const QString &name) const
{
    if (path.isEmpty())
        return QString();
    const QString displayName = name.isEmpty() ? QFileInfo(path).completeBaseName() : name;
    qint64 last = 0;
    for (const Item &item : list())
        last = std::max(last, item.order);

    DesktopEntry entry;
    entry.setValue(QStringLiteral("Type"), QStringLiteral("Application"));
    entry.setValue(QStringLiteral("Name"), displayName);
    entry.setValue(QStringLiteral("Exec"), DesktopEntry::execForProgram(path));
    entry.setValue(kOrderKey, QString::number(last + 1));
    // Never over an entry already there: a hidden one of ours is the user's choice.
    const QString fileName = newFileName(displayName);
    const AutostartFolder folder(m_folder);
    if (!folder.write(fileName, AutostartFolder::markedAsOwn(entry.toText()), AutostartFolder::Replace::No))
        return QString();
    return folder.filePath(fileName);
}

int AutostartEntries::remove(const QString &path) const
{
    return removeWhere([&](const Item &item) { return item.path == path; });
}

int AutostartEntries::removeWithPrefix(const QString &prefix) const
{
    return removeWhere([&](const Item &item) { return item.path.startsWith(prefix); });
}

// An entry this program wrote and nobody changed goes; one the user wrote or
// changed is kept with Hidden=true written into it.
int AutostartEntries::removeWhere(const std::function<bool(const Item &)> &matches) const
{
    const AutostartFolder folder(m_folder);
    int off = 0;
    for (const Item &item : list()) {
        if (!matches(item))
            continue;
        const QString fileName = QFileInfo(item.file).fileName();
        const std::optional<QByteArray> text = folder.read(fileName);
        if (!text)
            continue;
        DesktopEntryText hidden(*text);
        hidden.setValue(QByteArrayLiteral("Hidden"), QByteArrayLiteral("true"));
        if (AutostartFolder::isOwnUnchanged(*text) ? folder.remove(fileName) : folder.write(fileName, hidden.text()))
            ++off;
    }
    return off;
}

// Our own entry keeps the application id as its file name; any other gets a
// name of its own that does not replace an existing entry.
QString AutostartEntries::newFileName(const QString &name) const
{
    if (name == QLatin1String(kAppName))
        return QLatin1String(kAppId) + QLatin1String(".desktop");
    const QString stem = sanitizedStem(name);
    QString candidate = stem + QLatin1String(".desktop");
    for (int n = 2; QFileInfo::exists(m_folder + QLatin1Char('/') + candidate); ++n)
        candidate = QStringLiteral("%1-%2.desktop").arg(stem).arg(n);
    return candidate;
}

}  // namespace sw
