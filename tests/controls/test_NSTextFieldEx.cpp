// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <QAction>
#include <QClipboard>

#include "gui/controls/NSTextFieldEx.h"

// The field sits in a window whose actions want the same keys.
struct Window
{
    Window()
    {
        field = new NSTextFieldEx(&widget);
        for (const QKeySequence &keys : {QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
                                         QKeySequence(Qt::CTRL | Qt::Key_A)}) {
            auto *action = new QAction(&widget);
            action->setShortcut(keys);
            QObject::connect(action, &QAction::triggered, &widget, [this, keys] { triggered.append(keys); });
            widget.addAction(action);
        }
        widget.show();
        activate();
        field->setFocus();
    }
    void activate()
    {
        widget.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&widget));
    }
    QWidget widget;
    NSTextFieldEx *field = nullptr;
    QList<QKeySequence> triggered;
};

class TestNSTextFieldEx : public QObject
{
    Q_OBJECT

private slots:
    void init() { QApplication::clipboard()->setText(QStringLiteral("before")); }

    void commandKeysEditTheField_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QString>("textAfter");
        QTest::addColumn<QString>("clipboardAfter");
        QTest::addColumn<QString>("selectedAfter");
        // "Sweep the cache" with "cache" selected
        QTest::newRow("copy") << int(Qt::Key_C) << false << "Sweep the cache" << "cache" << "cache";
        QTest::newRow("cut") << int(Qt::Key_X) << false << "Sweep the " << "cache" << "";
        QTest::newRow("paste") << int(Qt::Key_V) << false << "Sweep the before" << "before" << "";
        QTest::newRow("select all") << int(Qt::Key_A) << false << "Sweep the cache" << "before" << "Sweep the cache";
        QTest::newRow("read-only cut does nothing") << int(Qt::Key_X) << true << "Sweep the cache" << "before" << "cache";
        QTest::newRow("read-only copy") << int(Qt::Key_C) << true << "Sweep the cache" << "cache" << "cache";
        QTest::newRow("read-only paste does nothing") << int(Qt::Key_V) << true << "Sweep the cache" << "before" << "cache";
    }
    void commandKeysEditTheField()
    {
        QFETCH(int, key);
        QFETCH(bool, readOnly);
        QFETCH(QString, textAfter);
        QFETCH(QString, clipboardAfter);
        QFETCH(QString, selectedAfter);
        Window window;
        window.field->setText(QStringLiteral("Sweep the cache"));
        window.field->setSelection(10, 5);
        window.field->setReadOnly(readOnly);

        QTest::keyClick(window.field, Qt::Key(key), Qt::ControlModifier);

        QCOMPARE(window.field->text(), textAfter);
        QCOMPARE(QApplication::clipboard()->text(), clipboardAfter);
        QCOMPARE(window.field->selectedText(), selectedAfter);
        QVERIFY(window.triggered.isEmpty()); // the window's own Ctrl+C / Ctrl+A never fired
    }

    void otherCombinationsGoToTheWindow()
    {
        Window window;
        window.field->setText(QStringLiteral("Sweep the cache"));
        window.field->selectAll();

        QTest::keyClick(window.field, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);

        QCOMPARE(window.triggered, QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)});
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("before"));
    }

    void plainKeysStillType()
    {
        Window window;
        QTest::keyClicks(window.field, QStringLiteral("ca"));
        QTest::keyClick(window.field, 'C', Qt::ShiftModifier);
        QCOMPARE(window.field->text(), QStringLiteral("caC"));
    }
};

QTEST_MAIN(TestNSTextFieldEx)
#include "test_NSTextFieldEx.moc"
