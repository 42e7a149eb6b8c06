// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/controls/AgeLimitControl.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>

namespace sw {

namespace {
// A century, the most any age rule takes.
constexpr int kMaxDays = 36500;
}  // namespace

AgeLimitControl::AgeLimitControl(const QString &checkText, const QString &accessibleName, QWidget *parent)
    : QWidget(parent)
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);
    m_box = new QCheckBox(checkText, this);
    m_box->setObjectName(QStringLiteral("ageLimitBox"));
    m_box->setAccessibleName(accessibleName);
    m_days = new QSpinBox(this);
    m_days->setObjectName(QStringLiteral("ageLimitDays"));
    m_days->setRange(0, kMaxDays);
    m_days->setAccessibleName(tr("%1: days").arg(accessibleName));
    m_days->setEnabled(false);
    m_unit = new QLabel(this);
    m_unit->setBuddy(m_days);
    row->addWidget(m_box);
    row->addWidget(m_days);
    row->addWidget(m_unit);
    row->addStretch(1);
    showUnit();
    connect(m_box, &QCheckBox::toggled, this, [this](bool on) {
        m_days->setEnabled(on);
        emit changed(on, days());
    });
    connect(m_days, &QSpinBox::valueChanged, this, [this](int value) {
        showUnit();
        emit changed(isOn(), value);
    });
}

void AgeLimitControl::setLimit(bool on, int days)
{
    const QSignalBlocker boxBlock(m_box);
    const QSignalBlocker daysBlock(m_days);
    m_box->setChecked(on);
    m_days->setValue(days);
    m_days->setEnabled(on);
    showUnit();
}

bool AgeLimitControl::isOn() const
{
    return m_box->isChecked();
}

int AgeLimitControl::days() const
{
    return m_days->value();
}

void AgeLimitControl::showUnit()
{
    //: After the number of an age limit: "Only files older than [30] days"
    m_unit->setText(tr("day(s)", nullptr, m_days->value()));
}

}  // namespace sw
