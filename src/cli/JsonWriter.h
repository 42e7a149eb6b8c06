// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstdio>

// Writes one JSON document to a stream as it goes, so a result of a million
// items is never held a second time as text. Containers are laid out either
// one element per line (indented two spaces per level) or inline; a
// container inside an inline one may still put its elements on lines.
//
// Strings are written as UTF-8: quotes, backslashes and control characters
// are escaped, and what is not valid text (a lone UTF-16 surrogate, bytes
// that are not UTF-8) becomes U+FFFD instead of ending up in the output as
// an invalid document.
class JsonWriter
{
public:
    enum class Layout { Lines, Inline };

    explicit JsonWriter(FILE *out);

    void beginObject(Layout layout = Layout::Lines);
    void endObject();
    void beginArray(Layout layout = Layout::Lines);
    void endArray();

    // The key of the next member of the open object.
    JsonWriter &key(const char *name);

    void value(QStringView text);
    void value(const QString &text) { value(QStringView(text)); }
    void value(const char *text) { value(QString::fromUtf8(text)); }
    // Bytes meant as UTF-8; invalid sequences are replaced.
    void value(QByteArrayView utf8);
    void value(qint64 number);
    void value(int number) { value(qint64(number)); }
    void value(bool flag);

    template <class T>
    void member(const char *name, const T &v)
    {
        key(name).value(v);
    }
    void stringArray(const char *name, const QStringList &texts);

    // True while every write so far reached the stream.
    bool ok() const { return !std::ferror(m_out); }

    // text as a JSON string literal, quotes included.
    static QByteArray quoted(QStringView text);

private:
    struct Level
    {
        Layout layout;
        bool empty = true;
    };
    void beginValue();
    void open(char bracket, Layout layout);
    void close(char bracket);
    qsizetype linesDepth() const;
    void newLine(qsizetype depth);
    void put(QByteArrayView bytes);

    FILE *m_out;
    QList<Level> m_levels;
    bool m_afterKey = false;
};
