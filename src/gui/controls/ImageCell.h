// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

#include "gui/controls/centered_textfield.h"

// A centred text label with a 30x30 icon in front: a strip of 3 + 30 pixels
// on the left holds the icon, the rest the text. Without an icon only the
// text shows, at full width. Selectable from the start.
class ImageCell : public centered_textfield
{
    Q_OBJECT

public:
    static constexpr int kIconSize = 30;
    static constexpr int kIconInset = 3;

    explicit ImageCell(QWidget *parent = nullptr);

    QIcon image() const { return m_image; }
    void setImage(const QIcon &image);

    // No icon: the null rectangle; else 30x30, 3 pixels in from the left and
    // centred vertically (a half pixel rounds down the page).
    QRect imageRectForBounds(const QRect &bounds) const;
    QRect titleRectForBounds(const QRect &bounds) const override;
    // The text's size widened by the icon (if any) and its 3-pixel inset.
    QSize cellSize() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QIcon m_image;
};
