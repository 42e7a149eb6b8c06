// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// The released-memory pop-up's content: a card, with corners of radius 10.
class ORQuotesView : public QWidget
{
    Q_OBJECT

public:
    explicit ORQuotesView(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
