// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "gui/controls/SYFlatButton.h"

namespace {

QPoint inside(const QWidget &w) { return w.rect().center(); }
QPoint outside(const QWidget &w) { return QPoint(w.width() + 20, w.height() / 2); }

void pressAt(QWidget &w, QPoint pos) { QTest::mousePress(&w, Qt::LeftButton, {}, pos); }
void releaseAt(QWidget &w, QPoint pos) { QTest::mouseRelease(&w, Qt::LeftButton, {}, pos); }
void moveTo(QWidget &w, QPoint pos)
{
    QMouseEvent move(QEvent::MouseMove, pos, w.mapToGlobal(pos), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &move);
}

// A button of 100 x 40 and a record of its clicks.
struct Pressable
{
    explicit Pressable(bool momentary = false)
    {
        button.setText(QStringLiteral("Go"));
        button.resize(100, 40);
        button.setMomentary(momentary);
    }
    SYFlatButton button;
    QSignalSpy clicked{&button, &QAbstractButton::clicked};
};

QIcon solidIcon(QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::black);
    return QIcon(pixmap);
}

} // namespace

class TestSYFlatButton : public QObject
{
    Q_OBJECT

private slots:
    void clickByMode_data()
    {
        QTest::addColumn<bool>("momentary");
        QTest::addColumn<bool>("stateAfter");
        QTest::newRow("momentary springs back") << true << false;
        QTest::newRow("toggle stays on") << false << true;
    }
    void clickByMode()
    {
        QFETCH(bool, momentary);
        QFETCH(bool, stateAfter);
        Pressable pressable(momentary);
        auto &[button, clicked] = pressable;

        pressAt(button, inside(button));
        QVERIFY(button.state()); // highlighted while held
        QCOMPARE(clicked.count(), 0);
        releaseAt(button, inside(button));

        QCOMPARE(button.state(), stateAfter);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.at(0).at(0).toBool(), stateAfter);
    }

    void dragOutAndReleaseOutsideChangesNothing_data()
    {
        QTest::addColumn<bool>("momentary");
        QTest::addColumn<bool>("initialState");
        QTest::newRow("momentary") << true << false;
        QTest::newRow("toggle off") << false << false;
        QTest::newRow("toggle on") << false << true;
    }
    void dragOutAndReleaseOutsideChangesNothing()
    {
        QFETCH(bool, momentary);
        QFETCH(bool, initialState);
        Pressable pressable(momentary);
        auto &[button, clicked] = pressable;
        button.setState(initialState);

        pressAt(button, inside(button));
        QCOMPARE(button.state(), !initialState);
        moveTo(button, outside(button));
        QCOMPARE(button.state(), initialState);
        releaseAt(button, outside(button));

        QCOMPARE(button.state(), initialState);
        QCOMPARE(clicked.count(), 0);
    }

    void releaseOutsideWithoutAMoveStillSendsNothing()
    {
        Pressable pressable;
        auto &[button, clicked] = pressable;
        pressAt(button, inside(button));
        releaseAt(button, outside(button));
        QCOMPARE(button.state(), false);
        QCOMPARE(clicked.count(), 0);
    }

    void dragOutAndBackInClicksOnce()
    {
        Pressable pressable;
        auto &[button, clicked] = pressable;
        pressAt(button, inside(button));
        moveTo(button, outside(button));
        moveTo(button, inside(button));
        QCOMPARE(button.state(), true);
        releaseAt(button, inside(button));
        QCOMPARE(button.state(), true);
        QCOMPARE(clicked.count(), 1);
    }

    void disabledButtonIgnoresClicksAndKeys()
    {
        Pressable pressable;
        auto &[button, clicked] = pressable;
        button.setEnabled(false);
        QTest::mouseClick(&button, Qt::LeftButton, {}, inside(button));
        QTest::keyClick(&button, Qt::Key_Space);
        QCOMPARE(button.state(), false);
        QCOMPARE(clicked.count(), 0);
    }

    void disabledButtonIsPaintedAtHalfOpacity()
    {
        SYFlatButton button;
        button.resize(60, 30);
        QPalette palette = button.palette();
        palette.setColor(QPalette::Window, Qt::white);
        button.setPalette(palette);
        button.setBackgroundNormalColor(Qt::black);
        QCOMPARE(button.grab().toImage().pixelColor(30, 15), QColor(Qt::black));
        button.setEnabled(false);
        const QColor dimmed = button.grab().toImage().pixelColor(30, 15);
        QVERIFY2(qAbs(dimmed.red() - 128) <= 2, qPrintable(dimmed.name()));
    }

    void activationKeysClick_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("space") << int(Qt::Key_Space);
        QTest::newRow("return") << int(Qt::Key_Return);
        QTest::newRow("enter") << int(Qt::Key_Enter);
    }
    void activationKeysClick()
    {
        QFETCH(int, key);
        Pressable pressable(true);
        auto &[button, clicked] = pressable;
        QTest::keyClick(&button, Qt::Key(key));
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(button.state(), false);
        QTest::keyClick(&button, Qt::Key_X);
        QCOMPARE(clicked.count(), 1);
    }

    void colourSchemeFollowsTheState()
    {
        SYFlatButton button;
        button.resize(60, 30);
        button.setBackgroundNormalColor(QColor(200, 0, 0));
        button.setBackgroundHighlightColor(QColor(0, 0, 200));
        const QPoint probe(4, 15);
        QCOMPARE(button.grab().toImage().pixelColor(probe), QColor(200, 0, 0));
        button.setState(true);
        QCOMPARE(button.grab().toImage().pixelColor(probe), QColor(0, 0, 200));
        button.setBackgroundHighlightColor(QColor(0, 150, 0)); // a setter re-applies at once
        QCOMPARE(button.grab().toImage().pixelColor(probe), QColor(0, 150, 0));
    }

    void imageIsTintedWithTheStateColour()
    {
        SYFlatButton button;
        button.resize(60, 60);
        button.setIcon(solidIcon(QSize(20, 20)));
        button.setIconSize(QSize(20, 20));
        button.setImagePosition(SYFlatButton::ImageOnly);
        button.setImageNormalColor(QColor(0, 160, 0));
        button.setImageHighlightColor(QColor(255, 255, 255));
        const QPoint centre = button.imageRect().center().toPoint();
        QCOMPARE(button.grab().toImage().pixelColor(centre), QColor(0, 160, 0));
        button.setState(true);
        QCOMPARE(button.grab().toImage().pixelColor(centre), QColor(255, 255, 255));
    }

    void layoutByImagePosition_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<bool>("imageShown");
        QTest::addColumn<bool>("titleShown");
        QTest::addColumn<int>("imageSide"); // where the image lies relative to the title
        enum { None, Above, Below, Left, Right, Centre };
        QTest::newRow("above") << int(SYFlatButton::ImageAbove) << true << true << int(Above);
        QTest::newRow("below") << int(SYFlatButton::ImageBelow) << true << true << int(Below);
        QTest::newRow("left") << int(SYFlatButton::ImageLeft) << true << true << int(Left);
        QTest::newRow("right") << int(SYFlatButton::ImageRight) << true << true << int(Right);
        QTest::newRow("leading") << int(SYFlatButton::ImageLeading) << true << true << int(Left);
        QTest::newRow("overlaps") << int(SYFlatButton::ImageOverlaps) << true << true << int(Centre);
        QTest::newRow("image only") << int(SYFlatButton::ImageOnly) << true << false << int(None);
        QTest::newRow("title only") << int(SYFlatButton::NoImage) << false << true << int(None);
    }
    void layoutByImagePosition()
    {
        QFETCH(int, position);
        QFETCH(bool, imageShown);
        QFETCH(bool, titleShown);
        QFETCH(int, imageSide);
        SYFlatButton button(QStringLiteral("Duplicates"));
        button.resize(120, 90);
        button.setIcon(solidIcon(QSize(30, 30)));
        button.setIconSize(QSize(30, 30));
        button.setSpacing(6);
        button.setImagePosition(SYFlatButton::ImagePosition(position));
        const QRectF image = button.imageRect();
        const QRectF title = button.titleRect();
        QCOMPARE(!image.isEmpty(), imageShown);
        QCOMPARE(!title.isEmpty(), titleShown);
        const QRectF pair = image.united(title);
        QVERIFY(qAbs(pair.center().x() - 60) <= 0.5);
        QVERIFY(qAbs(pair.center().y() - 45) <= 0.5);
        switch (imageSide) {
        case 1: QCOMPARE(image.bottom() + 6, title.top()); break;
        case 2: QCOMPARE(title.bottom() + 6, image.top()); break;
        case 3: QCOMPARE(image.right() + 6, title.left()); break;
        case 4: QCOMPARE(title.right() + 6, image.left()); break;
        case 5: QCOMPARE(image.center(), title.center()); break;
        default: break;
        }
    }
};

QTEST_MAIN(TestSYFlatButton)
#include "test_SYFlatButton.moc"
