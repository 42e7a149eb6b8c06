// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/DesktopColorScheme.h"
#include "gui/controls/ThemeColors.h"
#include "support/SettingsPortalStandIn.h"

#include <QApplication>
#include <QtTest>

using sw::DesktopColorScheme;
using sw::ThemeColors;

// The desktop's light or dark choice, told by a stand-in settings portal on
// a bus of its own, against the light palette Qt gives offscreen.
class TestDesktopColorScheme : public QObject
{
    Q_OBJECT

private:
    QColor m_qtWindow; // the window colour of Qt's own palette

    static bool dark() { return ThemeColors::isDark(QGuiApplication::palette()); }
    static QColor window() { return QGuiApplication::palette().color(QPalette::Window); }

private slots:
    void initTestCase()
    {
        m_qtWindow = window();
        QVERIFY2(!dark(), "Qt's own palette offscreen is light");
    }

    // Every test starts from Qt's own palette.
    void cleanup()
    {
        QPalette qtOwn(Qt::red); // a palette of its own that sets no role
        qtOwn.setResolveMask(0);
        QApplication::setPalette(qtOwn);
        QCOMPARE(window(), m_qtWindow);
    }

    // First of the tests that start a portal: the program is told of a
    // change before it has read any value (the change was lost then).
    void followsTheDesktopWhileRunning()
    {
        swtest::SettingsPortalStandIn portal;
        QVERIFY(portal.start(DesktopColorScheme::PreferLight));
        DesktopColorScheme scheme(portal.connection());
        scheme.follow();
        QVERIFY(!dark());
        portal.change("1");
        QTRY_VERIFY(dark());
        portal.change("2");
        QTRY_VERIFY(!dark());
        QCOMPARE(window(), m_qtWindow);
        // A change of another setting (its value 1 too) is not one of the scheme.
        portal.change("other");
        QTest::qWait(300);
        QVERIFY(!dark());
        portal.change("1");
        QTRY_VERIFY(dark());
        portal.change("0");
        QTRY_COMPARE(window(), m_qtWindow);
    }

    void noPortalLeavesQtsPalette()
    {
        swtest::SettingsPortalStandIn portal;
        QVERIFY(portal.hasBus());
        DesktopColorScheme scheme(portal.connection());
        scheme.follow();
        QCOMPARE(window(), m_qtWindow);
    }

    void startsInTheDesktopsScheme_data()
    {
        QTest::addColumn<int>("desktop");
        QTest::addColumn<bool>("dark");
        QTest::newRow("dark") << int(DesktopColorScheme::PreferDark) << true;
        QTest::newRow("light") << int(DesktopColorScheme::PreferLight) << false;
        QTest::newRow("no preference") << int(DesktopColorScheme::NoPreference) << false;
    }

    void startsInTheDesktopsScheme()
    {
        QFETCH(int, desktop);
        QFETCH(bool, dark);
        swtest::SettingsPortalStandIn portal;
        QVERIFY(portal.start(desktop));
        DesktopColorScheme scheme(portal.connection());
        scheme.follow();
        QCOMPARE(TestDesktopColorScheme::dark(), dark);
        if (dark)
            QCOMPARE(window(), ThemeColors::darkPalette().color(QPalette::Window));
    }

    // A platform theme that is dark already (KDE's, qt6ct's) is the user's
    // own choice of colours: neither replaced nor taken away.
    void leavesADarkPaletteQtGave()
    {
        QPalette desktops(QColor(0x3a, 0x3a, 0x3a), QColor(0x2b, 0x2b, 0x2b));
        QApplication::setPalette(desktops);
        swtest::SettingsPortalStandIn portal;
        QVERIFY(portal.start(DesktopColorScheme::PreferDark));
        DesktopColorScheme scheme(portal.connection());
        scheme.follow();
        QCOMPARE(window(), QColor(0x2b, 0x2b, 0x2b));
        portal.change("2");
        QTest::qWait(300);
        QCOMPARE(window(), QColor(0x2b, 0x2b, 0x2b));
    }
};

QTEST_MAIN(TestDesktopColorScheme)
#include "test_DesktopColorScheme.moc"
