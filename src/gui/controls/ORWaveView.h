// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/controls/ThemeColors.h"

#include <QColor>
#include <QPainterPath>
#include <QWidget>

class QTimer;

// The moving wave band across the top of the scan pages: two sine waves out
// of phase, filled with a left-to-right gradient from startColor to endColor,
// hang from the top edge. Every 20 ms the waves move on by waveSpeed; the
// clock runs only while the view is visible.
//
// A property left at 0 (a colour left unset) takes its default in
// ConfigParams(); waveWidth and waveCycle left at 0 follow the view's width
// (width + 20 and 1.29 pi / waveWidth).
class ORWaveView : public QWidget
{
    Q_OBJECT

public:
    ORWaveView(QWidget *parent, QColor startColor, QColor endColor);
    // The gradient from two named colours, following the palette.
    ORWaveView(QWidget *parent, sw::ThemeColors::Role startColor, sw::ThemeColors::Role endColor);

    double waveWidth() const { return m_waveWidth > 0 ? m_waveWidth : width() + 20; }
    void setWaveWidth(double width);
    double waveHeight() const { return m_waveHeight; }
    void setWaveHeight(double height) { m_waveHeight = height; ConfigParams(); }
    QColor waveColor() const { return m_waveColor; }
    void setWaveColor(const QColor &color) { m_waveColor = color; ConfigParams(); }
    double waveSpeed() const { return m_waveSpeed; }
    void setWaveSpeed(double speed) { m_waveSpeed = speed; ConfigParams(); }
    double waveOffsetX() const { return m_waveOffsetX; }
    void setWaveOffsetX(double offset) { m_waveOffsetX = offset; }
    double wavePointY() const { return m_wavePointY; }
    void setWavePointY(double y) { m_wavePointY = y; ConfigParams(); }
    double waveAmplitude() const { return m_waveAmplitude; }
    void setWaveAmplitude(double amplitude) { m_waveAmplitude = amplitude; ConfigParams(); }
    double waveCycle() const;
    void setWaveCycle(double cycle);
    QColor startColor() const { return m_startColor; }
    QColor endColor() const { return m_endColor; }
    // The gradient's two ends, for a new palette.
    void setGradient(const QColor &startColor, const QColor &endColor);

    // Fills every property that is still 0 (or unset) with its default.
    void ConfigParams();
    // One tick: moves the waves on and rebuilds their paths.
    void getCurrentWave();
    // The closed outline of wave 1 or 2 as last built.
    QPainterPath wavePath(int which) const { return which == 1 ? m_path1 : m_path2; }
    bool isAnimating() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QPainterPath buildPath(double divisor) const;

    double m_waveWidth = 0;
    double m_waveHeight = 0;
    QColor m_waveColor;
    double m_waveSpeed = 0;
    double m_waveOffsetX = 0;
    double m_wavePointY = 0;
    double m_waveAmplitude = 0;
    double m_waveCycle = 0;
    QColor m_startColor;
    QColor m_endColor;
    QPainterPath m_path1;
    QPainterPath m_path2;
    QTimer *m_timer = nullptr;
};
