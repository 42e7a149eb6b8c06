// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/preference/PrefPane.h"

#include <QMap>

class PrefCheckBox;
class QComboBox;
class QLabel;

// The Schedule pane: how often junk is cleaned on its own (never, daily,
// weekly, monthly) and which categories that cleaning takes. A choice is
// made at once: the timer is written and enabled, or disabled and removed.
// Where no systemd user session can run it, the choice is disabled and the
// pane says why.
class SchedulePrefViewController : public PrefPane
{
    Q_OBJECT
public:
    explicit SchedulePrefViewController(QWidget *parent = nullptr);

    QString identifier() const override { return QStringLiteral("Schedule"); }
    QIcon toolbarItemImage() const override;
    QString toolbarItemLabel() const override { return tr("Schedule"); }

    QComboBox *frequencyBox() const { return m_frequency; }
    PrefCheckBox *boxForCategory(qint64 groupID) const { return m_boxes.value(groupID); }

private:
    void chooseFrequency(int index);
    void categoriesChanged();
    // The box shows what the timer file says; the reason line why it cannot change.
    void showState();

    QComboBox *m_frequency;
    QLabel *m_reason;
    QLabel *m_failure;
    QMap<qint64, PrefCheckBox *> m_boxes;
};
