// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/controls/AccessibleControls.h"

#include "gui/controls/AccessibleGauge.h"
#include "gui/controls/AccessibleRowList.h"
#include "gui/controls/BusyCircleView.h"
#include "gui/controls/ORTableView.h"
#include "gui/controls/ORVerticalBarView.h"

#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>

namespace sw {

namespace {

AccessibleGauge::Reading barReading(const ORVerticalBarView *bar)
{
    // The first value is the share the bar is about (memory or disk in use).
    AccessibleGauge::Reading reading;
    for (qint64 value : bar->values())
        reading.maximum += double(qMax<qint64>(0, value));
    if (!bar->values().isEmpty())
        reading.value = double(qMax<qint64>(0, bar->values().first()));
    return reading;
}

// Asked for every class of an object, the most derived first.
QAccessibleInterface *makeAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("ORTableView"))
        return new AccessibleRowList(static_cast<ORTableView *>(object));
    if (className == QLatin1String("sw::BusyCircleView")) {
        auto *circle = static_cast<BusyCircleView *>(object);
        return new AccessibleGauge(circle, [circle] {
            return AccessibleGauge::Reading{0, 0, circle->title()};
        });
    }
    if (className == QLatin1String("ORVerticalBarView")) {
        auto *bar = static_cast<ORVerticalBarView *>(object);
        return new AccessibleGauge(bar, [bar] { return barReading(bar); });
    }
    return nullptr;
}

} // namespace

void installAccessibleControls()
{
    QAccessible::installFactory(makeAccessible);
}

void nameSearchField(QLineEdit *field, const QString &name)
{
    field->setAccessibleName(name);
    for (QAction *action : field->actions()) {
        // The name Qt gives the action of the clear button it adds.
        if (action->objectName() == QLatin1String("_q_qlineeditclearaction"))
            action->setText(QCoreApplication::translate("sw::AccessibleControls", "Clear"));
        else if (action->text().isEmpty())
            action->setText(name);
    }
}

} // namespace sw
