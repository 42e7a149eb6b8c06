// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/preference/PrefPane.h"

#include <QMap>

class PrefCheckBox;

// The Junk Clean pane: one box per junk category this layout offers, each
// switching its category on or off for the next junk scan.
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

private:
    QMap<QString, PrefCheckBox *> m_boxes;
};
