// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/foundation/KeepList.h"

#include "core/foundation/ORPrefConfig.h"
#include "core/fs/FileIdentity.h"
#include "core/fs/PathInside.h"
#include "core/fs/UniqueFd.h"
#include "core/platform/ORLayout.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>

#include <fcntl.h>
#include <unistd.h>

namespace sw {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(KeepList)
};

constexpr int kFolderFlags = O_PATH | O_DIRECTORY | O_CLOEXEC;

QStringList &runEntries()
{
    static QStringList entries;
    return entries;
}

// "~" stands for the home; a path that is not absolute lies in the home.
QString expanded(const QString &entry)
{
    const QString text = entry.trimmed();
    if (text == QLatin1String("~"))
        return ORLayout::home();
    if (text.startsWith(QLatin1String("~/")))
        return QDir::cleanPath(ORLayout::home() + text.mid(1));
    if (text.startsWith(QLatin1Char('/')) || !text.contains(QLatin1Char('/')))
        return QDir::cleanPath(text);
    return QDir::cleanPath(ORLayout::home() + QLatin1Char('/') + text);
}

bool isPattern(const QString &entry)
{
    return entry.contains(QLatin1Char('*')) || entry.contains(QLatin1Char('?')) || entry.contains(QLatin1Char('['));
}

// The folders of a path pattern before its first wildcard.
QString literalBase(const QString &pattern)
{
    const qsizetype wild = pattern.indexOf(QRegularExpression(QStringLiteral("[*?[]")));
    const qsizetype slash = pattern.lastIndexOf(QLatin1Char('/'), wild);
    return slash > 0 ? pattern.left(slash) : QStringLiteral("/");
}

}  // namespace

QStringList KeepList::stored()
{
    return ORPrefConfig::objectForKey(kSettingsKey).toStringList();
}

void KeepList::setStored(const QStringList &entries)
{
    ORPrefConfig::setObject(kSettingsKey, entries);
}

bool KeepList::addStored(const QString &entry)
{
    QStringList entries = stored();
    if (entry.trimmed().isEmpty() || entries.contains(entry))
        return false;
    entries.append(entry);
    setStored(entries);
    return true;
}

void KeepList::setRunEntries(const QStringList &entries)
{
    runEntries() = entries;
}

KeepList KeepList::current()
{
    return KeepList(stored() + runEntries());
}

KeepList::KeepList() : m_state(std::make_shared<State>()) {}

KeepList::KeepList(const QStringList &entries) : KeepList()
{
    QList<RefusedPlaces::Place> places;
    for (const QString &entry : entries) {
        if (entry.trimmed().isEmpty())
            continue;
        const QString path = expanded(entry);
        if (!isPattern(path)) {
            places.append({path, RefusedPlaces::Kind::Kept, {}});
            continue;
        }
        const bool byName = !path.contains(QLatin1Char('/'));
        m_state->patterns.append(
            {entry, QRegularExpression::fromWildcard(path), byName ? QString() : literalBase(path)});
    }
    m_state->hasPlaces = !places.isEmpty();
    if (m_state->hasPlaces)
        m_state->places = RefusedPlaces(places);
}

bool KeepList::isEmpty() const
{
    return !m_state->hasPlaces && m_state->patterns.isEmpty();
}

QString KeepList::refusal(const QString &path) const
{
    const QString clean = QDir::cleanPath(path);
    if (isEmpty() || !clean.startsWith(QLatin1Char('/')) || clean == QLatin1String("/"))
        return QString();
    if (QString why = patternRefusal(clean, true); !why.isEmpty())
        return why;
    if (holdsMatch(clean))
        return Text::tr("it holds items that match your Never touch list");
    if (!m_state->hasPlaces)
        return QString();
    const qsizetype slash = clean.lastIndexOf(QLatin1Char('/'));
    const UniqueFd folder(::open(QFile::encodeName(slash > 0 ? clean.left(slash) : QStringLiteral("/")).constData(),
                                 kFolderFlags));
    if (!folder)
        return QString();  // nothing there to list or remove
    const QByteArray name = QFile::encodeName(clean.mid(slash + 1));
    QMutexLocker lock(&m_state->mutex);
    // A folder is judged from itself, so that one mounted here from inside a kept folder is known.
    const UniqueFd self(::openat(folder.get(), name.constData(), kFolderFlags | O_NOFOLLOW));
    const auto match = self ? m_state->places.matchFolder(self.get()) : m_state->places.matchEntry(folder.get(), name);
    return match ? RefusedPlaces::reason(*match) : QString();
}

KeepList::Verdict KeepList::judgeEntry(const QByteArray &folder, const char *name, const struct stat &st) const
{
    if (isEmpty())
        return Verdict::Free;
    const bool isFolder = S_ISDIR(st.st_mode);
    if (!m_state->patterns.isEmpty() && !patternRefusal(QFile::decodeName(folder + '/' + name), false).isEmpty())
        return Verdict::Kept;
    if (!m_state->hasPlaces)
        return Verdict::Free;
    QMutexLocker lock(&m_state->mutex);
    std::optional<RefusedPlaces::Match> match;
    if (isFolder) {
        const UniqueFd self(::open((folder + '/' + name).constData(), kFolderFlags | O_NOFOLLOW));
        match = self ? m_state->places.matchFolder(self.get()) : std::nullopt;
    } else {
        FileIdentity id;
        id.dev = st.st_dev;
        id.ino = st.st_ino;
        match = m_state->places.matchIdentity(id);
    }
    if (!match)
        return Verdict::Free;
    return match->relation == RefusedPlaces::Relation::Holds ? Verdict::Holds : Verdict::Kept;
}

bool KeepList::keepsWalkRoot(const QString &folder) const
{
    if (isEmpty())
        return false;
    const QString clean = QDir::cleanPath(folder);
    if (!patternRefusal(clean, true).isEmpty())
        return true;
    if (!m_state->hasPlaces)
        return false;
    const UniqueFd fd(::open(QFile::encodeName(clean).constData(), kFolderFlags));
    if (!fd)
        return false;
    QMutexLocker lock(&m_state->mutex);
    const auto match = m_state->places.matchFolder(fd.get());
    return match && match->relation != RefusedPlaces::Relation::Holds;
}

// withFolders: the folders holding path count too.
QString KeepList::patternRefusal(const QString &path, bool withFolders) const
{
    for (const Pattern &pattern : std::as_const(m_state->patterns)) {
        for (QString at = path; at.size() > 1; at = at.left(std::max<qsizetype>(at.lastIndexOf(QLatin1Char('/')), 1))) {
            const QString subject = pattern.base.isEmpty() ? at.mid(at.lastIndexOf(QLatin1Char('/')) + 1) : at;
            if (pattern.match.match(subject).hasMatch())
                return at == path ? Text::tr("it matches %1 on your Never touch list").arg(pattern.text)
                                  : Text::tr("it lies in %1, which matches %2 on your Never touch list")
                                        .arg(at, pattern.text);
            if (!withFolders)
                break;
        }
    }
    return QString();
}

// Walks the folder (never through a link) for a match of a pattern that can
// lie below it.
bool KeepList::holdsMatch(const QString &folder) const
{
    QList<const Pattern *> reaching;
    for (const Pattern &pattern : std::as_const(m_state->patterns))
        if (pattern.base.isEmpty() || isPathInside(pattern.base, folder) || isPathInside(folder, pattern.base))
            reaching.append(&pattern);
    if (reaching.isEmpty())
        return false;
    if (const QFileInfo info(folder); !info.isDir() || info.isSymLink())
        return false;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        for (const Pattern *pattern : std::as_const(reaching))
            if (pattern->match.match(pattern->base.isEmpty() ? it.fileName() : path).hasMatch())
                return true;
    }
    return false;
}

}  // namespace sw
