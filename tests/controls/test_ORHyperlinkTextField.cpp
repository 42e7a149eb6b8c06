// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "gui/controls/ORHyperlinkTextField.h"

namespace {

struct Field
{
    explicit Field(const QString &html, int width = 400)
    {
        field.setText(html);
        field.resize(width, 120);
        field.setUrlOpener([this](const QUrl &url) { opened.append(url); });
    }
    void click(QPointF pos) { QTest::mouseClick(&field, Qt::LeftButton, {}, pos.toPoint()); }
    QList<sw::HyperlinkInfo> infos() const { return field.hyperlinkInfos(); }

    ORHyperlinkTextField field;
    QList<QUrl> opened;
};

const QString kTwoLinks = QStringLiteral(
    "Read the <a href=\"https://example.org/guide\">cleaning guide</a> or "
    "<a href=\"https://example.org/faq\">the questions</a>.");

} // namespace

class TestORHyperlinkTextField : public QObject
{
    Q_OBJECT

private slots:
    void eachLinkRunIsFoundInTextOrder()
    {
        Field f(kTwoLinks);
        const auto infos = f.infos();
        QCOMPARE(infos.size(), 2);
        QCOMPARE(infos.at(0).url, QUrl(QStringLiteral("https://example.org/guide")));
        QCOMPARE(f.field.toPlainText().mid(infos.at(0).start, infos.at(0).length), QStringLiteral("cleaning guide"));
        QCOMPARE(f.field.toPlainText().mid(infos.at(1).start, infos.at(1).length), QStringLiteral("the questions"));
        QVERIFY(infos.at(0).rect.right() <= infos.at(1).rect.left());
    }

    void clickInsideALinkOpensItOnce()
    {
        Field f(kTwoLinks);
        f.click(f.infos().at(1).rect.center());
        QCOMPARE(f.opened, QList<QUrl>{QUrl(QStringLiteral("https://example.org/faq"))});
    }

    void clickOutsideEveryLinkOpensNothing()
    {
        Field f(kTwoLinks);
        const QRectF first = f.infos().at(0).rect;
        f.click(QPointF(first.left() - 8, first.center().y()));                  // on "the"
        f.click(QPointF(f.field.width() - 2, first.center().y()));                // past the line's end
        f.click(QPointF(first.center().x(), f.field.height() - 2));              // below the text
        QVERIFY(f.opened.isEmpty());
    }

    void linkWrappedOverTwoLinesOpensOnce()
    {
        Field f(QStringLiteral("See <a href=\"https://example.org/long\">a rather long link that wraps over "
                               "more than one line of this narrow field</a>"),
                140);
        const auto infos = f.infos();
        QVERIFY2(infos.size() >= 2, "the link should cover several lines");
        for (const auto &info : infos)
            QCOMPARE(info.start, infos.first().start);
        f.click(infos.at(1).rect.center());
        QCOMPARE(f.opened.size(), 1);
    }

    void formattingInsideALinkKeepsItOneRun()
    {
        Field f(QStringLiteral("<a href=\"https://example.org/x\">plain <b>bold</b> plain</a>"));
        const auto infos = f.infos();
        QCOMPARE(infos.size(), 1);
        QCOMPARE(infos.first().length, int(QStringLiteral("plain bold plain").size()));
    }

    void pressOnALinkAndReleaseElsewhereOpensNothing()
    {
        Field f(kTwoLinks);
        const auto infos = f.infos();
        QTest::mousePress(&f.field, Qt::LeftButton, {}, infos.at(0).rect.center().toPoint());
        QTest::mouseRelease(&f.field, Qt::LeftButton, {}, infos.at(1).rect.center().toPoint());
        QVERIFY(f.opened.isEmpty());
    }

    void plainTextHasNoLinks()
    {
        Field f(QStringLiteral("https://example.org is not a link here"));
        QVERIFY(f.infos().isEmpty());
        f.click(QPointF(10, 5));
        QVERIFY(f.opened.isEmpty());
    }
};

QTEST_MAIN(TestORHyperlinkTextField)
#include "test_ORHyperlinkTextField.moc"
