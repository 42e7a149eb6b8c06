// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dups/DupCopyMarks.h"

#include <QList>
#include <QRegularExpression>

namespace sw::dupmarks {

namespace {

// One row per mark, matched without regard to case against the name without
// its extensions. A translation adds the marks its desktop, file managers
// and office programs write, under its language.
struct Mark
{
    const char *language;  // "" for marks no language owns
    const char *pattern;
};

constexpr Mark kMarks[] = {
    // Browsers and most file managers number a second download or paste
    // (up to three digits: "Live (1999)" names a year).
    {"", R"( \(\d{1,3}\)$)"},
    // Desktop file managers: "(copy)", "(copy 2)", "(another copy)", "(3rd copy)".
    {"en", R"( \((?:copy|another copy|\d+(?:st|nd|rd|th) copy)(?: \d+)?\)$)"},
    // Windows Explorer: "- Copy", "- Copy (2)"; older versions: "Copy of", "Copy (2) of".
    {"en", R"( - copy(?: \(\d+\))?$)"},
    {"en", R"(^copy (?:\(\d+\) )?of .)"},
    // Finder and some editors: "copy", "copy 2".
    {"en", R"( copy(?: \d+)?$)"},
};

const QList<QRegularExpression> &marks()
{
    static const QList<QRegularExpression> compiled = [] {
        QList<QRegularExpression> list;
        for (const Mark &mark : kMarks)
            list.append(QRegularExpression(QString::fromUtf8(mark.pattern),
                                           QRegularExpression::CaseInsensitiveOption));
        return list;
    }();
    return compiled;
}

// "Photo (1).tar.gz" -> "Photo (1)"; "v1.2 copy.txt" -> "v1.2 copy": an
// extension holds no space, and two at most are taken off.
QString withoutExtensions(const QString &fileName)
{
    static const QRegularExpression extension(QStringLiteral(R"(\.[^.\s]{1,10}$)"));
    QString stem = fileName;
    for (int i = 0; i < 2; ++i) {
        const QRegularExpressionMatch match = extension.match(stem);
        if (!match.hasMatch() || match.capturedStart() == 0)
            break;
        stem.truncate(match.capturedStart());
    }
    return stem;
}

}  // namespace

bool hasCopyMark(const QString &fileName)
{
    const QString stem = withoutExtensions(fileName);
    for (const QRegularExpression &mark : marks())
        if (mark.match(stem).hasMatch())
            return true;
    return false;
}

}  // namespace sw::dupmarks
