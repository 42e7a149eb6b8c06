// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QLabel;
class QPushButton;
class QVBoxLayout;
class QWidget;

// The few building blocks every page shares, so the tools look alike.
namespace sw::PageStyle {

inline constexpr char kGreen[] = "#44ba03";
inline constexpr char kGreenDark[] = "#379a02";
inline constexpr char kText[] = "#2f353b";
inline constexpr char kMuted[] = "#7b8590";

QPushButton *primaryButton(const QString &text, QWidget *parent);   // filled green, rounded
QPushButton *secondaryButton(const QString &text, QWidget *parent); // outlined
QPushButton *roundStartButton(const QString &text, QWidget *parent); // the big round "Start"
QLabel *heading(const QString &text, QWidget *parent, int pointSize = 20);
QLabel *muted(const QString &text, QWidget *parent, int pointSize = 11);
// A tool's idle page: its image, title and a line of text above the big
// round "Start" (object name "startBut"). The caller connects the button,
// adds what it needs below it to column and ends with column->addStretch(3).
struct StartBrief
{
    QWidget *widget;
    QVBoxLayout *column;
    QPushButton *startButton;
};
StartBrief startBrief(QWidget *parent, const QString &image, const QString &title, const QString &text);
// A size shown as number and unit in two labels: the number large, the unit small.
void styleSizeLabels(QLabel *number, QLabel *unit, int numberPointSize);
// Lays out a drop area: its image, the drop hint and "or", centred; the
// caller adds its choose buttons to the column returned.
QVBoxLayout *dropPrompt(QWidget *dropView, const QString &image, const QString &hint);

}  // namespace sw::PageStyle
