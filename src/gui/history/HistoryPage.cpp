// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/history/HistoryPage.h"

#include "core/foundation/ORUtility.h"
#include "core/history/HistoryFile.h"
#include "core/history/HistoryWording.h"
#include "core/history/PutBack.h"
#include "gui/controls/ThemeFollower.h"
#include "gui/shell/PageStyle.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace sw {

namespace {

QTreeWidget *makeList(const QStringList &columns, const QString &name, QWidget *parent)
{
    auto *list = new QTreeWidget(parent);
    list->setColumnCount(int(columns.size()));
    list->setHeaderLabels(columns);
    list->setAccessibleName(name);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAlternatingRowColors(true);
    list->setFrameShape(QFrame::NoFrame);
    list->setTextElideMode(Qt::ElideMiddle);
    list->header()->setStretchLastSection(true);
    ThemeFollower::style(list, QStringLiteral("QTreeWidget { background: @surface; color: @text;"
                                              " alternate-background-color: @rowHover; border: 1px solid @border;"
                                              " border-radius: 6px; }"
                                              "QTreeWidget::item { padding: 5px 4px; }"
                                              "QTreeWidget::item:selected { background: @selectedRow;"
                                              " color: @onAccent; }"
                                              "QHeaderView::section { background: @pane; color: @muted;"
                                              " border: none; border-bottom: 1px solid @separator;"
                                              " padding: 6px 4px; }"));
    return list;
}

}  // namespace

HistoryPage::HistoryPage(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : ORBaseViewCter(delegate, parent)
{
    auto *heading = PageStyle::heading(tr("History"), this);
    auto *brief = PageStyle::muted(tr("What each tool removed, newest first. What went to the Trash can be put "
                                      "back where it was."),
                                   this, 13);
    brief->setWordWrap(true);
    m_runs = makeList({tr("When"), tr("Tool"), tr("What became of it")}, tr("Removals"), this);
    m_runs->setObjectName(QStringLiteral("runList"));
    m_runs->header()->resizeSection(0, 150);
    m_runs->header()->resizeSection(1, 120);
    m_items = makeList({tr("Item"), tr("Size"), tr("What became of it")}, tr("Items of the chosen removal"), this);
    m_items->setObjectName(QStringLiteral("itemList"));
    m_items->header()->resizeSection(0, 420);
    m_items->header()->resizeSection(1, 80);
    m_empty = PageStyle::muted(tr("Nothing has been removed yet."), this, 13);
    m_empty->setObjectName(QStringLiteral("emptyField"));
    m_status = PageStyle::muted(QString(), this, 11);
    m_status->setObjectName(QStringLiteral("statusField"));
    m_status->setWordWrap(true);
    m_putBackBut = PageStyle::primaryButton(tr("&Put Back"), this);
    m_putBackBut->setObjectName(QStringLiteral("putBackBut"));
    m_putBackBut->setToolTip(tr("Returns what this removal moved to the Trash to where it was"));
    connect(m_putBackBut, &QPushButton::clicked, this, &HistoryPage::putBack);
    connect(m_runs, &QTreeWidget::currentItemChanged, this, &HistoryPage::showRun);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_status, 1);
    bottom->addWidget(m_putBackBut, 0, Qt::AlignBottom);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(40, 30, 40, 20);
    column->setSpacing(6);
    column->addWidget(heading);
    column->addWidget(brief);
    column->addSpacing(10);
    column->addWidget(m_empty);
    column->addWidget(m_runs, 3);
    column->addSpacing(6);
    column->addWidget(m_items, 2);
    column->addSpacing(6);
    column->addLayout(bottom);
}

void HistoryPage::viewWillAppear()
{
    const HistoryRecord *run = chosenRun();
    reload(run ? run->id : QString());
}

void HistoryPage::reload(const QString &chosenId)
{
    m_history = HistoryFile::standard().read();
    std::reverse(m_history.begin(), m_history.end());
    const QSignalBlocker blocker(m_runs);
    m_runs->clear();
    int chosen = 0;
    for (int i = 0; i < m_history.size(); ++i) {
        const HistoryRecord &run = m_history.at(i);
        auto *row = new QTreeWidgetItem(
            m_runs, {HistoryWording::when(run), HistoryWording::toolName(run.tool), HistoryWording::summary(run)});
        row->setToolTip(2, run.id);
        if (run.id == chosenId)
            chosen = i;
    }
    m_empty->setVisible(m_history.isEmpty());
    m_runs->setVisible(!m_history.isEmpty());
    m_items->setVisible(!m_history.isEmpty());
    if (!m_history.isEmpty())
        m_runs->setCurrentItem(m_runs->topLevelItem(chosen));
    showRun();
}

const HistoryRecord *HistoryPage::chosenRun() const
{
    const int at = m_runs->indexOfTopLevelItem(m_runs->currentItem());
    return at >= 0 && at < m_history.size() ? &m_history.at(at) : nullptr;
}

void HistoryPage::showRun()
{
    m_items->clear();
    const HistoryRecord *run = chosenRun();
    const bool canPutBack = run && !PutBack::candidates(*run).isEmpty();
    m_putBackBut->setEnabled(canPutBack);
    if (!run)
        return;
    for (const HistoryItem &item : run->items) {
        auto *row = new QTreeWidgetItem(m_items, {item.path, ORUtility::sizeFormatWithNumber(item.size),
                                                  HistoryWording::fate(item)});
        row->setToolTip(0, item.path);
        row->setToolTip(2, HistoryWording::fate(item));
        row->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    }
    if (!canPutBack && run->tool != HistoryRecord::kPutBack)
        m_status->setText(tr("Nothing of this removal is in the Trash: it cannot be put back."));
    else
        m_status->clear();
}

void HistoryPage::putBack()
{
    const HistoryRecord *run = chosenRun();
    if (!run)
        return;
    QString writeError;
    const HistoryRecord done = PutBack::run(*run, HistoryFile::standard(), &writeError);
    const int restored = int(done.count(HistoryItem::Fate::Restored));
    const int failed = int(done.count(HistoryItem::Fate::Failed));
    QString text = tr("%n item(s) put back.", nullptr, restored);
    if (failed > 0)
        text += QLatin1Char(' ') + tr("%n item(s) could not be put back; the list says why.", nullptr, failed);
    if (!writeError.isEmpty())
        text += QLatin1Char(' ') + tr("The history could not be written: %1").arg(writeError);
    reload(done.id);
    m_status->setText(text);
    // Put Back is disabled now: the keys stay on the list rather than leave the page.
    m_runs->setFocus(Qt::OtherFocusReason);
}

}  // namespace sw
