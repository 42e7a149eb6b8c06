// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/controls/AccessibleGauge.h"

#include <QLocale>

namespace sw {

AccessibleGauge::AccessibleGauge(QWidget *widget, Reader reader)
    : QAccessibleWidget(widget, QAccessible::ProgressBar), m_reader(std::move(reader))
{
}

QString AccessibleGauge::text(QAccessible::Text t) const
{
    QString text = QAccessibleWidget::text(t);
    if (!text.isEmpty())
        return text;
    const Reading reading = m_reader();
    if (t == QAccessible::Name)
        return reading.name;
    if (t == QAccessible::Value && reading.maximum > 0) {
        const QLocale locale;
        return locale.toString(qRound(100 * reading.value / reading.maximum)) + locale.percent();
    }
    return QString();
}

void *AccessibleGauge::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

} // namespace sw
