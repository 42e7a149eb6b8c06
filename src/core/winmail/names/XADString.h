// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The raw file names of one archive, as its entries store them, and what
// ICU's charset detector makes of them taken together (one name alone is
// too short for the detector to be sure of anything).
//
// Encodings are named by ICU converter names ("UTF-8", "Shift_JIS",
// "windows-1252"); the integer values the settings store are mapped onto
// them by EncodingList.
class XADString
{
public:
    // names: every raw name of the archive that is not valid UTF-8 and not
    // flagged UTF-8 by the archive (those need no detection). madeOnDos:
    // they come from a zip that MS-DOS or Windows tools wrote, so they are in
    // a DOS (OEM) code page (see ZipNameOrigin).
    explicit XADString(QList<QByteArray> names, bool madeOnDos = false);

    struct Match
    {
        QString encoding;  // an ICU converter name
        double confidence; // 0 to 1
    };

    // The detector's best answer: an ICU converter name, empty when the
    // detector has none (no names, or nothing it recognises).
    QString encoding() const;
    // The detector's confidence in encoding(), from 0 to 1.
    double confidence() const;
    // True when every name converts with the encoding without a byte that
    // does not map (invalid sequences, unassigned code points).
    bool canDecodeWithEncoding(const QString &encodingName) const;
    // Every answer of the detector that ICU can convert, best first: for
    // names that several encodings read, its order among them.
    const QList<Match> &matches() const { return m_matches; }
    // Every name decoded in the encoding, in order; nullopt when one of
    // them does not decode (see canDecodeWithEncoding).
    std::optional<QStringList> decodeAll(const QString &encodingName) const;

    const QList<QByteArray> &names() const { return m_names; }
    bool madeOnDos() const { return m_madeOnDos; }

    // The converter name for a stored setting value (4 = "UTF-8", 0 = the
    // automatic choice, which has no converter: empty).
    static QString encodingNameForEncoding(int encoding);

    // One raw name in the chosen encoding. A name is never lost: bytes the
    // encoding cannot decode become %XX (and so does a '%' that would make
    // the result ambiguous).
    static QString decode(const QByteArray &name, const QString &encodingName);

private:
    QList<QByteArray> m_names;
    QList<Match> m_matches;
    bool m_madeOnDos = false;
};
