// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/foundation/Translations.h"
#include "support/PageTour.h"
#include "support/TextFit.h"
#include "support/ToolWindow.h"

#include <QLibraryInfo>
#include <QTranslator>
#include <QtTest>

#include <algorithm>
#include <memory>

namespace {

// Start Over in a language far more long-winded than any we ship.
class LongerTexts : public QTranslator
{
public:
    static constexpr char kStartOver[] =
        "Alles verwerfen und noch einmal ganz von vorne mit dem Suchen beginnen";

    QString translate(const char *context, const char *source, const char *, int) const override
    {
        return qstrcmp(context, "sw::ResultBottomBar") == 0 && qstrcmp(source, "Start &Over") == 0
                   ? QString::fromUtf8(kStartOver)
                   : QString();
    }
    bool isEmpty() const override { return false; }
};

} // namespace

// Every page of the main window at its default size, with a font half as
// large again as the desktop's and in every language the program ships:
// no text needs more room than its widget gives it (TextFit), and no page
// needs a larger window.
class TestTextFits : public QObject
{
    Q_OBJECT

private:
    static void report(const QStringList &faults)
    {
        // One line each: a long message would be cut.
        for (const QString &fault : faults)
            qWarning("%s", qPrintable(fault));
        QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("%1 texts do not fit").arg(faults.size())));
    }
    // Tours the pages with locale as the default; the faults name the page,
    // the widget and the text.
    static QStringList tourFaults(const QString &setting, const QLocale &locale = QLocale())
    {
        const QLocale previous;
        QLocale::setDefault(locale);
        const auto restore = qScopeGuard([previous] { QLocale::setDefault(previous); });
        PageTour tour;
        PageTour::startOver();
        ToolWindow window;
        if (!window.exposed())
            return {setting + QStringLiteral(": the window was not shown")};
        const QSize defaultSize = window.window.size();
        QStringList faults;
        tour.run(window.window, [&](const QString &page, QWidget *shown) {
            const QString where = setting + QStringLiteral(", ") + page + QStringLiteral(": ");
            if (shown == &window.window && window.window.size() != defaultSize)
                faults.append(where + QStringLiteral("the window grew to %1x%2")
                                          .arg(window.window.width())
                                          .arg(window.window.height()));
            for (const QString &fault : TextFit::clipped(shown))
                faults.append(where + fault);
        });
        return faults;
    }

    // Loads a translation as the program does; false when there is none.
    static bool install(std::vector<std::unique_ptr<QTranslator>> &held, const QString &name,
                        const QString &folder, const QLocale &locale = QLocale::c())
    {
        auto translator = std::make_unique<QTranslator>();
        const bool loaded = locale == QLocale::c()
                                ? translator->load(name, folder)
                                : translator->load(locale, name, QStringLiteral("_"), folder);
        if (!loaded || !QCoreApplication::installTranslator(translator.get()))
            return false;
        held.push_back(std::move(translator));
        return true;
    }

private slots:
    void initTestCase() { sw::Translations::install(); }

    void textsFitAtOneAndAHalfTimesTheFontSize()
    {
        const QFont original = QApplication::font();
        QFont large = original;
        large.setPointSizeF(original.pointSizeF() * 1.5);
        QApplication::setFont(large);
        const QStringList faults = tourFaults(QStringLiteral("font x1.5"));
        QApplication::setFont(original);
        report(faults);
    }

    void textsFitInEveryLanguage_data()
    {
        QTest::addColumn<QString>("language");
        for (const char *language : {"de", "es", "fr", "ja", "pt_BR", "ru", "zh_CN"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }
    // The translations are installed before the window is made, as at start:
    // the program's plural forms, the language's own texts and Qt's. A
    // language without a finished text yet has a translation file that
    // loads nothing, and shows in English, as the program does then.
    void textsFitInEveryLanguage()
    {
        QFETCH(QString, language);
        const QLocale locale(language);
        std::vector<std::unique_ptr<QTranslator>> held;
        QVERIFY(QFile::exists(QStringLiteral(":/i18n/sweepwright_%1.qm").arg(language)));
        QVERIFY(install(held, QStringLiteral("sweepwright_en"), QStringLiteral(":/i18n")));
        if (!install(held, QStringLiteral("sweepwright_") + language, QStringLiteral(":/i18n")))
            qInfo("%s: no finished text yet, the pages show in English", qPrintable(language));
        install(held, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath), locale);
        report(tourFaults(language, locale));
        for (const auto &translator : held)
            QCoreApplication::removeTranslator(translator.get());
    }

    // The test itself: a translation longer than its button is named with
    // the language, the page, the widget and the text.
    void anOverlongTranslationIsNamed()
    {
        LongerTexts longer;
        QCoreApplication::installTranslator(&longer);
        const QStringList faults = tourFaults(QStringLiteral("overlong"), QLocale());
        QCoreApplication::removeTranslator(&longer);
        const QString expected =
            QStringLiteral("overlong, Junk: results: QPushButton \"startOverBut\" \"%1\" needs")
                .arg(LongerTexts::kStartOver);
        QVERIFY2(std::any_of(faults.cbegin(), faults.cend(),
                             [&](const QString &fault) { return fault.startsWith(expected); }),
                 qPrintable(faults.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestTextFits)
#include "test_TextFits.moc"
