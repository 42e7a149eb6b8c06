// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/junk/ORJunkFilesCollection.h"
#include "gui/app/ORMainWinController.h"
#include "gui/controls/ORTableView.h"
#include "gui/controls/SYFlatButton.h"
#include "gui/controls/ThemeColors.h"
#include "gui/controls/ThemeFollower.h"
#include "gui/junk/ORJunkViewCter.h"
#include "gui/preference/GeneralPrefViewController.h"
#include "gui/preference/KeepPrefViewController.h"
#include "gui/preference/MASPreferencesWindowController.h"
#include "gui/preference/SchedulePrefViewController.h"
#include "gui/preference/SmartCleanPrefViewController.h"
#include "support/JunkFixture.h"

#include <QAbstractButton>
#include <QToolButton>
#include <QApplication>
#include <QLabel>
#include <QtTest>

#include <cmath>
#include <functional>

using sw::ThemeColors;
using sw::ThemeFollower;

namespace {

// WCAG 2's relative luminance and contrast ratio.
double luminance(const QColor &color)
{
    const auto linear = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) + 0.0722 * linear(color.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A dark palette as a desktop's platform theme gives it, not the program's own.
QPalette desktopDark()
{
    QPalette palette(QColor(0x35, 0x35, 0x35), QColor(0x2b, 0x2b, 0x2b));
    palette.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    palette.setColor(QPalette::Base, QColor(0x1d, 0x1d, 0x1d));
    palette.setColor(QPalette::AlternateBase, QColor(0x26, 0x26, 0x26));
    palette.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
    palette.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
    palette.setColor(QPalette::PlaceholderText, QColor(0x99, 0x99, 0x99));
    palette.setColor(QPalette::Highlight, QColor(0x2a, 0x6f, 0xc9));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    return palette;
}

// Undoes a palette set on the application: every role from Qt's own again.
void useQtsPalette()
{
    QPalette none(Qt::red);
    none.setResolveMask(0);
    QApplication::setPalette(none);
}

// Style sheets naming a colour that does not exist.
QStringList g_unknownColours;
QtMessageHandler g_previousHandler = nullptr;

void catchUnknownColours(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("Unknown colour")))
        g_unknownColours.append(message);
    g_previousHandler(type, context, message);
}

// What the pages show a user, each text with the contrast it has against the
// ground it is drawn on, as the window's pixels have it.
class ContrastSurvey
{
public:
    explicit ContrastSurvey(QWidget *window) : m_window(window) {}

    // Every text shown in the window now: labels, buttons (the sidebar's
    // too) and the rows of the tables. Disabled controls are not read.
    void readWindow(const QString &where)
    {
        m_shot = m_window->grab().toImage();
        for (QLabel *label : m_window->findChildren<QLabel *>())
            if (shown(label) && !label->text().trimmed().isEmpty())
                readText(
                    where, label, [label](const QString &text) { label->setText(text); }, label->text());
        for (QAbstractButton *button : m_window->findChildren<QAbstractButton *>())
            if (shown(button) && !button->text().trimmed().isEmpty() && !iconOnly(button))
                readText(
                    where, button, [button](const QString &text) { button->setText(text); }, button->text());
        for (ORTableView *table : m_window->findChildren<ORTableView *>())
            if (shown(table))
                readRows(where, table);
    }

    qsizetype readings() const { return m_readings.size(); }
    // The texts under 4.5:1 (3:1 for large ones), one line each.
    QStringList unreadable() const
    {
        QStringList lines;
        for (const Reading &reading : m_readings)
            if (reading.ratio < reading.least)
                lines.append(QStringLiteral("%1: %2 %3")
                                 .arg(reading.what)
                                 .arg(reading.ratio, 0, 'f', 2)
                                 .arg(reading.colours));
        return lines;
    }

private:
    struct Reading
    {
        QString what;
        double ratio;
        double least;
        QString colours;
    };

    // Disabled controls need not read (nor do they, by design).
    bool shown(const QWidget *widget) const
    {
        return widget->isVisibleTo(m_window) && widget->isEnabled() && widget->width() > 2 &&
               widget->height() > 2;
    }

    // A tool button drawn as its icon alone shows no text (its text is what
    // a screen reader says).
    static bool iconOnly(const QAbstractButton *button)
    {
        const auto *tool = qobject_cast<const QToolButton *>(button);
        return tool && (tool->toolButtonStyle() == Qt::ToolButtonIconOnly || button->inherits("QLineEditIconButton"));
    }

    // Large text (18 points, or 14 bold) reads at 3:1.
    static double leastFor(const QFont &font)
    {
        const qreal points = QFontInfo(font).pointSizeF();
        return points >= 18 || (points >= 14 && font.weight() >= QFont::DemiBold) ? 3.0 : 4.5;
    }

    QRect rectOf(const QWidget *widget) const
    {
        return QRect(widget->mapTo(m_window, QPoint(0, 0)), widget->size()).intersected(m_shot.rect());
    }

    // The text's pixels are those that change when the text goes; of them,
    // the one farthest from the ground under it is the text's colour (the
    // others are its antialiased edges).
    void readText(const QString &where, QWidget *widget, const std::function<void(const QString &)> &setText,
                  const QString &text)
    {
        setText(QString());
        const QImage bare = m_window->grab().toImage();
        setText(text);
        Best best;
        const QRect area = rectOf(widget);
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (m_shot.pixel(x, y) != bare.pixel(x, y))
                    best.offer(m_shot.pixelColor(x, y), bare.pixelColor(x, y));
        record(where + QLatin1Char(' ') + widget->metaObject()->className() + QStringLiteral(" \"") +
                   text.left(40) + QLatin1Char('"'),
               best, leastFor(widget->font()));
    }

    // A row's texts lie right of its check and icon; its ground shows in the
    // padding at its right end.
    void readRows(const QString &where, ORTableView *table)
    {
        QAbstractItemModel *model = table->model();
        for (int row = 0; model && row < qMin(model->rowCount(), 4); ++row) {
            const QRect cell = table->visualRect(model->index(row, 0));
            if (cell.isEmpty())
                continue;
            const QRect inWindow(table->viewport()->mapTo(m_window, cell.topLeft()), cell.size());
            const QColor ground = m_shot.pixelColor(inWindow.right() - 3, inWindow.center().y());
            Best best;
            for (int y = inWindow.top() + 2; y < inWindow.bottom() - 2; ++y)
                for (int x = inWindow.left() + 76; x < inWindow.right() - 40; ++x)
                    best.offer(m_shot.pixelColor(x, y), ground);
            record(QStringLiteral("%1 %2 row %3").arg(where, table->objectName()).arg(row), best, 4.5);
        }
    }

    struct Best
    {
        double ratio = 0;
        QColor text, ground;
        void offer(const QColor &pixel, const QColor &under)
        {
            const double ratio = contrast(pixel, under);
            if (ratio > this->ratio) {
                this->ratio = ratio;
                text = pixel;
                ground = under;
            }
        }
    };

    void record(const QString &what, const Best &best, double least)
    {
        m_readings.append(
            {what, best.ratio, least, best.text.name() + QStringLiteral(" on ") + best.ground.name()});
    }

    QWidget *m_window;
    QImage m_shot;
    QList<Reading> m_readings;
};

} // namespace

// The named colours, and every page of the window read in a light and in a
// dark palette: the main texts at 4.5:1 against what they are drawn on.
class TestThemeColors : public QObject
{
    Q_OBJECT

private:
    // Long enough for the sidebar's fades to end.
    static constexpr int kSettle = 300;
    std::unique_ptr<JunkFixture> m_fixture;

    // Each tool's first page, the junk result (a table of groups and one of
    // items) and the preferences, read as they are on screen.
    static QStringList lowContrastTexts(ORMainWinController &window)
    {
        ContrastSurvey survey(&window);
        for (SYFlatButton *button : window.buttonArr()) {
            if (!button->isEnabled())
                continue;
            window.next(button->property("tag").toLongLong());
            QTest::qWait(kSettle);
            survey.readWindow(button->objectName());
        }
        window.next(sw::JunkScanPage);
        qobject_cast<ORJunkViewCter *>(window.pageController(sw::JunkScanPage))->startBut()->click();
        if (!QTest::qWaitFor([&window] { return window.currentPage() == sw::JunkResultPage; }))
            return {QStringLiteral("the junk scan did not end on its result")};
        QTest::qWait(kSettle);
        survey.readWindow(QStringLiteral("junk result"));

        MASPreferencesWindowController preferences(
            {new GeneralPrefViewController, new SmartCleanPrefViewController, new KeepPrefViewController,
             new SchedulePrefViewController},
            QStringLiteral("Preferences"));
        preferences.show();
        QTest::qWait(kSettle);
        ContrastSurvey preferencesSurvey(&preferences);
        preferencesSurvey.readWindow(QStringLiteral("preferences"));

        if (survey.readings() < 60 || preferencesSurvey.readings() < 5)
            return {QStringLiteral("too few texts read: %1")
                        .arg(survey.readings() + preferencesSurvey.readings())};
        return survey.unreadable() + preferencesSurvey.unreadable();
    }

    // A failure's message is cut short: every text under the ratio is logged.
    static void expectReadable(const QStringList &low)
    {
        for (const QString &line : low)
            qWarning("%s", qPrintable(line));
        QVERIFY2(low.isEmpty(), qPrintable(QStringLiteral("%1 texts do not read").arg(low.size())));
    }

private slots:
    void initTestCase()
    {
        g_previousHandler = qInstallMessageHandler(catchUnknownColours);
        QVERIFY2(!ThemeColors::isDark(), "Qt's own palette offscreen is light");
    }

    void init()
    {
        g_unknownColours.clear();
        m_fixture = std::make_unique<JunkFixture>();
        ORJunkFilesCollection::shareInstance().startOver();
    }

    void cleanup()
    {
        useQtsPalette();
        ORJunkFilesCollection::shareInstance().startOver();
        m_fixture.reset();
        QVERIFY2(g_unknownColours.isEmpty(), qPrintable(g_unknownColours.join(QLatin1Char('\n'))));
    }

    // Each text colour on each ground it is used on, in both palettes.
    void textsReadOnTheirGrounds_data()
    {
        QTest::addColumn<int>("text");
        QTest::addColumn<int>("ground");
        QTest::addColumn<double>("least");
        const struct
        {
            const char *name;
            ThemeColors::Role text, ground;
            double least;
        } pairs[] = {
            {"text on the content", ThemeColors::Text, ThemeColors::Surface, 4.5},
            {"text on a card", ThemeColors::Text, ThemeColors::Card, 4.5},
            {"text on the group pane", ThemeColors::Text, ThemeColors::Pane, 4.5},
            {"text on a field", ThemeColors::Text, ThemeColors::Field, 4.5},
            {"text on a list", ThemeColors::Text, ThemeColors::List, 4.5},
            {"text on a badge", ThemeColors::Text, ThemeColors::Badge, 4.5},
            {"text on a chosen item", ThemeColors::Text, ThemeColors::AccentTint, 4.5},
            {"text on a chosen list item", ThemeColors::Text, ThemeColors::AccentRing, 4.5},
            {"text on a hovered row", ThemeColors::Text, ThemeColors::RowHover, 4.5},
            {"muted on the content", ThemeColors::Muted, ThemeColors::Surface, 4.5},
            {"muted on the group pane", ThemeColors::Muted, ThemeColors::Pane, 4.5},
            {"muted on a hovered row", ThemeColors::Muted, ThemeColors::RowHover, 4.5},
            {"muted on a chosen item", ThemeColors::Muted, ThemeColors::AccentTint, 4.5},
            {"muted on a document's ground", ThemeColors::Muted, ThemeColors::Sunken, 4.5},
            {"muted on a field", ThemeColors::Muted, ThemeColors::Field, 4.5},
            {"sidebar label", ThemeColors::SidebarText, ThemeColors::Sidebar, 4.5},
            {"selected sidebar label", ThemeColors::OnAccent, ThemeColors::Accent, 4.5},
            {"main button", ThemeColors::OnAccent, ThemeColors::AccentHover, 4.5},
            {"chosen group row", ThemeColors::OnAccent, ThemeColors::SelectedRow, 4.5},
            {"notice", ThemeColors::NoticeText, ThemeColors::Notice, 4.5},
            {"error", ThemeColors::Danger, ThemeColors::Surface, 4.5},
            {"warning", ThemeColors::Warning, ThemeColors::Surface, 4.5},
            // Figures of 14 points and more, bold: large text.
            {"accent figure", ThemeColors::AccentText, ThemeColors::Surface, 3.0},
            {"accent figure on a card", ThemeColors::AccentText, ThemeColors::Card, 3.0},
        };
        for (const auto &pair : pairs)
            QTest::newRow(pair.name) << int(pair.text) << int(pair.ground) << pair.least;
    }

    void textsReadOnTheirGrounds()
    {
        QFETCH(int, text);
        QFETCH(int, ground);
        QFETCH(double, least);
        for (bool dark : {false, true}) {
            const double ratio = contrast(ThemeColors::of(ThemeColors::Role(text), dark),
                                          ThemeColors::of(ThemeColors::Role(ground), dark));
            QVERIFY2(ratio >= least,
                     qPrintable(QStringLiteral("%1: %2").arg(dark ? "dark" : "light").arg(ratio)));
        }
    }

    void unknownColourNamesAreLeftAndWarned()
    {
        QCOMPARE(
            ThemeColors::sheet(u"color:@text; background:@nosuch;"),
            QStringLiteral("color:%1; background:@nosuch;").arg(ThemeColors::of(ThemeColors::Text).name()));
        QCOMPARE(g_unknownColours.size(), 1);
        g_unknownColours.clear();
    }

    // A palette set while the program runs reaches styled and painted widgets.
    void styledWidgetsFollowARunTimePalette()
    {
        QWidget top;
        auto *label = new QLabel(QStringLiteral("Junk"), &top);
        ThemeFollower::style(label, QStringLiteral("color:@text; background:@surface;"));
        int repaints = 0;
        ThemeFollower::follow(label, [&repaints] { ++repaints; });
        top.show();
        const QColor lightText = label->palette().color(QPalette::WindowText);
        QCOMPARE(lightText, ThemeColors::of(ThemeColors::Text, false));
        const int before = repaints;
        QApplication::setPalette(desktopDark());
        QTRY_COMPARE(label->palette().color(QPalette::WindowText), ThemeColors::of(ThemeColors::Text, true));
        QVERIFY(repaints > before);
        QVERIFY2(repaints < before + 10, "restyling must not feed itself");
        useQtsPalette();
        QTRY_COMPARE(label->palette().color(QPalette::WindowText), lightText);
    }

    // The window is made in Qt's light palette; the dark ones are set on the
    // application afterwards, as a desktop switching does.
    void pagesReadInBothPalettes_data()
    {
        QTest::addColumn<QPalette>("palette");
        QTest::newRow("light") << QPalette();
        QTest::newRow("a desktop's dark") << desktopDark();
        QTest::newRow("the program's dark") << ThemeColors::darkPalette();
    }

    void pagesReadInBothPalettes()
    {
        QFETCH(QPalette, palette);
        ORMainWinController window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        if (palette.resolveMask() != 0)
            QApplication::setPalette(palette);
        expectReadable(lowContrastTexts(window));
    }

    void pagesMadeInTheDarkRead()
    {
        QApplication::setPalette(desktopDark());
        ORMainWinController window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        expectReadable(lowContrastTexts(window));
    }
};

QTEST_MAIN(TestThemeColors)
#include "test_ThemeColors.moc"
