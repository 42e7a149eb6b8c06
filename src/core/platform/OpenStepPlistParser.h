// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QVariant>

namespace sw {

// The old text property-list format: { key = value; }, ( a, b ), "quoted"
// and bare strings, <0fbd 77> data, // and /* */ comments. A top level of
// bare "key = value;" pairs (a strings file) reads as a dictionary. Every
// scalar is a string, as the format has no other types.
//
// Recursive descent with a depth limit; any syntax error gives an invalid
// QVariant.
class OpenStepPlistParser
{
public:
    static QVariant parse(const QByteArray &text);

private:
    explicit OpenStepPlistParser(const QByteArray &text) : m_text(text) {}

    QVariant parseValue(int depth);
    QVariant parseDictionaryBody(char terminator, int depth);
    QVariant parseArray(int depth);
    QVariant parseData();
    QVariant parseQuoted();
    QVariant parseBare();
    bool parseEscape(QString &out);
    bool skipSpace();  // false on an unterminated comment
    bool atEnd() const { return m_pos >= m_text.size(); }
    char peek() const { return atEnd() ? '\0' : m_text.at(m_pos); }

    const QByteArray &m_text;
    qsizetype m_pos = 0;
};

}  // namespace sw
