// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/controls/ORVerticalBarViewDelegate.h"

#include <QList>
#include <QWidget>

#include <array>

class ORDotView;
class ORVerticalBarView;
class QLabel;

namespace sw {

// The share of each kind in the duplicates found: a bar of six coloured
// segments and, under it, a legend of dots with each kind's name and size.
class DupKindBar : public QWidget, public ORVerticalBarViewDelegate
{
    Q_OBJECT
public:
    explicit DupKindBar(QWidget *parent = nullptr);

    // One size per kind, in the kinds' order.
    void setPies(const QList<qint64> &pies);
    void removeData();
    std::optional<QColor> colorWithIndex(int index) override;

    ORVerticalBarView *memVerticalBar() const { return m_bar; }
    ORDotView *dotView(int kind) const { return m_dots.at(kind); }
    QString legendSizeText(int kind) const;

private:
    ORVerticalBarView *m_bar = nullptr;
    std::array<ORDotView *, 6> m_dots{};
    std::array<QLabel *, 6> m_sizes{};
};

}  // namespace sw
