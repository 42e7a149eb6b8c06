// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

namespace sw {

// Property lists (XML, binary and OpenStep text) as QVariant trees:
// dictionary -> QVariantMap, array -> QVariantList, string -> QString,
// integer -> qint64 (quint64 above its range), real -> double, boolean -> bool,
// date -> QDateTime (UTC), data -> QByteArray, uid -> quint64.
// Malformed, oversized or too deeply nested input gives an invalid QVariant.
class PropertyListReader
{
public:
    static constexpr qint64 kMaxBytes = 64 * 1024 * 1024;
    static constexpr int kMaxDepth = 256;

    // Resolves links in the path and reads the whole file.
    static QVariant readFile(const QString &path);
    static QVariant read(const QByteArray &data);
};

}  // namespace sw
