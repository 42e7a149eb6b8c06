// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/JsonWriter.h"

#include <QStringDecoder>

#include <algorithm>

namespace {

// Appends an ASCII character, escaped where JSON asks for it.
void appendAscii(QByteArray &out, char c)
{
    switch (c) {
    case '"': out += "\\\""; return;
    case '\\': out += "\\\\"; return;
    case '\n': out += "\\n"; return;
    case '\r': out += "\\r"; return;
    case '\t': out += "\\t"; return;
    case '\b': out += "\\b"; return;
    case '\f': out += "\\f"; return;
    default: break;
    }
    if (static_cast<unsigned char>(c) < 0x20) {
        out += "\\u00";
        out += QByteArray::number(int(c), 16).rightJustified(2, '0');
        return;
    }
    out += c;
}

void appendUtf8(QByteArray &out, char32_t c)
{
    if (c < 0x80) {
        appendAscii(out, char(c));
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

}  // namespace

JsonWriter::JsonWriter(FILE *out)
    : m_out(out)
{
}

QByteArray JsonWriter::quoted(QStringView text)
{
    QByteArray out;
    out.reserve(text.size() + 2);
    out += '"';
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            appendUtf8(out, QChar::surrogateToUcs4(c, text.at(i + 1)));
            ++i;
        } else {
            // A lone surrogate has no UTF-8 form: it would make the document invalid.
            appendUtf8(out, c.isSurrogate() ? char32_t(QChar::ReplacementCharacter) : char32_t(c.unicode()));
        }
    }
    return out + '"';
}

void JsonWriter::put(QByteArrayView bytes)
{
    std::fwrite(bytes.data(), 1, size_t(bytes.size()), m_out);
}

void JsonWriter::newLine(qsizetype depth)
{
    put("\n");
    for (qsizetype i = 0; i < depth; ++i)
        put("  ");
}

// Where the next value goes: after its key, or as the next element of the
// open container.
void JsonWriter::beginValue()
{
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (m_levels.isEmpty())
        return;
    Level &level = m_levels.last();
    const bool first = level.empty;
    level.empty = false;
    if (!first)
        put(",");
    if (level.layout == Layout::Lines)
        newLine(linesDepth());
    else if (!first)
        put(" ");
}

qsizetype JsonWriter::linesDepth() const
{
    return std::count_if(m_levels.cbegin(), m_levels.cend(),
                         [](const Level &l) { return l.layout == Layout::Lines; });
}

JsonWriter &JsonWriter::key(const char *name)
{
    beginValue();
    put(quoted(QString::fromUtf8(name)));
    put(": ");
    m_afterKey = true;
    return *this;
}

void JsonWriter::open(char bracket, Layout layout)
{
    beginValue();
    put(QByteArrayView(&bracket, 1));
    m_levels.append(Level{layout});
}

void JsonWriter::close(char bracket)
{
    const Level level = m_levels.takeLast();
    if (level.layout == Layout::Lines && !level.empty)
        newLine(linesDepth());
    put(QByteArrayView(&bracket, 1));
    if (m_levels.isEmpty()) {
        put("\n");
        std::fflush(m_out);
    }
}

void JsonWriter::beginObject(Layout layout)
{
    open('{', layout);
}

void JsonWriter::endObject()
{
    close('}');
}

void JsonWriter::beginArray(Layout layout)
{
    open('[', layout);
}

void JsonWriter::endArray()
{
    close(']');
}

void JsonWriter::value(QStringView text)
{
    beginValue();
    put(quoted(text));
}

void JsonWriter::value(QByteArrayView utf8)
{
    QStringDecoder decoder(QStringDecoder::Utf8);  // replaces invalid sequences with U+FFFD
    value(QStringView(QString(decoder(utf8))));
}

void JsonWriter::value(qint64 number)
{
    beginValue();
    put(QByteArray::number(number));
}

void JsonWriter::value(bool flag)
{
    beginValue();
    put(flag ? "true" : "false");
}

void JsonWriter::stringArray(const char *name, const QStringList &texts)
{
    key(name).beginArray();
    for (const QString &text : texts)
        value(text);
    endArray();
}
