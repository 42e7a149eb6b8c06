// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QWidget>

class QAbstractButton;
class QButtonGroup;

namespace sw {

// A row of joined buttons of which exactly one is selected, like a tab bar
// drawn as a pill. Segments are numbered from 0 in the order given.
class SegmentedControl : public QWidget
{
    Q_OBJECT
public:
    explicit SegmentedControl(const QStringList &labels, QWidget *parent = nullptr);

    int selectedSegment() const;
    // Selects without emitting segmentChanged().
    void setSelectedSegment(int segment);
    void setSegmentEnabled(int segment, bool enabled);
    bool isSegmentEnabled(int segment) const;
    QAbstractButton *button(int segment) const;
    int count() const;

signals:
    // The user chose another segment.
    void segmentChanged(int segment);

private:
    QButtonGroup *m_group = nullptr;
};

}  // namespace sw
