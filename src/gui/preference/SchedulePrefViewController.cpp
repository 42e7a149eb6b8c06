// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/preference/SchedulePrefViewController.h"

#include "core/junk/CleanSchedule.h"
#include "core/junk/ORJunkCategory.h"
#include "core/junk/ScheduledProfile.h"
#include "gui/controls/ORImage.h"
#include "gui/preference/PrefCheckBox.h"
#include "gui/shell/PageStyle.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <iterator>

using sw::CleanSchedule;
using sw::ScheduleFrequency;

namespace {

// The box's entries in order.
constexpr ScheduleFrequency kFrequencies[] = {ScheduleFrequency::Never, ScheduleFrequency::Daily,
                                              ScheduleFrequency::Weekly, ScheduleFrequency::Monthly};
constexpr int kColumns = 2;

int indexOf(ScheduleFrequency frequency)
{
    for (int i = 0; i < int(std::size(kFrequencies)); ++i)
        if (kFrequencies[i] == frequency)
            return i;
    return 0;
}

}  // namespace

SchedulePrefViewController::SchedulePrefViewController(QWidget *parent)
    : PrefPane(parent), m_frequency(new QComboBox(this)),
      m_reason(sw::PageStyle::muted(QString(), this, 11)), m_failure(sw::PageStyle::muted(QString(), this, 11))
{
    m_frequency->setObjectName(QStringLiteral("btnScheduleFrequency"));
    m_frequency->addItems({tr("Never"), tr("Every day"), tr("Every week"), tr("Every month")});
    m_reason->setObjectName(QStringLiteral("scheduleReason"));
    m_failure->setObjectName(QStringLiteral("scheduleFailure"));
    for (QLabel *label : {m_reason, m_failure}) {
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(32, 24, 32, 24);
    column->setSpacing(14);
    auto *row = new QHBoxLayout;
    auto *label = new QLabel(tr("Clean &automatically:"), this);
    label->setBuddy(m_frequency);
    m_frequency->setAccessibleName(tr("Clean automatically"));
    row->addWidget(label);
    row->addWidget(m_frequency);
    row->addStretch(1);
    column->addLayout(row);
    column->addWidget(m_reason);
    column->addWidget(m_failure);
    QLabel *note = sw::PageStyle::muted(tr("The cleaning runs in the background at low priority, even when "
                                           "Sweepwright is not open. It never asks for a password: what needs one "
                                           "is left. A notification tells what was removed."),
                                        this, 11);
    note->setWordWrap(true);
    column->addWidget(note);
    column->addWidget(sw::PageStyle::muted(tr("Clean these kinds of junk:"), this, 12));
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(32);
    grid->setVerticalSpacing(12);
    const QList<qint64> chosen = sw::ScheduledProfile::categories();
    for (const ORJunkCategory &category : ORJunkCategory::categories()) {
        auto *box = new PrefCheckBox(category.groupName(),
                                     QStringLiteral("btnSchedule%1").arg(category.groupID), this);
        box->setChecked(chosen.contains(category.groupID));
        connect(box, &QCheckBox::clicked, this, &SchedulePrefViewController::categoriesChanged);
        grid->addWidget(box, int(m_boxes.size()) / kColumns, int(m_boxes.size()) % kColumns);
        m_boxes.insert(category.groupID, box);
    }
    column->addLayout(grid);
    column->addStretch(1);
    connect(m_frequency, &QComboBox::activated, this, &SchedulePrefViewController::chooseFrequency);
    showState();
}

QIcon SchedulePrefViewController::toolbarItemImage() const
{
    return ORImage::icon(QStringLiteral("sw_schedule"));
}

void SchedulePrefViewController::showState()
{
    const QString reason = CleanSchedule::unavailableReason();
    m_frequency->setCurrentIndex(indexOf(CleanSchedule::frequency()));
    m_frequency->setEnabled(reason.isEmpty());
    m_reason->setText(reason.isEmpty() ? QString() : tr("Not available here: %1").arg(reason));
    m_reason->setVisible(!reason.isEmpty());
    m_failure->setVisible(!m_failure->text().isEmpty());
}

void SchedulePrefViewController::chooseFrequency(int index)
{
    const auto failed = CleanSchedule::apply(kFrequencies[qBound(0, index, int(std::size(kFrequencies)) - 1)]);
    m_failure->setText(failed ? tr("The schedule could not be changed: %1").arg(*failed) : QString());
    showState();
}

void SchedulePrefViewController::categoriesChanged()
{
    QList<qint64> ids;
    for (auto it = m_boxes.cbegin(); it != m_boxes.cend(); ++it)
        if (it.value()->isChecked())
            ids.append(it.key());
    sw::ScheduledProfile::setCategories(ids);
}
