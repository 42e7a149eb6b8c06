// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace sw {

// The text of a .desktop file edited in place: keys of its [Desktop Entry]
// group are set or removed line by line, and every other byte (comments,
// other groups, localized keys, line ends, the order) stays as it was. So a
// key written and removed again leaves the file exactly as it was found.
class DesktopEntryText
{
public:
    explicit DesktopEntryText(QByteArray text) : m_text(std::move(text)) {}

    const QByteArray &text() const { return m_text; }
    bool hasGroup() const;
    // The value as written (not unescaped); empty when absent.
    QByteArray value(const QByteArray &key) const;
    bool contains(const QByteArray &key) const;

    // Replaces the first line of key in the group, or adds one right below
    // the group's header (a group is added when there is none). Lines of key
    // after the first one go.
    void setValue(const QByteArray &key, const QByteArray &value);
    // Removes every line of key in the group.
    void remove(const QByteArray &key);

private:
    struct Line
    {
        qsizetype begin = 0;
        qsizetype end = 0;  // past the line's '\n', or the end of the text
    };
    // Calls visit for each key=value line of the group; stops when it
    // returns false.
    template <typename Visit>
    void forEachKeyLine(const QByteArray &key, Visit visit) const;
    QList<Line> keyLines(const QByteArray &key) const;
    void removeLines(const QList<Line> &lines);  // in text order
    qsizetype bodyStart() const;  // just past the header line; -1 without a group

    QByteArray m_text;
};

}  // namespace sw
