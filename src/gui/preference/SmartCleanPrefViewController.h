// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/preference/PrefPane.h"

#include <QMap>

class PrefCheckBox;
struct ORJunkCategory;
namespace sw {
class AgeLimitControl;
}

// The Junk Clean pane: one box per junk category this layout offers, each
// switching its category on or off for the next junk scan, and beside it
// the category's age rule ("only items older than N days").
class SmartCleanPrefViewController : public PrefPane
{
    Q_OBJECT
public:
    explicit SmartCleanPrefViewController(QWidget *parent = nullptr);

    QString identifier() const override { return QStringLiteral("Junk Cleanup"); }
    QIcon toolbarItemImage() const override;
    QString toolbarItemLabel() const override { return tr("Junk Clean"); }

    // The box of a switch key ("trash", "syscache", ...); nullptr when this
    // layout has no such category.
    PrefCheckBox *boxForSwitch(const QString &key) const { return m_boxes.value(key); }
    sw::AgeLimitControl *ageLimitForSwitch(const QString &key) const { return m_ageLimits.value(key); }

private:
    sw::AgeLimitControl *ageLimitOf(const ORJunkCategory &category);

    QMap<QString, PrefCheckBox *> m_boxes;
    QMap<QString, sw::AgeLimitControl *> m_ageLimits;
};
