// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/winmail/names/UserLanguage.h"

#include <QLocale>

namespace sw {

QString UserLanguage::current()
{
    // The order gettext and the C library look in for the language of
    // messages, which is what a user set when they set any of these.
    for (const char *variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString language = ofLocaleName(qEnvironmentVariable(variable));
        if (!language.isEmpty())
            return language;
    }
    const QString system = ofLocaleName(QLocale::system().name());
    return system.isEmpty() ? QStringLiteral("c") : system;
}

QString UserLanguage::ofLocaleName(const QString &localeName)
{
    QString language = localeName.section(QLatin1Char(':'), 0, 0).trimmed();
    // Cut at the first of territory, code set and modifier.
    const QLatin1String separators("_.@-");
    for (qsizetype i = 0; i < language.size(); ++i) {
        if (separators.contains(language.at(i))) {
            language.truncate(i);
            break;
        }
    }
    language = language.toLower();
    return language == QLatin1String("posix") ? QStringLiteral("c") : language;
}

} // namespace sw
