// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/login/LoginItems.h"

#include "core/fs/FolderWalker.h"
#include "core/platform/DesktopEntryText.h"
#include "core/platform/ORLayout.h"
#include "core/platform/RegularFile.h"
#include "core/platform/SystemTools.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>

#include <algorithm>

namespace sw {

namespace {

const QString kSuffix = QStringLiteral(".desktop");
const QByteArray kHiddenKey = QByteArrayLiteral("Hidden");
constexpr qint64 kMaxEntryBytes = 1024 * 1024;
const QString kOrderKey = QStringLiteral("X-Sweepwright-Order");
const QString kGnomeEnabledKey = QStringLiteral("X-GNOME-Autostart-enabled");

bool isOwnEntry(const QString &id, const QString &name)
{
    return id == QLatin1String(kAppId) || id.compare(QLatin1String("sweepwright"), Qt::CaseInsensitive) == 0
        || name == QLatin1String(kAppName);
}

// A desktop-file id that names a file directly in the autostart folder.
bool isPlainId(const QString &id)
{
    return AutostartFolder::isPlainName(id + kSuffix);
}

qint64 fileTime(const QString &path)
{
    const QFileInfo info(path);
    const QDateTime born = info.birthTime();
    return (born.isValid() ? born : info.lastModified()).toSecsSinceEpoch();
}

// The program an entry runs as a path: absolute as written, a bare name
// looked up in the usual program folders below the root (left bare when
// none holds it).
QString programPath(const DesktopEntry &entry)
{
    const QString program = entry.program();
    if (program.isEmpty() || QDir::isAbsolutePath(program))
        return program.isEmpty() ? QString() : QDir::cleanPath(program);
    if (program.contains(QLatin1Char('/')))
        return QString();  // relative to a working folder nobody knows
    QStringList folders{ORLayout::homePath(QStringLiteral(".local/bin"))};
    for (const char *rel : {"usr/local/sbin", "usr/local/bin", "usr/sbin", "usr/bin", "sbin", "bin", "usr/games"})
        folders.append(ORLayout::rootPath(QLatin1String(rel)));
    const QString found = QStandardPaths::findExecutable(program, folders);
    return found.isEmpty() ? program : QDir::cleanPath(found);
}

// The Exec arguments after the program; Flatpak's file-forwarding markers
// (@@, @@u) say nothing about what runs and are left out.
QStringList programArguments(const DesktopEntry &entry)
{
    const QStringList args = entry.execArguments();
    const qsizetype at = args.indexOf(entry.program());
    QStringList rest;
    for (qsizetype i = at + 1; at >= 0 && i < args.size(); ++i)
        if (!args.at(i).startsWith(QLatin1String("@@")))
            rest.append(args.at(i));
    return rest;
}

// id -> file of the *.desktop names directly in folder.
QMap<QString, QString> desktopFiles(const QString &folder)
{
    QMap<QString, QString> files;
    for (const QString &name : FolderWalker::childNames(folder).value_or(QStringList()))
        if (name.endsWith(kSuffix) && name.size() > kSuffix.size())
            files.insert(name.chopped(kSuffix.size()), folder + QLatin1Char('/') + name);
    return files;
}

bool isEnabled(const DesktopEntry &entry)
{
    return !entry.hidden() && entry.value(kGnomeEnabledKey).compare(QLatin1String("false"), Qt::CaseInsensitive) != 0;
}

// A system entry the desktop starts for itself: meant for some desktops
// only, or started again by the session whenever it ends.
bool isPartOfDesktop(const DesktopEntry &system)
{
    return system.contains(QStringLiteral("OnlyShowIn")) || system.contains(QStringLiteral("NotShowIn"))
        || system.boolValue(QStringLiteral("X-GNOME-AutoRestart"));
}

QString shownName(const DesktopEntry &entry, const QString &fallback)
{
    const QString name = entry.localizedValue(QStringLiteral("Name"));
    return name.isEmpty() ? fallback : name;
}

}  // namespace

LoginItems::LoginItems()
    : LoginItems(ORLayout::configHome() + QStringLiteral("/autostart"), ORLayout::rootPath(QStringLiteral("etc/xdg/autostart")))
{
}

LoginItems::LoginItems(const QString &userFolder, const QString &systemFolder)
    : m_folder(userFolder), m_systemFolder(QDir::cleanPath(systemFolder))
{
}

QList<AutostartItem> LoginItems::autostartItems() const
{
    const QMap<QString, QString> user = desktopFiles(m_folder.path());
    const QMap<QString, QString> system = desktopFiles(m_systemFolder);
    QStringList ids = user.keys() + system.keys();
    ids.removeDuplicates();

    QList<AutostartItem> items;
    for (const QString &id : std::as_const(ids)) {
        // Unreadable entries (a FIFO, a huge file) count as absent.
        const std::optional<DesktopEntry> mine = user.contains(id) ? DesktopEntry::load(user.value(id)) : std::nullopt;
        const std::optional<DesktopEntry> theirs =
            system.contains(id) ? DesktopEntry::load(system.value(id)) : std::nullopt;
        if (!mine && !theirs)
            continue;
        AutostartItem item;
        item.id = id;
        item.userFile = mine.has_value();
        item.systemFile = theirs.has_value();
        const DesktopEntry &effective = mine ? *mine : *theirs;
        item.file = mine ? user.value(id) : system.value(id);
        item.enabled = isEnabled(effective);
        item.partOfDesktop = theirs && isPartOfDesktop(*theirs);
        item.content = mine && mine->hidden() && theirs ? *theirs : effective;
        item.name = item.content.name().isEmpty() ? id : item.content.name();
        item.program = programPath(item.content);
        item.arguments = programArguments(item.content);
        bool numeric = false;
        const qint64 order = effective.value(kOrderKey).toLongLong(&numeric);
        item.order = numeric ? order : fileTime(item.file);
        items.append(item);
    }
    std::sort(items.begin(), items.end(), [](const AutostartItem &a, const AutostartItem &b) {
        return a.order != b.order ? a.order < b.order : a.id < b.id;
    });
    return items;
}

QList<LoginItems::Row> LoginItems::listedApplications() const
{
    QList<Row> apps;
    if (ORLayout::isMacOS()) {
        const QString folder = ORLayout::rootPath(QStringLiteral("Applications"));
        QStringList names = FolderWalker::childNames(folder).value_or(QStringList());
        names.sort();
        for (const QString &entry : std::as_const(names)) {
            if (!entry.endsWith(QLatin1String(".app")) || entry.size() == 4)
                continue;
            Row row;
            row.name = row.id = entry.chopped(4);
            if (isOwnEntry(QString(), row.name))
                continue;
            row.path = row.program = folder + QLatin1Char('/') + entry;
            row.content.setValue(QStringLiteral("Type"), QStringLiteral("Application"));
            row.content.setValue(QStringLiteral("Name"), row.name);
            row.content.setValue(QStringLiteral("Exec"), DesktopEntry::execForProgram(row.path));
            apps.append(row);
        }
        return apps;
    }

    // The first entry of an id hides those of later folders, hidden or not.
    QSet<QString> seen;
    for (const QString &folder : SystemTools::applicationFolders()) {
        QStringList files;
        // Folder links are not followed: a loop cannot trap the listing.
        QDirIterator it(folder, {QStringLiteral("*.desktop")}, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            files.append(it.next());
        files.sort();
        for (const QString &file : std::as_const(files)) {
            QString id = file.mid(folder.size() + 1).chopped(kSuffix.size());
            id.replace(QLatin1Char('/'), QLatin1Char('-'));
            if (seen.contains(id))
                continue;
            seen.insert(id);
            const std::optional<DesktopEntry> entry = DesktopEntry::load(file);
            if (!entry || entry->type() != QLatin1String("Application") || entry->noDisplay() || entry->hidden()
                || isOwnEntry(id, entry->name()) || !isPlainId(id))
                continue;
            Row row;
            row.id = id;
            row.name = shownName(*entry, id);
            row.description = entry->localizedValue(QStringLiteral("Comment"));
            row.path = file;
            row.program = programPath(*entry);
            row.arguments = programArguments(*entry);
            for (const char *key : {"Type", "Name", "Exec", "Icon", "Comment"})
                if (entry->contains(QLatin1String(key)))
                    row.content.setValue(QLatin1String(key), entry->value(QLatin1String(key)));
            apps.append(row);
        }
    }
    std::stable_sort(apps.begin(), apps.end(), [](const Row &a, const Row &b) {
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
    return apps;
}

bool LoginItems::belongsTo(const AutostartItem &item, const Row &row) const
{
    if (item.id == row.id)
        return true;
    if (row.kind != Kind::Application || row.program.isEmpty() || item.program.isEmpty())
        return false;
    if (ORLayout::isMacOS())
        return item.program.startsWith(row.program);
    const bool samePlace = item.program == row.program
        || (QDir::isAbsolutePath(row.program) && item.program.startsWith(row.program + QLatin1Char('/')));
    return samePlace && item.arguments.mid(0, row.arguments.size()) == row.arguments;
}

bool LoginItems::isApplicationInItemList(const QList<AutostartItem> &list, const Row &app) const
{
    return std::any_of(list.cbegin(), list.cend(),
                       [&](const AutostartItem &item) { return item.enabled && belongsTo(item, app); });
}

void LoginItems::getAllApps()
{
    const QList<AutostartItem> autostart = autostartItems();
    qsizetype apps = std::count_if(m_rows.cbegin(), m_rows.cend(),
                                   [](const Row &row) { return row.kind == Kind::Application; });
    for (const Row &app : listedApplications())
        if (rowOf(app.id) < 0)
            m_rows.insert(apps++, app);
    for (qsizetype i = 0; i < apps; ++i)
        markEntries(m_rows[i], autostart);

    const auto claimed = [&](const AutostartItem &item) {
        return isOwnEntry(item.id, item.name)
            || std::any_of(m_rows.cbegin(), m_rows.cbegin() + apps,
                           [&](const Row &app) { return belongsTo(item, app); });
    };
    // Helpers listed before stay (off when their entry went), unless an
    // application now claims them.
    QList<Row> helpers = m_rows.mid(apps);
    m_rows.resize(apps);
    for (Row &helper : helpers)
        helper.on = helper.hasEntry = false;
    for (const AutostartItem &item : autostart) {
        if (claimed(item))
            continue;
        auto known = std::find_if(helpers.begin(), helpers.end(), [&](const Row &row) { return row.id == item.id; });
        Row &row = known != helpers.end() ? *known : helpers.emplace_back();
        row.id = item.id;
        row.name = shownName(item.content, item.name);
        row.description = item.content.localizedValue(QStringLiteral("Comment"));
        row.path = item.file;
        row.kind = Kind::Autostart;
        row.on = item.enabled;
        row.hasEntry = true;
        row.partOfDesktop = item.partOfDesktop;
        row.program = item.program;
        row.arguments = item.arguments;
        row.content = item.content;
    }
    for (const Row &helper : std::as_const(helpers)) {
        AutostartItem probe;
        probe.id = helper.id;
        probe.name = helper.name;
        probe.program = helper.program;
        probe.arguments = helper.arguments;
        if (!claimed(probe))
            m_rows.append(helper);
    }
    refreshLoginarray();
}

void LoginItems::markEntries(Row &app, const QList<AutostartItem> &list) const
{
    app.on = isApplicationInItemList(list, app);
    app.hasEntry = app.partOfDesktop = false;
    for (const AutostartItem &item : list) {
        if (!belongsTo(item, app))
            continue;
        app.hasEntry = true;
        app.partOfDesktop = app.partOfDesktop || item.partOfDesktop;
    }
}

QList<int> LoginItems::loginOrder(const QSet<QString> &alsoShow) const
{
    QList<int> shown;
    for (int row = 0; row < m_rows.size(); ++row)
        if (m_rows.at(row).hasEntry || alsoShow.contains(m_rows.at(row).id))
            shown.append(row);
    std::stable_sort(shown.begin(), shown.end(), [this](int a, int b) {
        const Row &x = m_rows.at(a), &y = m_rows.at(b);
        return x.on != y.on ? x.on : !x.partOfDesktop && y.partOfDesktop;
    });
    return shown;
}

QList<int> LoginItems::otherApplications(const QSet<QString> &alsoShow) const
{
    QList<int> others;
    for (int row = 0; row < m_rows.size(); ++row) {
        const Row &app = m_rows.at(row);
        if (app.kind == Kind::Application && !app.hasEntry && !alsoShow.contains(app.id))
            others.append(row);
    }
    std::stable_sort(others.begin(), others.end(), [this](int a, int b) {
        return m_rows.at(a).name.compare(m_rows.at(b).name, Qt::CaseInsensitive) < 0;
    });
    return others;
}

int LoginItems::rowOf(const QString &id) const
{
    for (qsizetype i = 0; i < m_rows.size(); ++i)
        if (m_rows.at(i).id == id)
            return int(i);
    return -1;
}

int LoginItems::countLoginItems() const
{
    return int(std::count_if(m_rows.cbegin(), m_rows.cend(), [](const Row &row) { return row.on; }));
}

void LoginItems::refreshLoginarray()
{
    m_loginarray.clear();
    for (const Row &row : std::as_const(m_rows))
        if (row.on && !m_loginarray.contains(row.name))
            m_loginarray.append(row.name);
}

bool LoginItems::selectLoginItem(int row, bool on)
{
    if (row < 0 || row >= m_rows.size())
        return false;
    if (on)
        addAppAsLoginItem(m_rows.at(row));
    else
        removeFromLoginItems(m_rows.at(row));

    const QList<AutostartItem> list = autostartItems();
    Row &current = m_rows[row];
    if (current.kind == Kind::Application) {
        markEntries(current, list);
    } else {
        const auto item = std::find_if(list.cbegin(), list.cend(), [&](const AutostartItem &i) { return i.id == current.id; });
        current.on = item != list.cend() && item->enabled;
        current.hasEntry = item != list.cend();
        if (item != list.cend())
            current.path = item->file;
    }
    refreshLoginarray();
    return current.on;
}

bool LoginItems::addAppAsLoginItem(const Row &app)
{
    const QList<AutostartItem> items = autostartItems();
    bool listed = false;
    for (const AutostartItem &item : items) {
        if (!matches(item, app))
            continue;
        listed = true;
        if (!item.enabled)
            switchOn(item);
    }
    if (listed)
        return true;
    qint64 last = 0;
    for (const AutostartItem &item : items)
        last = std::max(last, item.order);
    DesktopEntry entry = app.content;
    if (entry.contains(QStringLiteral("Hidden")))
        entry.setValue(QStringLiteral("Hidden"), QStringLiteral("false"));
    if (entry.contains(kGnomeEnabledKey))
        entry.setValue(kGnomeEnabledKey, QStringLiteral("true"));
    entry.setValue(kOrderKey, QString::number(last + 1));
    return isPlainId(app.id) && m_folder.write(app.id + kSuffix, AutostartFolder::markedAsOwn(entry.toText()));
}

void LoginItems::removeFromLoginItems(const Row &app)
{
    for (const AutostartItem &item : autostartItems())
        if (item.enabled && matches(item, app))
            switchOff(item, app.kind == Kind::Application);
}

bool LoginItems::matches(const AutostartItem &item, const Row &row) const
{
    return row.kind == Kind::Application ? belongsTo(item, row) : item.id == row.id;
}

// The user's entry goes only when this program wrote it, nobody changed it
// and it hides no system entry; any other gets Hidden=true written into it,
// and a system entry gets a user entry of its own text that hides it. A
// helper's entry is always kept: nothing else could switch it on again.
void LoginItems::switchOff(const AutostartItem &item, bool mayRemove) const
{
    if (!isPlainId(item.id))
        return;
    const QString fileName = item.id + kSuffix;
    if (item.userFile) {
        const std::optional<QByteArray> text = m_folder.read(fileName);
        if (!text)
            return;
        if (mayRemove && !item.systemFile && AutostartFolder::isOwnUnchanged(*text)) {
            m_folder.remove(fileName);
            return;
        }
        DesktopEntryText hidden(*text);
        hidden.setValue(kHiddenKey, "true");
        m_folder.write(fileName, hidden.text());
        return;
    }
    const std::optional<QByteArray> system =
        readRegularFile(m_systemFolder + QLatin1Char('/') + fileName, kMaxEntryBytes);
    if (!system)
        return;
    DesktopEntryText hiding(*system);
    hiding.setValue(kHiddenKey, "true");
    m_folder.write(fileName, AutostartFolder::markedAsOwn(hiding.text()));
}

// Only the keys that switch the entry off go, so the user's options come
// back as they were. This program's own hiding copy of a system entry goes
// whole, so the system entry applies again as it is now.
void LoginItems::switchOn(const AutostartItem &item) const
{
    if (!isPlainId(item.id))
        return;
    const QString fileName = item.id + kSuffix;
    const QString systemFile = m_systemFolder + QLatin1Char('/') + fileName;
    const std::optional<QByteArray> text =
        item.userFile ? m_folder.read(fileName) : readRegularFile(systemFile, kMaxEntryBytes);
    if (!text)
        return;
    DesktopEntryText shown(*text);
    shown.remove(kHiddenKey);
    if (shown.value(kGnomeEnabledKey.toUtf8()).compare("false", Qt::CaseInsensitive) == 0)
        shown.setValue(kGnomeEnabledKey.toUtf8(), "true");
    if (!item.userFile) {
        m_folder.write(fileName, AutostartFolder::markedAsOwn(shown.text()));
        return;
    }
    const std::optional<DesktopEntry> system = item.systemFile ? DesktopEntry::load(systemFile) : std::nullopt;
    if (system && isEnabled(*system) && AutostartFolder::isOwnUnchanged(shown.text()))
        m_folder.remove(fileName);
    else
        m_folder.write(fileName, shown.text());
}

}  // namespace sw
