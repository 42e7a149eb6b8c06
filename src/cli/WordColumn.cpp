// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/WordColumn.h"

#include <algorithm>

WordColumn::WordColumn(const QStringList &words)
{
    for (const QString &word : words)
        m_width = std::max(m_width, word.size());
}

QString WordColumn::cell(const QString &word) const
{
    return word.leftJustified(m_width);
}
