// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

#include <functional>

namespace sw {

// A hand-drawn gauge (the busy circles, the memory and disk bars) as a
// progress bar: its value out of its maximum, or busy without a value when
// the maximum is 0, as QProgressBar reports a busy indicator.
class AccessibleGauge : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    struct Reading
    {
        double value = 0;
        double maximum = 0; // 0: busy, no value to tell
        QString name;       // used when the widget has no accessible name
    };
    using Reader = std::function<Reading()>;

    AccessibleGauge(QWidget *widget, Reader reader);

    QString text(QAccessible::Text t) const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QVariant currentValue() const override { return m_reader().value; }
    void setCurrentValue(const QVariant &) override {}
    QVariant maximumValue() const override { return m_reader().maximum; }
    QVariant minimumValue() const override { return 0.0; }
    QVariant minimumStepSize() const override { return 0.0; }

private:
    Reader m_reader;
};

} // namespace sw
