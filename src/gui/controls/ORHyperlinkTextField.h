// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QRectF>
#include <QTextDocument>
#include <QUrl>
#include <QWidget>

#include <functional>

namespace sw {
// One link run of the text and one rectangle it covers (a run that wraps
// over two lines has two records with the same range).
struct HyperlinkInfo
{
    int start = 0;  // the run's first character
    int length = 0;
    QUrl url;
    QRectF rect;    // in the field's coordinates
    bool contains(int index) const { return index >= start && index < start + length; }
};
} // namespace sw

// Read-only rich text whose links open their addresses: a click (press and
// release) on a character of a link run opens that run's address once; a
// click anywhere else opens nothing. Addresses open with
// QDesktopServices::openUrl unless another opener is set.
class ORHyperlinkTextField : public QWidget
{
    Q_OBJECT

public:
    using UrlOpener = std::function<void(const QUrl &)>;

    explicit ORHyperlinkTextField(QWidget *parent = nullptr);
    explicit ORHyperlinkTextField(const QString &text, QWidget *parent = nullptr);

    // HTML when it looks like rich text, else plain text.
    void setText(const QString &text);
    QString toPlainText() const { return m_document.toPlainText(); }
    void setUrlOpener(UrlOpener opener) { m_opener = std::move(opener); }

    // The link runs and their rectangles for the current width, in text order.
    QList<sw::HyperlinkInfo> hyperlinkInfos() const;
    // The character under pos, or -1 when pos is on no character.
    int characterIndexAt(const QPointF &pos) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

signals:
    void linkOpened(const QUrl &url);

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void init();
    // A hidden widget gets no resize events: every query lays out at the current width.
    QTextDocument &laidOut() const;
    QSizeF measure(qreal width) const;
    // The link run under pos (length 0 when there is none).
    sw::HyperlinkInfo linkAt(const QPointF &pos) const;

    mutable QTextDocument m_document;
    UrlOpener m_opener;
    int m_pressedLinkStart = -1;
};
