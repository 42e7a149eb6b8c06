// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QRectF>

class QVariantAnimation;

// A flat push or toggle button drawn by hand: border, background, image and
// title each have a colour for the off ("normal") and the on ("highlight")
// state, and a change of state fades between the two schemes.
//
// The state is QAbstractButton's checked state. A press toggles it, dragging
// out of the button toggles it back and dragging in again re-arms it; releasing
// inside sends clicked() once. A momentary button springs back to off on
// release. Space, Return and Enter act like a click. A disabled button is
// painted at half opacity and takes no input.
//
// The image (QAbstractButton::icon at iconSize) is used as a mask: it shows in
// the image colour of the current state, or as drawn when that colour is unset.
// Nothing has a default: durations, radius, width and spacing start at 0 and
// the colours unset (unset colours paint nothing; an unset title colour falls
// back to the palette's button text).
class SYFlatButton : public QAbstractButton
{
    Q_OBJECT
    Q_PROPERTY(bool momentary READ momentary WRITE setMomentary)
    Q_PROPERTY(double onAnimateDuration READ onAnimateDuration WRITE setOnAnimateDuration)
    Q_PROPERTY(double offAnimateDuration READ offAnimateDuration WRITE setOffAnimateDuration)
    Q_PROPERTY(double cornerRadius READ cornerRadius WRITE setCornerRadius)
    Q_PROPERTY(double borderWidth READ borderWidth WRITE setBorderWidth)
    Q_PROPERTY(double spacing READ spacing WRITE setSpacing)
    Q_PROPERTY(ImagePosition imagePosition READ imagePosition WRITE setImagePosition)
    Q_PROPERTY(QColor borderNormalColor READ borderNormalColor WRITE setBorderNormalColor)
    Q_PROPERTY(QColor borderHighlightColor READ borderHighlightColor WRITE setBorderHighlightColor)
    Q_PROPERTY(QColor backgroundNormalColor READ backgroundNormalColor WRITE setBackgroundNormalColor)
    Q_PROPERTY(QColor backgroundHighlightColor READ backgroundHighlightColor WRITE setBackgroundHighlightColor)
    Q_PROPERTY(QColor imageNormalColor READ imageNormalColor WRITE setImageNormalColor)
    Q_PROPERTY(QColor imageHighlightColor READ imageHighlightColor WRITE setImageHighlightColor)
    Q_PROPERTY(QColor titleNormalColor READ titleNormalColor WRITE setTitleNormalColor)
    Q_PROPERTY(QColor titleHighlightColor READ titleHighlightColor WRITE setTitleHighlightColor)

public:
    enum ImagePosition {
        NoImage,       // title only
        ImageOnly,     // image only
        ImageLeft,
        ImageRight,
        ImageBelow,
        ImageAbove,
        ImageOverlaps, // both centred, the title over the image
        ImageLeading,
        ImageTrailing,
    };
    Q_ENUM(ImagePosition)

    explicit SYFlatButton(QWidget *parent = nullptr);
    explicit SYFlatButton(const QString &title, QWidget *parent = nullptr);
    ~SYFlatButton() override;

    bool momentary() const { return m_momentary; }
    void setMomentary(bool momentary);
    double onAnimateDuration() const { return m_onDuration; }
    void setOnAnimateDuration(double seconds) { m_onDuration = seconds; }
    double offAnimateDuration() const { return m_offDuration; }
    void setOffAnimateDuration(double seconds) { m_offDuration = seconds; }
    double cornerRadius() const { return m_cornerRadius; }
    void setCornerRadius(double radius);
    double borderWidth() const { return m_borderWidth; }
    void setBorderWidth(double width);
    double spacing() const { return m_spacing; }
    void setSpacing(double spacing);
    ImagePosition imagePosition() const { return m_imagePosition; }
    void setImagePosition(ImagePosition position);

    QColor borderNormalColor() const { return m_normal.border; }
    void setBorderNormalColor(const QColor &color);
    QColor borderHighlightColor() const { return m_highlight.border; }
    void setBorderHighlightColor(const QColor &color);
    QColor backgroundNormalColor() const { return m_normal.background; }
    void setBackgroundNormalColor(const QColor &color);
    QColor backgroundHighlightColor() const { return m_highlight.background; }
    void setBackgroundHighlightColor(const QColor &color);
    QColor imageNormalColor() const { return m_normal.image; }
    void setImageNormalColor(const QColor &color);
    QColor imageHighlightColor() const { return m_highlight.image; }
    void setImageHighlightColor(const QColor &color);
    QColor titleNormalColor() const { return m_normal.title; }
    void setTitleNormalColor(const QColor &color);
    QColor titleHighlightColor() const { return m_highlight.title; }
    void setTitleHighlightColor(const QColor &color);

    // The on/off state (the checked state under its Cocoa-style name).
    bool state() const { return isChecked(); }
    void setState(bool on) { setChecked(on); }

    // Where image and title go in the current bounds (empty when not shown).
    QRectF imageRect() const;
    QRectF titleRect() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool hitButton(const QPoint &pos) const override;
    void nextCheckState() override;

private:
    struct Scheme
    {
        QColor border;
        QColor background;
        QColor image;
        QColor title;
    };

    struct Layout
    {
        QRectF image;
        QRectF title;
    };

    void setup();
    Layout layout() const;
    void animateColorWithState(bool on);
    void applyScheme(const Scheme &from, const Scheme &to, qreal progress);
    void beginPress();
    void endPress(bool inside);
    void cancelPress();
    void setSchemeColor(QColor Scheme::*member, bool highlight, const QColor &color);
    QSizeF titleSize() const;
    QSizeF imageSize() const;
    void paintImage(QPainter &painter, const QRectF &rect) const;

    bool m_momentary = false;
    double m_onDuration = 0;
    double m_offDuration = 0;
    double m_cornerRadius = 0;
    double m_borderWidth = 0;
    double m_spacing = 0;
    ImagePosition m_imagePosition = ImageLeft;
    Scheme m_normal;
    Scheme m_highlight;
    Scheme m_current;  // what is painted, moved by the animation
    Scheme m_animationStart;
    QVariantAnimation *m_animation = nullptr;
    bool m_mouseDown = false;   // a press that has not been released yet
    bool m_mouseInside = false; // the pointer is over the button during that press
    bool m_keyFocus = false;    // focus came from the keyboard: show the ring
};
