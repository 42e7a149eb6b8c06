// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/foundation/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace sw {

namespace {

// Owned by the application object, so they go when it goes.
bool installFrom(const QString &name, const QString &folder, const QLocale &locale = QLocale::c())
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    const bool loaded = locale == QLocale::c()
                            ? translator->load(name, folder)
                            : translator->load(locale, name, QStringLiteral("_"), folder);
    if (!loaded || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

}  // namespace

void Translations::install()
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app || app->property("sweepwrightTranslations").toBool())
        return;
    app->setProperty("sweepwrightTranslations", true);
    // A folder of .qm files named in SWEEPWRIGHT_TRANSLATIONS is looked in
    // before the compiled-in ones: a translation is tried without a rebuild,
    // and the tests check with one that every text shown is looked up.
    const QString given = qEnvironmentVariable("SWEEPWRIGHT_TRANSLATIONS");
    const auto installOurs = [&given](const QString &name, const QLocale &locale = QLocale::c()) {
        return (!given.isEmpty() && installFrom(name, given, locale))
               || installFrom(name, QStringLiteral(":/i18n"), locale);
    };
    installOurs(QStringLiteral("sweepwright_en"));
    // The system locale's languages come from LANGUAGE, then LC_ALL,
    // LC_MESSAGES and LANG; the first with a translation of ours wins.
    const QLocale locale;
    if (locale.language() != QLocale::C)
        installOurs(QStringLiteral("sweepwright"), locale);
    installFrom(QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath), locale);
}

}  // namespace sw
