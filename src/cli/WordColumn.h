// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// A table column holding one of a few fixed words ("on", "off"), shown in
// the user's language: as wide as the widest of them there, so that the
// columns after it line up in every language.
class WordColumn
{
public:
    explicit WordColumn(const QStringList &words);

    // word, padded to the column's width.
    QString cell(const QString &word) const;

    // How many terminal cells text takes: Chinese, Japanese and Korean
    // characters take two.
    static int displayWidth(const QString &text);
    // text, padded with spaces to width cells (left-aligned); longer text stays whole.
    static QString padded(const QString &text, int width);

private:
    int m_width = 0;
};
