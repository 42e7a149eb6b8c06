// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/fs/AnchoredRoot.h"
#include "core/fs/CategoryRoots.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>

#include <optional>

namespace sw::ext {

// How the extension categories look into folders and read the small files
// that name an add-on, whatever the folders hold: links are never followed,
// only regular files and folders are looked at, and files are read through
// the category root's descriptor with a size cap.
class ExtFiles
{
public:
    static constexpr qint64 kMaxMetadataBytes = 4 * 1024 * 1024;
    static constexpr qint64 kMaxProfileListBytes = 32 * 1024 * 1024;  // a browser's extensions.json

    struct Entry
    {
        QString name;
        QString path;
        bool isFolder = false;
    };

    // The regular files and folders directly inside a checked category root,
    // by name; links, special files and names that are not valid UTF-8 are
    // left out. Empty when the folder is missing or refused.
    static QList<Entry> entries(CategoryRoots &roots, const QString &folder);
    // The contents of the regular file at path below root, when it is no
    // bigger than maxBytes; nullopt for anything else.
    static std::optional<QByteArray> read(const AnchoredRoot &root, const QString &path,
                                          qint64 maxBytes = kMaxMetadataBytes);
    // The JSON object in the file at path below root; empty when it is
    // missing, too big or not a JSON object.
    static QJsonObject readJsonObject(const AnchoredRoot &root, const QString &path,
                                      qint64 maxBytes = kMaxMetadataBytes);
    // A name fit to show: trimmed, without control characters, at most a
    // line long; empty when nothing usable is left.
    static QString displayName(const QString &raw);
};

}  // namespace sw::ext
