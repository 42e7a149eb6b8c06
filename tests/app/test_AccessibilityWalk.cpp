// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/foundation/Translations.h"
#include "support/AccessibleWalk.h"
#include "support/PageTour.h"
#include "support/ToolWindow.h"

#include <QAbstractButton>
#include <QtTest>

namespace {

// The buttons of a window that answer the same Alt+letter: only the first
// of them could ever be reached with it.
QStringList sharedMnemonics(QWidget *window)
{
    QMap<QKeySequence, QString> taken;
    QStringList shared;
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        const QKeySequence key = QKeySequence::mnemonic(button->text());
        if (key.isEmpty() || !button->isVisible() || !button->isEnabled())
            continue;
        if (taken.contains(key))
            shared.append(QStringLiteral("\"%1\" and \"%2\" share %3")
                              .arg(taken.value(key), button->text(), key.toString()));
        taken.insert(key, button->text());
    }
    return shared;
}

} // namespace

// Every page of the main window as a screen reader meets it: each control a
// user acts on has a name, and every check box, drawn or not, tells whether
// it is ticked. The keys of a page's mnemonics are its own.
class TestAccessibilityWalk : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { sw::Translations::install(); }

    void everyPageNamesItsControlsAndTellsItsCheckMarks()
    {
        PageTour tour;
        PageTour::startOver();
        ToolWindow window;
        QVERIFY(window.exposed());
        QStringList faults;
        QStringList pages;
        tour.run(window.window, [&](const QString &page, QWidget *shown) {
            pages.append(page);
            for (const QString &fault : AccessibleWalk::faults(shown) + sharedMnemonics(shown))
                faults.append(page + QStringLiteral(": ") + fault);
        });
        // One line each: a long message would be cut.
        for (const QString &fault : std::as_const(faults))
            qWarning("%s", qPrintable(fault));
        QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("%1 faults").arg(faults.size())));
        qInfo("walked: %s", qPrintable(pages.join(QStringLiteral("; "))));
    }
};

QTEST_MAIN(TestAccessibilityWalk)
#include "test_AccessibilityWalk.moc"
