// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QSpinBox;

namespace sw {

// "Only … older than [N] days": a check box switching an age limit on, the
// number of days beside it (enabled while the box is ticked) and the word
// "days" in the number's plural. Each change is announced with changed().
class AgeLimitControl : public QWidget
{
    Q_OBJECT
public:
    // checkText: what the box says ("Only files older than"); accessibleName
    // names the box and the number for a screen reader.
    AgeLimitControl(const QString &checkText, const QString &accessibleName, QWidget *parent = nullptr);

    void setLimit(bool on, int days);
    bool isOn() const;
    int days() const;
    // The days while the box is ticked, else 0 (no limit).
    int effectiveDays() const { return isOn() ? days() : 0; }

    QCheckBox *checkBox() const { return m_box; }
    QSpinBox *spinBox() const { return m_days; }

signals:
    void changed(bool on, int days);

private:
    void showUnit();

    QCheckBox *m_box = nullptr;
    QSpinBox *m_days = nullptr;
    QLabel *m_unit = nullptr;
};

}  // namespace sw
