// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;
class QWidget;

// The few building blocks every page shares, so the tools look alike.
namespace sw::PageStyle {

QPushButton *primaryButton(const QString &text, QWidget *parent);   // filled green, rounded
QPushButton *secondaryButton(const QString &text, QWidget *parent); // outlined
QPushButton *roundStartButton(const QString &text, QWidget *parent); // the big round "Start"
QLabel *heading(const QString &text, QWidget *parent, int pointSize = 20);
QLabel *muted(const QString &text, QWidget *parent, int pointSize = 11);
// A line of text that lies on the wave band, where the muted grey would not read.
void onWaveBand(QLabel *label);
// Shows one of our images on label, drawn again when the palette changes.
void showImage(QLabel *label, const QString &image, QSize size);
// A rounded search field with its magnifier in front.
void searchField(QLineEdit *field);
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
