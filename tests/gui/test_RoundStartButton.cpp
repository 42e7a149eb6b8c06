#include "RoundStartButton.h"

#include <QLineEdit>
#include <QVBoxLayout>
#include <QtTest>

// The round start button wears its round ring only when the keyboard put the
// focus on it.
class TestRoundStartButton : public QObject
{
    Q_OBJECT

private slots:
    void ringOnlyForKeyboardFocus()
    {
        QWidget page;
        auto *column = new QVBoxLayout(&page);
        auto *field = new QLineEdit(&page);
        auto *button = new sw::RoundStartButton(QStringLiteral("Start"), &page);
        column->addWidget(field);
        column->addWidget(button);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        // Through the page: grabbing the button alone would fill its square
        // with its own background.
        const auto shot = [&page, button] { return page.grab(button->geometry()).toImage(); };
        const auto ringPixel = [&shot] {
            // On the circle's left edge, mid-height: the ring, or the light border.
            const QImage image = shot();
            return image.pixelColor(2, image.height() / 2);
        };
        const QColor corner = shot().pixelColor(1, 1);
        QVERIFY(corner != QColor(0x44, 0xba, 0x03));  // outside the circle
        const QColor without = ringPixel();

        field->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(field, Qt::Key_Tab);
        QVERIFY(button->hasFocus());
        QVERIFY(button->showsFocusRing());
        QCOMPARE(ringPixel().green(), 154);
        QVERIFY(ringPixel() != without);
        // Corners stay clear: the ring is round, not the style's square frame.
        QCOMPARE(shot().pixelColor(1, 1), corner);

        field->setFocus(Qt::MouseFocusReason);
        button->setFocus(Qt::MouseFocusReason);
        QVERIFY(!button->showsFocusRing());
        QCOMPARE(ringPixel(), without);
    }
};

QTEST_MAIN(TestRoundStartButton)
#include "test_RoundStartButton.moc"
