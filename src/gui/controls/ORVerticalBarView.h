// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QList>
#include <QRectF>
#include <QWidget>

class ORVerticalBarViewDelegate;

namespace sw {
// One coloured segment of the bar. z: earlier segments lie above later ones.
struct BarSegment
{
    int index = 0; // the value's position in the data
    QRectF rect;
    QColor color;
    int z = 0;
};
} // namespace sw

// A bar divided left to right into segments as wide as each positive value's
// share of the sum of the positive values. Values of 0 or below get no
// segment; a list without a positive value draws nothing.
class ORVerticalBarView : public QWidget
{
    Q_OBJECT

public:
    explicit ORVerticalBarView(QWidget *parent = nullptr);

    // Not owned; must outlive the view or be reset to nullptr.
    ORVerticalBarViewDelegate *delegate() const { return m_delegate; }
    void setDelegate(ORVerticalBarViewDelegate *delegate);
    double cornerRadius() const { return m_cornerRadius; }
    void setCornerRadius(double radius);

    void setupWithData(const QList<qint64> &values);
    void removeData();
    const QList<qint64> &values() const { return m_values; }
    // The segments made by the last setupWithData(), for the current size.
    const QList<sw::BarSegment> &barLayers() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Segments are laid out for the size they are asked for: a hidden view
    // receives no resize events.
    void layoutSegments() const;

    ORVerticalBarViewDelegate *m_delegate = nullptr;
    double m_cornerRadius = 0;
    QList<qint64> m_values;
    mutable QList<sw::BarSegment> m_barLayers;
    mutable QSize m_layoutSize; // invalid: lay out again
};
