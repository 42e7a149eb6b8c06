// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class QWidget;

namespace sw {

// Keeps a widget's colours with the desktop's light or dark palette: its
// style sheet, written with ThemeColors' @name tokens, is resolved again, and
// what it registered to repaint itself runs again, whenever the application
// takes a new palette (ApplicationPaletteChange) or the widget learns of one
// (PaletteChange, ThemeChange). A widget has at most one follower, a child
// object that ends with it.
class ThemeFollower : public QObject
{
    Q_OBJECT

public:
    // Sets widget's style sheet from sheet (with @name tokens) now and at every
    // change of palette; a later call replaces the sheet.
    static void style(QWidget *widget, const QString &sheet);
    // Runs apply now and at every change of palette while widget lives.
    static void follow(QWidget *widget, std::function<void()> apply);

    ~ThemeFollower() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit ThemeFollower(QWidget *widget);
    static ThemeFollower *of(QWidget *widget);
    static void applyAll();
    void apply();

    QWidget *m_widget;
    QString m_sheet;
    std::vector<std::function<void()>> m_repaints;
    bool m_applying = false;
};

} // namespace sw
