// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

// A one-line text label whose text sits vertically centred in its bounds,
// cut at the tail when it does not fit. A selectable field gives its text to
// the clipboard (Copy shortcut or context menu).
class centered_textfield : public QWidget
{
    Q_OBJECT

public:
    explicit centered_textfield(QWidget *parent = nullptr);
    explicit centered_textfield(const QString &text, QWidget *parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString &text);
    Qt::Alignment alignment() const { return m_alignment; }
    void setAlignment(Qt::Alignment horizontal);
    bool isSelectable() const { return m_selectable; }
    void setSelectable(bool selectable);

    // The rectangle the text is drawn in: the plain text rectangle of bounds
    // moved down so that one line of text is centred vertically.
    virtual QRect titleRectForBounds(const QRect &bounds) const;
    // The room the text needs.
    virtual QSize cellSize() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void drawInterior(QPainter &painter, const QRect &bounds) const;

private:
    QString m_text;
    Qt::Alignment m_alignment = Qt::AlignLeft;
    bool m_selectable = false;
};
