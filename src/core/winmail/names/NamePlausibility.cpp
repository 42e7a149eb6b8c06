// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/winmail/names/NamePlausibility.h"

#include <QChar>
#include <QList>

namespace sw {

namespace {

bool isOddCharacter(char32_t c)
{
    // Half-width 。「」、・: never typed in names, but what EUC-JP's kana
    // rows (lead bytes A1 to A5) turn into when read as Shift JIS.
    if (c >= 0xFF61 && c <= 0xFF65)
        return true;
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Other_PrivateUse:
    case QChar::Other_NotAssigned:
    case QChar::Symbol_Math:
    case QChar::Symbol_Currency:
    case QChar::Symbol_Modifier:
    case QChar::Symbol_Other:
    case QChar::Number_Other:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    case QChar::Separator_Space:
        return c != U' ' && c != U'\u3000';
    default:
        return false;
    }
}

// Japanese writes Han, hiragana and katakana in one word, Korean may put
// Han among Hangul: only a change between other scripts is odd.
bool isEastAsian(QChar::Script script)
{
    return script == QChar::Script_Han || script == QChar::Script_Hiragana || script == QChar::Script_Katakana
           || script == QChar::Script_Hangul;
}

bool isSpecificScript(QChar::Script script)
{
    return script != QChar::Script_Common && script != QChar::Script_Inherited && script != QChar::Script_Unknown;
}

bool isOddNeighbour(char32_t previous, char32_t letter)
{
    if (previous < 0x80 && letter < 0x80)
        return false; // as in every encoding here: no help in telling them apart
    const QChar::Script a = QChar::script(previous);
    const QChar::Script b = QChar::script(letter);
    if (a != b && isSpecificScript(a) && isSpecificScript(b) && !(isEastAsian(a) && isEastAsian(b)))
        return true;
    return QChar::isLower(previous) && (QChar::isUpper(letter) || QChar::isTitleCase(letter));
}

} // namespace

int NamePlausibility::implausibleCharacters(QStringView name)
{
    int odd = 0;
    char32_t previousLetter = 0; // in the current word; 0 at its start
    for (const char32_t c : name.toUcs4()) {
        if (QChar::isLetter(c)) {
            if (previousLetter && isOddNeighbour(previousLetter, c))
                ++odd;
            previousLetter = c;
            continue;
        }
        if (QChar::isMark(c))
            continue; // a combining mark belongs to its letter
        previousLetter = 0;
        if (isOddCharacter(c))
            ++odd;
    }
    return odd;
}

} // namespace sw
