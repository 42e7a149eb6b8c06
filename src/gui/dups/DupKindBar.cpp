// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dups/DupKindBar.h"

#include "core/foundation/ORUtility.h"
#include "gui/controls/ORDotView.h"
#include "gui/controls/ORVerticalBarView.h"
#include "gui/controls/ThemeFollower.h"
#include "gui/dups/DupKinds.h"
#include "gui/shell/PageStyle.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace sw {

DupKindBar::DupKindBar(QWidget *parent) : QWidget(parent)
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(10);
    m_bar = new ORVerticalBarView(this);
    m_bar->setObjectName(QStringLiteral("memVerticalBar"));
    m_bar->setDelegate(this);
    m_bar->setCornerRadius(5);
    m_bar->setFixedHeight(22);
    column->addWidget(m_bar);
    auto *legend = new QGridLayout;
    legend->setHorizontalSpacing(8);
    legend->setVerticalSpacing(4);
    constexpr int kColumns = 3;
    for (int kind = 0; kind < DupKinds::kCount; ++kind) {
        const int row = kind / kColumns;
        const int col = (kind % kColumns) * 3;
        m_dots[kind] = new ORDotView(this);
        m_dots[kind]->setFixedSize(10, 10);
        m_dots[kind]->or_DotBackgroundColor(DupKinds::colorWithIndex(kind));
        legend->addWidget(m_dots[kind], row, col, Qt::AlignVCenter);
        legend->addWidget(PageStyle::muted(DupKinds::title(DupKind(kind)), this, 10), row, col + 1);
        m_sizes[kind] = new QLabel(this);
        ThemeFollower::style(m_sizes[kind], QStringLiteral("color:@text; font-weight:600;"));
        legend->addWidget(m_sizes[kind], row, col + 2);
        legend->setColumnStretch(col + 2, 1);
    }
    column->addLayout(legend);
}

void DupKindBar::setPies(const QList<qint64> &pies)
{
    m_bar->setupWithData(pies);
    for (int kind = 0; kind < DupKinds::kCount; ++kind)
        m_sizes[kind]->setText(ORUtility::sizeFormatWithNumber(kind < pies.size() ? pies.at(kind) : 0));
}

void DupKindBar::removeData()
{
    m_bar->removeData();
    for (QLabel *size : m_sizes)
        size->clear();
}

std::optional<QColor> DupKindBar::colorWithIndex(int index)
{
    return DupKinds::colorWithIndex(index);
}

QString DupKindBar::legendSizeText(int kind) const
{
    return kind >= 0 && kind < DupKinds::kCount ? m_sizes[kind]->text() : QString();
}

}  // namespace sw
