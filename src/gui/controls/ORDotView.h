// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QWidget>

// A coloured round dot, the legend mark beside a bar.
class ORDotView : public QWidget
{
    Q_OBJECT

public:
    explicit ORDotView(QWidget *parent = nullptr);

    void or_DotBackgroundColor(const QColor &color);
    QColor dotColor() const { return m_color; }
    // Stored for the caller; not used in drawing.
    int direction() const { return m_direction; }
    void setDirection(int direction) { m_direction = direction; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_color;
    int m_direction = 0;
};
