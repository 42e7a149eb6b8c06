// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

class QVariantAnimation;

namespace sw {

// The busy circle shared by ORProgressView and ORMemCircleView: a thin grey
// ring, the "or_deepclean_icon" emblem and a title in the middle. A busy view
// turns the emblem clockwise once a second between start() and stop(); a view
// that is not busy never turns. Nothing is drawn before setupWithTitle().
class BusyCircleView : public QWidget
{
    Q_OBJECT

public:
    struct Metrics
    {
        qreal imageScale; // emblem size as a multiple of the view's size
        qreal ringInset;  // ring radius = half the smaller side minus this
        qreal fontScale;  // title pixel size as a multiple of the view's height
    };

    bool isBusy() const { return m_isBusy; }
    QString title() const { return m_title; }

    // Shows ring, emblem and title.
    void setupWithTitle(const QString &title);
    void setTitle(const QString &title);
    void start();
    virtual void stop();

    bool isRotating() const;
    // The emblem's current turn in degrees, clockwise.
    qreal rotation() const { return m_angle; }
    bool hasLayers() const { return m_hasLayers; }
    qreal ringRadius() const;

    QSize sizeHint() const override;

protected:
    BusyCircleView(QWidget *parent, bool isBusy, Metrics metrics);
    void removeLayers();

    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QFont titleFont() const;

    const bool m_isBusy;
    const Metrics m_metrics;
    QString m_title;
    bool m_hasLayers = false;
    bool m_started = false;
    qreal m_angle = 0;
    QVariantAnimation *m_rotation = nullptr;
};

} // namespace sw
