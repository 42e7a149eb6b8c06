// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <QClipboard>

#include "gui/controls/ImageCell.h"

namespace {
QIcon someIcon()
{
    QPixmap pixmap(30, 30);
    pixmap.fill(Qt::darkGreen);
    return QIcon(pixmap);
}
} // namespace

class TestImageCell : public QObject
{
    Q_OBJECT

private slots:
    void imageRect_data()
    {
        QTest::addColumn<bool>("withImage");
        QTest::addColumn<QRect>("bounds");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("no image") << false << QRect(10, 20, 200, 40) << QRect();
        QTest::newRow("even room") << true << QRect(10, 20, 200, 40) << QRect(13, 25, 30, 30);
        QTest::newRow("odd room rounds the offset up") << true << QRect(10, 20, 200, 41) << QRect(13, 26, 30, 30);
        QTest::newRow("exact fit") << true << QRect(0, 0, 100, 30) << QRect(3, 0, 30, 30);
        QTest::newRow("too low a frame") << true << QRect(0, 10, 100, 27) << QRect(3, 9, 30, 30);
    }
    void imageRect()
    {
        QFETCH(bool, withImage);
        QFETCH(QRect, bounds);
        QFETCH(QRect, expected);
        ImageCell cell;
        if (withImage)
            cell.setImage(someIcon());
        QCOMPARE(cell.imageRectForBounds(bounds), expected);
    }

    void titleIsCentredVertically_data()
    {
        QTest::addColumn<bool>("withImage");
        QTest::addColumn<int>("height");
        QTest::newRow("text only, tall") << false << 60;
        QTest::newRow("text only, odd") << false << 41;
        QTest::newRow("with image") << true << 44;
    }
    void titleIsCentredVertically()
    {
        QFETCH(bool, withImage);
        QFETCH(int, height);
        ImageCell cell;
        cell.setText(QStringLiteral("Caches"));
        if (withImage)
            cell.setImage(someIcon());
        const QRect bounds(0, 10, 240, height);
        const QRect title = cell.titleRectForBounds(bounds);
        const int textHeight = cell.fontMetrics().height();
        const int offset = (height - textHeight) / 2;
        QCOMPARE(title.top(), bounds.top() + offset);
        QCOMPARE(title.bottom(), bounds.bottom());
        // the text starts after the icon's strip, when there is an icon
        QVERIFY(title.left() >= (withImage ? 33 : 0));
        QVERIFY(title.left() <= (withImage ? 33 : 0) + 4);
    }

    void cellIsWiderThanThePlainTextCell_data()
    {
        QTest::addColumn<bool>("withImage");
        QTest::addColumn<int>("extra");
        QTest::newRow("no image: 3 wider") << false << 3;
        QTest::newRow("image: icon and 3 wider") << true << 33;
    }
    void cellIsWiderThanThePlainTextCell()
    {
        QFETCH(bool, withImage);
        QFETCH(int, extra);
        centered_textfield plain(QStringLiteral("Application caches"));
        ImageCell cell;
        cell.setText(plain.text());
        if (withImage)
            cell.setImage(someIcon());
        QCOMPARE(cell.cellSize().width(), plain.cellSize().width() + extra);
    }

    void selectableCellCopiesItsText()
    {
        ImageCell cell;
        cell.setText(QStringLiteral("/var/log/syslog"));
        QVERIFY(cell.isSelectable());
        QApplication::clipboard()->clear();
        QTest::keyClick(&cell, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("/var/log/syslog"));
    }
};

QTEST_MAIN(TestImageCell)
#include "test_ImageCell.moc"
