// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/OpenStepPlistParser.h"

#include "core/platform/PropertyListReader.h"

#include <QVariantList>
#include <QVariantMap>

namespace sw {

namespace {

bool isBareChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '$'
        || c == '+' || c == '/' || c == ':' || c == '.' || c == '-';
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

}  // namespace

QVariant OpenStepPlistParser::parse(const QByteArray &text)
{
    OpenStepPlistParser parser(text);
    const qsizetype start = text.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    parser.m_pos = start;
    if (!parser.skipSpace() || parser.atEnd())
        return QVariant();
    QVariant value = parser.parseValue(0);
    if (!value.isValid())
        return QVariant();
    if (!parser.skipSpace())
        return QVariant();
    if (parser.peek() == '=' && value.typeId() == QMetaType::QString) {
        // A strings file: the first key is already read.
        parser.m_pos = start;
        value = parser.parseDictionaryBody('\0', 0);
        if (!value.isValid() || !parser.skipSpace())
            return QVariant();
    }
    return parser.atEnd() ? value : QVariant();
}

bool OpenStepPlistParser::skipSpace()
{
    while (!atEnd()) {
        const char c = peek();
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v') {
            ++m_pos;
        } else if (c == '/' && m_pos + 1 < m_text.size() && m_text.at(m_pos + 1) == '/') {
            const qsizetype end = m_text.indexOf('\n', m_pos);
            m_pos = end < 0 ? m_text.size() : end + 1;
        } else if (c == '/' && m_pos + 1 < m_text.size() && m_text.at(m_pos + 1) == '*') {
            const qsizetype end = m_text.indexOf("*/", m_pos + 2);
            if (end < 0)
                return false;
            m_pos = end + 2;
        } else {
            break;
        }
    }
    return true;
}

QVariant OpenStepPlistParser::parseValue(int depth)
{
    if (depth > PropertyListReader::kMaxDepth || !skipSpace())
        return QVariant();
    switch (peek()) {
    case '{':
        ++m_pos;
        return parseDictionaryBody('}', depth + 1);
    case '(':
        ++m_pos;
        return parseArray(depth + 1);
    case '<':
        ++m_pos;
        return parseData();
    case '"':
    case '\'':
        return parseQuoted();
    default:
        return parseBare();
    }
}

// Pairs "key = value;" up to the terminator ('\0': the end of the text).
QVariant OpenStepPlistParser::parseDictionaryBody(char terminator, int depth)
{
    QVariantMap map;
    for (;;) {
        if (!skipSpace())
            return QVariant();
        if (terminator ? peek() == terminator : atEnd())
            break;
        const QVariant key = parseValue(depth);
        if (key.typeId() != QMetaType::QString || !skipSpace() || peek() != '=')
            return QVariant();
        ++m_pos;
        const QVariant value = parseValue(depth);
        if (!value.isValid() || !skipSpace())
            return QVariant();
        if (peek() == ';')
            ++m_pos;
        else if (!(terminator ? peek() == terminator : atEnd()))
            return QVariant();
        map.insert(key.toString(), value);
    }
    if (terminator)
        ++m_pos;
    return map;
}

QVariant OpenStepPlistParser::parseArray(int depth)
{
    QVariantList list;
    for (;;) {
        if (!skipSpace())
            return QVariant();
        if (peek() == ')')
            break;
        const QVariant value = parseValue(depth);
        if (!value.isValid() || !skipSpace())
            return QVariant();
        list.append(value);
        if (peek() == ',')
            ++m_pos;
        else if (peek() != ')')
            return QVariant();
    }
    ++m_pos;
    return list;
}

QVariant OpenStepPlistParser::parseData()
{
    QByteArray bytes;
    int high = -1;
    for (; !atEnd(); ++m_pos) {
        const char c = peek();
        if (c == '>') {
            ++m_pos;
            return high < 0 ? QVariant(bytes) : QVariant();
        }
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r')
            continue;
        const int v = hexValue(c);
        if (v < 0)
            return QVariant();
        if (high < 0) {
            high = v;
        } else {
            bytes.append(char(high << 4 | v));
            high = -1;
        }
    }
    return QVariant();
}

QVariant OpenStepPlistParser::parseQuoted()
{
    const char quote = peek();
    ++m_pos;
    QString out;
    qsizetype runStart = m_pos;
    while (!atEnd()) {
        const char c = peek();
        if (c == quote || c == '\\') {
            out += QString::fromUtf8(m_text.constData() + runStart, m_pos - runStart);
            ++m_pos;
            if (c == quote)
                return out;
            if (!parseEscape(out))
                return QVariant();
            runStart = m_pos;
        } else {
            ++m_pos;
        }
    }
    return QVariant();
}

// After a backslash: \n \t \r \b \f \a \v, \Uxxxx, octal \ooo, else the character itself.
bool OpenStepPlistParser::parseEscape(QString &out)
{
    if (atEnd())
        return false;
    const char c = m_text.at(m_pos++);
    static const char kFrom[] = "ntrbfav";
    static const char kTo[] = "\n\t\r\b\f\a\v";
    if (const char *hit = std::char_traits<char>::find(kFrom, 7, c)) {
        out += QLatin1Char(kTo[hit - kFrom]);
    } else if (c == 'U' || c == 'u') {
        uint code = 0;
        for (int i = 0; i < 4; ++i) {
            const int v = hexValue(peek());
            if (v < 0)
                return false;
            code = code << 4 | uint(v);
            ++m_pos;
        }
        out += QChar(char16_t(code));
    } else if (c >= '0' && c <= '7') {
        uint code = uint(c - '0');
        for (int i = 0; i < 2 && peek() >= '0' && peek() <= '7'; ++i)
            code = code << 3 | uint(m_text.at(m_pos++) - '0');
        out += QChar(char16_t(code & 0xff));
    } else {
        out += QString::fromUtf8(&c, 1);
    }
    return true;
}

QVariant OpenStepPlistParser::parseBare()
{
    const qsizetype start = m_pos;
    while (!atEnd() && isBareChar(peek()))
        ++m_pos;
    if (m_pos == start)
        return QVariant();
    return QString::fromLatin1(m_text.constData() + start, m_pos - start);
}

}  // namespace sw
