#include "JsonWriter.h"

#include <QStringDecoder>

#include <algorithm>

namespace {

void appendEscaped(QByteArray &out, char32_t c)
{
    switch (c) {
    case U'"': out += "\\\""; return;
    case U'\\': out += "\\\\"; return;
    case U'\n': out += "\\n"; return;
    case U'\r': out += "\\r"; return;
    case U'\t': out += "\\t"; return;
    case U'\b': out += "\\b"; return;
    case U'\f': out += "\\f"; return;
    default: break;
    }
    if (c < 0x20) {
        out += "\\u00";
        out += QByteArray::number(uint(c), 16).rightJustified(2, '0');
        return;
    }
    const char32_t one[1] = {c};
    out += QString::fromUcs4(one, 1).toUtf8();
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
            appendEscaped(out, QChar::surrogateToUcs4(c, text.at(i + 1)));
            ++i;
        } else if (c.isSurrogate()) {
            appendEscaped(out, QChar::ReplacementCharacter);
        } else if (c.unicode() < 0x80) {
            if (c.unicode() < 0x20 || c == u'"' || c == u'\\')
                appendEscaped(out, c.unicode());
            else
                out += char(c.unicode());
        } else {
            appendEscaped(out, c.unicode());
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
    return std::count_if(m_levels.cbegin(), m_levels.cend(), [](const Level &l) { return l.layout == Layout::Lines; });
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
