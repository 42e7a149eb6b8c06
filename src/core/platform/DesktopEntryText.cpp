// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/DesktopEntryText.h"

namespace sw {

namespace {

const QByteArray kGroup = QByteArrayLiteral("[Desktop Entry]");

bool isHeader(const QByteArray &trimmed)
{
    return trimmed.startsWith('[') && trimmed.endsWith(']');
}

}  // namespace

template <typename Visit>
void DesktopEntryText::forEachKeyLine(const QByteArray &key, Visit visit) const
{
    bool inGroup = false;
    for (qsizetype begin = 0; begin < m_text.size();) {
        const qsizetype eol = m_text.indexOf('\n', begin);
        const qsizetype end = eol < 0 ? m_text.size() : eol + 1;
        const QByteArray line = m_text.sliced(begin, end - begin).trimmed();
        if (isHeader(line)) {
            inGroup = line == kGroup;
        } else if (inGroup && !line.startsWith('#')) {
            const qsizetype eq = line.indexOf('=');
            if (eq > 0 && line.first(eq).trimmed() == key && !visit(Line{begin, end}, line.sliced(eq + 1).trimmed()))
                return;
        }
        begin = end;
    }
}

qsizetype DesktopEntryText::bodyStart() const
{
    for (qsizetype begin = 0; begin < m_text.size();) {
        const qsizetype eol = m_text.indexOf('\n', begin);
        const qsizetype end = eol < 0 ? m_text.size() : eol + 1;
        if (m_text.sliced(begin, end - begin).trimmed() == kGroup)
            return end;
        begin = end;
    }
    return -1;
}

bool DesktopEntryText::hasGroup() const
{
    return bodyStart() >= 0;
}

QByteArray DesktopEntryText::value(const QByteArray &key) const
{
    QByteArray found;
    forEachKeyLine(key, [&](Line, const QByteArray &value) {
        found = value;
        return false;
    });
    return found;
}

bool DesktopEntryText::contains(const QByteArray &key) const
{
    bool found = false;
    forEachKeyLine(key, [&](Line, const QByteArray &) {
        found = true;
        return false;
    });
    return found;
}

void DesktopEntryText::setValue(const QByteArray &key, const QByteArray &value)
{
    const QByteArray assignment = key + '=' + value;
    QList<Line> lines = keyLines(key);
    if (!lines.isEmpty()) {
        const qsizetype begin = lines.takeFirst().begin;
        removeLines(lines);
        qsizetype end = m_text.indexOf('\n', begin);
        if (end < 0)
            end = m_text.size();
        if (end > begin && m_text.at(end - 1) == '\r')
            --end;
        m_text.replace(begin, end - begin, assignment);
        return;
    }
    qsizetype at = bodyStart();
    if (at < 0) {
        if (!m_text.isEmpty() && !m_text.endsWith('\n'))
            m_text += '\n';
        m_text += kGroup + '\n';
        at = m_text.size();
    }
    const bool crlf = at >= 2 && m_text.at(at - 2) == '\r' && m_text.at(at - 1) == '\n';
    if (at > 0 && m_text.at(at - 1) != '\n')
        m_text.insert(at, '\n' + assignment);  // a header that ends the file
    else
        m_text.insert(at, assignment + (crlf ? "\r\n" : "\n"));
}

void DesktopEntryText::remove(const QByteArray &key)
{
    removeLines(keyLines(key));
}

QList<DesktopEntryText::Line> DesktopEntryText::keyLines(const QByteArray &key) const
{
    QList<Line> lines;
    forEachKeyLine(key, [&](Line line, const QByteArray &) {
        lines.append(line);
        return true;
    });
    return lines;
}

void DesktopEntryText::removeLines(const QList<Line> &lines)
{
    // Last line first, so earlier positions stay valid.
    for (auto it = lines.crbegin(); it != lines.crend(); ++it) {
        qsizetype begin = it->begin;
        // A last line without its '\n' takes the one before it along.
        if (it->end == m_text.size() && !m_text.endsWith('\n') && begin > 0)
            --begin;
        m_text.remove(begin, it->end - begin);
    }
}

}  // namespace sw
