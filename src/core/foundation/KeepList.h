// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/fs/RefusedPlaces.h"

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <memory>

#include <sys/stat.h>

namespace sw {

// What the user never wants touched: folders, files and glob patterns
// ("~/Downloads/*.iso", "*.iso"), stored in the settings, plus paths given
// for one run (the CLI's --keep-path). Every tool asks it before it lists an
// item; the shredder refuses with its reason.
//
// Folders and files are known by identity as well as by path: each entry is
// resolved once, when the list is made (once per scan), into a RefusedPlaces
// of kind Kept. An item is kept when it is an entry (or a link that leads to
// one), lies in a kept folder (also when reached through a link or a bind
// mount of it or of a folder inside it), or holds one. A pattern keeps what
// its whole path matches ('*' and '?' stop at '/'); a pattern without a
// slash matches names, at any depth. What a kept or matching folder holds is
// kept with it. A folder item holds a pattern's match when one lies below
// it; that is looked for only where the pattern can reach.
//
// Copies share one resolved state; its checks take a lock, so one list may
// serve a walk on several threads.
class KeepList
{
public:
    static inline const QString kSettingsKey = QStringLiteral("neverTouch");

    // The entries in the settings, in the user's order.
    static QStringList stored();
    static void setStored(const QStringList &entries);
    // Adds one entry to the settings; false when it is there already.
    static bool addStored(const QString &entry);
    // Entries kept for this process's runs only, besides the stored ones.
    static void setRunEntries(const QStringList &entries);
    // The stored entries and the run's, resolved now.
    static KeepList current();

    KeepList();
    explicit KeepList(const QStringList &entries);

    bool isEmpty() const;
    // Why the item at path may not be listed or removed whole (it is kept,
    // lies in a kept folder or holds something kept); empty when it may.
    QString refusal(const QString &path) const;

    // For a walk that judged the folder holding an entry already: whether
    // the entry is kept (a folder then is not entered) and whether a folder
    // holds something kept (entered, but not removed whole).
    enum class Verdict { Free, Kept, Holds };
    // Patterns here judge the entry's own name or path only.
    Verdict judgeEntry(const QByteArray &folder, const char *name, const struct stat &st) const;

    // Whether a folder to be walked is kept or lies in a kept folder,
    // whatever link led there (one that merely holds a kept item is walked).
    bool keepsWalkRoot(const QString &folder) const;

private:
    struct Pattern
    {
        QString text;  // as the user wrote it
        QRegularExpression match;
        QString base;  // the folder it starts from, without wildcards; empty for a name pattern
    };
    struct State
    {
        QList<Pattern> patterns;
        RefusedPlaces places;
        bool hasPlaces = false;
        QMutex mutex;  // RefusedPlaces serves one thread at a time
    };

    QString patternRefusal(const QString &path, bool withFolders) const;
    bool holdsMatch(const QString &folder) const;

    std::shared_ptr<State> m_state;
};

}  // namespace sw
