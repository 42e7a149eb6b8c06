// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/shell/PageStyle.h"

#include "gui/controls/ORImage.h"
#include "gui/controls/ThemeFollower.h"
#include "gui/shell/RoundStartButton.h"

#include <QAction>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace sw::PageStyle {

QPushButton *primaryButton(const QString &text, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setCursor(Qt::PointingHandCursor);
    button->setMinimumHeight(34);
    ThemeFollower::style(
        button,
        QStringLiteral("QPushButton { background:@accent; color:@onAccent; border:none; border-radius:17px; "
                       "padding:0 22px;"
                       " font-weight:600; }"
                       "QPushButton:hover { background:@accentHover; }"
                       "QPushButton:focus { border:2px solid @accentFocus; outline:none; }"
                       "QPushButton:disabled { background:@accentDisabled; color:@onAccentDisabled; }"));
    return button;
}

QPushButton *secondaryButton(const QString &text, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setCursor(Qt::PointingHandCursor);
    button->setMinimumHeight(34);
    ThemeFollower::style(button,
                         QStringLiteral("QPushButton { background:@card; color:@text; border:1px solid "
                                        "@controlBorder; border-radius:17px;"
                                        " padding:0 18px; }"
                                        "QPushButton:hover { border-color:@accent; color:@accent; }"
                                        "QPushButton:focus { border:2px solid @accentFocus; outline:none; }"
                                        "QPushButton:disabled { color:@disabledText; }"));
    return button;
}

QPushButton *roundStartButton(const QString &text, QWidget *parent)
{
    return new RoundStartButton(text, parent);
}

QLabel *heading(const QString &text, QWidget *parent, int pointSize)
{
    auto *label = new QLabel(text, parent);
    QFont font = label->font();
    font.setPointSize(pointSize);
    font.setWeight(QFont::DemiBold);
    label->setFont(font);
    ThemeFollower::style(label, QStringLiteral("color:@text;"));
    return label;
}

QLabel *muted(const QString &text, QWidget *parent, int pointSize)
{
    auto *label = new QLabel(text, parent);
    QFont font = label->font();
    font.setPointSize(pointSize);
    label->setFont(font);
    label->setWordWrap(true);
    ThemeFollower::style(label, QStringLiteral("color:@muted;"));
    return label;
}

void onWaveBand(QLabel *label)
{
    ThemeFollower::style(label, QStringLiteral("color:@text;"));
}

void showImage(QLabel *label, const QString &image, QSize size)
{
    ThemeFollower::follow(label, [label, image, size] {
        label->setPixmap(ORImage::pixmap(image, size, label->devicePixelRatioF()));
    });
}

void searchField(QLineEdit *field)
{
    ThemeFollower::style(field,
                         QStringLiteral("QLineEdit { border:1px solid @controlBorder; border-radius:14px;"
                                        " padding:4px 8px; background:@field; }"));
    QAction *magnifier = field->addAction(QIcon(), QLineEdit::LeadingPosition);
    ThemeFollower::follow(field, [field, magnifier] {
        magnifier->setIcon(
            ORImage::pixmap(QStringLiteral("or_search"), QSize(16, 16), field->devicePixelRatioF()));
    });
}

void styleSizeLabels(QLabel *number, QLabel *unit, int numberPointSize)
{
    QFont big = number->font();
    big.setPointSize(numberPointSize);
    big.setWeight(QFont::DemiBold);
    number->setFont(big);
    ThemeFollower::style(number, QStringLiteral("color:@accentText;"));
    QFont small = unit->font();
    small.setPointSize(qMax(9, numberPointSize / 2));
    unit->setFont(small);
    ThemeFollower::style(unit, QStringLiteral("color:@muted;"));
    number->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    unit->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
}

StartBrief startBrief(QWidget *parent, const QString &image, const QString &title, const QString &text)
{
    auto *brief = new QWidget(parent);
    auto *column = new QVBoxLayout(brief);
    column->setContentsMargins(48, 40, 48, 48);
    column->addStretch(2);
    auto *icon = new QLabel(brief);
    showImage(icon, image, QSize(96, 96));
    icon->setAlignment(Qt::AlignCenter);
    column->addWidget(icon);
    column->addSpacing(12);
    auto *heading = PageStyle::heading(title, brief, 24);
    heading->setAlignment(Qt::AlignCenter);
    column->addWidget(heading);
    auto *line = muted(text, brief, 12);
    line->setAlignment(Qt::AlignCenter);
    line->setFixedWidth(520);
    // In a row of its own: added to the column with an alignment, the label
    // was given the height its text takes over the column's whole width, and
    // the lines it wraps into at 520 pixels were cut off.
    auto *lineRow = new QHBoxLayout;
    lineRow->addStretch(1);
    lineRow->addWidget(line);
    lineRow->addStretch(1);
    column->addLayout(lineRow);
    column->addSpacing(28);
    auto *start = roundStartButton(QCoreApplication::translate("PageStyle", "&Start"), brief);
    start->setObjectName(QStringLiteral("startBut"));
    start->setAccessibleDescription(text);
    column->addWidget(start, 0, Qt::AlignHCenter);
    return {brief, column, start};
}

QVBoxLayout *dropPrompt(QWidget *dropView, const QString &image, const QString &hint)
{
    auto *column = new QVBoxLayout(dropView);
    column->setContentsMargins(16, 18, 16, 18);
    column->setSpacing(6);
    column->addStretch(1);
    auto *icon = new QLabel(dropView);
    showImage(icon, image, QSize(56, 56));
    icon->setAlignment(Qt::AlignCenter);
    column->addWidget(icon);
    auto *hintLabel = heading(hint, dropView, 12);
    hintLabel->setAlignment(Qt::AlignCenter);
    hintLabel->setWordWrap(true);
    column->addWidget(hintLabel);
    auto *orLabel = muted(QCoreApplication::translate("PageStyle", "or"), dropView, 10);
    orLabel->setAlignment(Qt::AlignCenter);
    column->addWidget(orLabel);
    return column;
}

}  // namespace sw::PageStyle
