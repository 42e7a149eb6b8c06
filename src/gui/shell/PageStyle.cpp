// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/shell/PageStyle.h"

#include "gui/controls/ORImage.h"
#include "gui/shell/RoundStartButton.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace sw::PageStyle {

QPushButton *primaryButton(const QString &text, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setCursor(Qt::PointingHandCursor);
    button->setMinimumHeight(34);
    button->setStyleSheet(QStringLiteral(
        "QPushButton { background:%1; color:white; border:none; border-radius:17px; padding:0 22px;"
        " font-weight:600; }"
        "QPushButton:hover { background:%2; }"
        "QPushButton:focus { border:2px solid #a8e07f; outline:none; }"
        "QPushButton:disabled { background:#c9d3c2; color:#f4f6f2; }")
                              .arg(QLatin1String(kGreen), QLatin1String(kGreenDark)));
    return button;
}

QPushButton *secondaryButton(const QString &text, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setCursor(Qt::PointingHandCursor);
    button->setMinimumHeight(34);
    button->setStyleSheet(QStringLiteral(
        "QPushButton { background:white; color:%1; border:1px solid #cfd6dd; border-radius:17px;"
        " padding:0 18px; }"
        "QPushButton:hover { border-color:%2; color:%2; }"
        "QPushButton:focus { border:2px solid #a8e07f; outline:none; }"
        "QPushButton:disabled { color:#b5bcc4; }")
                              .arg(QLatin1String(kText), QLatin1String(kGreen)));
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
    label->setStyleSheet(QStringLiteral("color:%1;").arg(QLatin1String(kText)));
    return label;
}

QLabel *muted(const QString &text, QWidget *parent, int pointSize)
{
    auto *label = new QLabel(text, parent);
    QFont font = label->font();
    font.setPointSize(pointSize);
    label->setFont(font);
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("color:%1;").arg(QLatin1String(kMuted)));
    return label;
}

void styleSizeLabels(QLabel *number, QLabel *unit, int numberPointSize)
{
    QFont big = number->font();
    big.setPointSize(numberPointSize);
    big.setWeight(QFont::DemiBold);
    number->setFont(big);
    number->setStyleSheet(QStringLiteral("color:%1;").arg(QLatin1String(kGreen)));
    QFont small = unit->font();
    small.setPointSize(qMax(9, numberPointSize / 2));
    unit->setFont(small);
    unit->setStyleSheet(QStringLiteral("color:%1;").arg(QLatin1String(kMuted)));
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
    icon->setPixmap(ORImage::pixmap(image, QSize(96, 96), parent->devicePixelRatioF()));
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
    icon->setPixmap(ORImage::pixmap(image, QSize(56, 56), dropView->devicePixelRatioF()));
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
