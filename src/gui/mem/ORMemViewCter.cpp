// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/mem/ORMemViewCter.h"

#include "core/foundation/ORUtility.h"
#include "core/mem/MemoryMonitor.h"
#include "gui/controls/ORMemCircleView.h"
#include "gui/controls/ORVerticalBarView.h"
#include "gui/controls/ThemeColors.h"
#include "gui/controls/ThemeFollower.h"
#include "gui/mem/ORQuotesWinCter.h"
#include "gui/mem/ORQuotesWindow.h"
#include "gui/shell/AwayNotice.h"
#include "gui/shell/PageStyle.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLoggingCategory>
#include <QPushButton>
#include <QVBoxLayout>

Q_LOGGING_CATEGORY(lcMemPage, "sweepwright.mem.page", QtInfoMsg)

using namespace sw;

namespace {

constexpr int kCircleSide = 120;

QString sizeText(qint64 bytes)
{
    return ORUtility::sizeFormatWithNumber(bytes);
}

// The memory groups' colours, by group.
constexpr ThemeColors::Role kGroupColors[] = {ThemeColors::SeriesCoral, ThemeColors::SeriesPink,
                                              ThemeColors::SeriesPurple, ThemeColors::SeriesLime,
                                              ThemeColors::SeriesTeal};

void paintSwatch(QWidget *swatch, ThemeColors::Role color)
{
    ThemeFollower::style(swatch,
                         QStringLiteral("background:%1; border-radius:3px;").arg(ThemeColors::token(color)));
}

}  // namespace

ORMemViewCter::ORMemViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : ORBaseViewCter(delegate, parent)
{
    buildView();
    memVerticalBar->setDelegate(this);
    m_diskColors.page = this;
    diskVerticalBar->setDelegate(&m_diskColors);
    MemoryMonitor &monitor = MemoryMonitor::shareInstance();
    connect(&monitor, &MemoryMonitor::memoryRefreshed, this, &ORMemViewCter::showMemory);
    connect(&monitor, &MemoryMonitor::releaseStarted, this, [this] { showReleasing(true); });
    connect(&monitor, &MemoryMonitor::releaseFinished, this, [this](qint64 released) {
        showReleasing(false);
        memoryFreed(released);
    });
    // Made while a release runs (the tray's, or an automatic one).
    if (monitor.isReleasing())
        showReleasing(true);
    if (monitor.memory())
        showMemory(*monitor.memory());
    monitor.watch(this);  // refreshes at once when the clock was not running
}

ORMemViewCter::~ORMemViewCter()
{
    memVerticalBar->setDelegate(nullptr);
    diskVerticalBar->setDelegate(nullptr);
}

std::optional<QColor> ORMemViewCter::colorWithIndex(int index)
{
    if (index < 0 || index >= int(std::size(kGroupColors)))
        return QColor(Qt::black);
    return ThemeColors::of(kGroupColors[index]);
}

QWidget *ORMemViewCter::legendRow(const QString &name, QWidget **swatch, QLabel **field)
{
    auto *row = new QWidget(this);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    *swatch = new QWidget(row);
    (*swatch)->setFixedSize(12, 12);
    layout->addWidget(*swatch);
    auto *label = PageStyle::muted(name, row, 11);
    label->setWordWrap(false);
    layout->addWidget(label);
    *field = new QLabel(row);
    QFont font = (*field)->font();
    font.setPointSize(12);
    font.setWeight(QFont::DemiBold);
    (*field)->setFont(font);
    layout->addWidget(*field, 1);
    return row;
}

void ORMemViewCter::buildView()
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(40, 30, 40, 24);
    column->setSpacing(14);
    column->addWidget(PageStyle::heading(tr("Memory"), this));
    memVerticalBar = new ORVerticalBarView(this);
    memVerticalBar->setObjectName(QStringLiteral("memVerticalBar"));
    memVerticalBar->setAccessibleName(tr("Memory in use"));
    memVerticalBar->setCornerRadius(6);
    memVerticalBar->setFixedHeight(28);
    column->addWidget(memVerticalBar);
    column->addLayout(buildMemoryLegend());

    column->addSpacing(16);
    column->addWidget(PageStyle::heading(tr("Disk"), this));
    diskVerticalBar = new ORVerticalBarView(this);
    diskVerticalBar->setObjectName(QStringLiteral("diskVerticalBar"));
    diskVerticalBar->setAccessibleName(tr("Disk space in use"));
    diskVerticalBar->setCornerRadius(6);
    diskVerticalBar->setFixedHeight(28);
    column->addWidget(diskVerticalBar);
    auto *diskLegend = new QHBoxLayout;
    diskLegend->addWidget(legendRow(tr("Used"), &totalSpaceView, &totalSpaceTextField));
    diskLegend->addWidget(legendRow(tr("Available"), &availableSpaceView, &availableSpaceTextField));
    diskLegend->addStretch(1);
    column->addLayout(diskLegend);

    column->addStretch(1);
    column->addLayout(buildBottom());

    QWidget *const memorySwatches[] = {usedView, cachedView, buffersView, freeView, swapView};
    for (int i = 0; i < 5; ++i)
        paintSwatch(memorySwatches[i], kGroupColors[i]);
    paintSwatch(availableMemView, kGroupColors[Free]);
    paintSwatch(totalMemView, ThemeColors::SeriesGrey);
    paintSwatch(totalSpaceView, kGroupColors[Swap]);
    paintSwatch(availableSpaceView, kGroupColors[Free]);
}

QLayout *ORMemViewCter::buildMemoryLegend()
{
    auto *legend = new QGridLayout;
    legend->setHorizontalSpacing(24);
    legend->addWidget(legendRow(tr("Used"), &usedView, &usedTextField), 0, 0);
    legend->addWidget(legendRow(tr("Cached"), &cachedView, &cachedTextField), 0, 1);
    legend->addWidget(legendRow(tr("Buffers"), &buffersView, &buffersTextField), 0, 2);
    legend->addWidget(legendRow(tr("Free"), &freeView, &freeTextField), 1, 0);
    legend->addWidget(legendRow(tr("Available"), &availableMemView, &availableTextField), 1, 1);
    legend->addWidget(legendRow(tr("Total"), &totalMemView, &totalTextField), 1, 2);
    legend->addWidget(legendRow(tr("Swap"), &swapView, &swapTextField), 2, 0, 1, 3);
    return legend;
}

// What the release does, the button, the amount the last one gave back and
// the busy gauge's own place: shown or not, the place stays, so the gauge
// never lies over a figure and nothing moves.
QLayout *ORMemViewCter::buildBottom()
{
    auto *bottom = new QVBoxLayout;
    bottom->setSpacing(12);
    releaseInfoTextField = PageStyle::muted(
        tr("Release Memory asks the kernel to give back the memory it holds as cache. Programs read those files "
           "from the disk again when they need them, so the computer does not get faster."),
        this, 11);
    releaseInfoTextField->setObjectName(QStringLiteral("releaseInfoTextField"));
    releaseInfoTextField->setWordWrap(true);
    bottom->addWidget(releaseInfoTextField);
    auto *row = new QHBoxLayout;
    freeMemoryButton = PageStyle::primaryButton(tr("&Release Memory"), this);
    freeMemoryButton->setObjectName(QStringLiteral("freeMemoryButton"));
    connect(freeMemoryButton, &QPushButton::clicked, this, &ORMemViewCter::freeMemory);
    row->addWidget(freeMemoryButton);
    row->addSpacing(24);
    cleanedInfoTextField = PageStyle::muted(tr("Released Memory"), this, 12);
    cleanedInfoTextField->setWordWrap(false);
    cleanedMemTextField = new QLabel(this);
    unitTextField = new QLabel(this);
    PageStyle::styleSizeLabels(cleanedMemTextField, unitTextField, 22);
    for (QLabel *label : {cleanedInfoTextField, cleanedMemTextField, unitTextField}) {
        row->addWidget(label, 0, Qt::AlignBaseline);
        label->hide();  // until the first release
    }
    row->addStretch(1);
    setCircle();
    row->addWidget(circleView);
    bottom->addLayout(row);
    return bottom;
}

void ORMemViewCter::setCircle()
{
    circleView = new ORMemCircleView(this, true);
    circleView->setObjectName(QStringLiteral("circleView"));
    circleView->setFixedSize(kCircleSide, kCircleSide);
    circleView->setupWithTitle(tr("Memory"));
    QSizePolicy keepPlace = circleView->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    circleView->setSizePolicy(keepPlace);
    circleView->hide();
}

void ORMemViewCter::viewDidAppear()
{
    refreshMemAndDiskTextField();
}

void ORMemViewCter::refreshMemUsage()
{
    MemoryMonitor::shareInstance().refreshMemUsage();
}

void ORMemViewCter::freeMemory()
{
    MemoryMonitor::shareInstance().freeMemory();
}

void ORMemViewCter::showMemory(const ORMemory &fresh)
{
    memory = fresh;
    qCDebug(lcMemPage, "used-----> %s", qUtf8Printable(sizeText(fresh.programsMemory)));
    qCDebug(lcMemPage, "cached-----> %s", qUtf8Printable(sizeText(fresh.cachedMemory)));
    qCDebug(lcMemPage, "buffers-----> %s", qUtf8Printable(sizeText(fresh.buffersMemory)));
    qCDebug(lcMemPage, "free-----> %s", qUtf8Printable(sizeText(fresh.freeMemory)));
    qCDebug(lcMemPage, "total-----> %s", qUtf8Printable(sizeText(fresh.total())));
    loadMemoryVerticalBar();
    refreshDisk();
    refreshMemAndDiskTextField();
}

void ORMemViewCter::loadMemoryVerticalBar()
{
    if (!memory)
        return;
    if (!memory->consistent) {
        memVerticalBar->removeData();
        return;
    }
    memVerticalBar->setupWithData(
        {memory->programsMemory, memory->cachedMemory, memory->buffersMemory, memory->freeMemory});
}

void ORMemViewCter::refreshDisk()
{
    or_disk = memoryCollection.diskSpace();
    if (!or_disk)
        return;
    diskVerticalBar->setupWithData({qint64(or_disk->used()), qint64(or_disk->free)});
}

void ORMemViewCter::refreshMemAndDiskTextField()
{
    if (memory && memory->consistent) {
        usedTextField->setText(sizeText(memory->programsMemory));
        cachedTextField->setText(sizeText(memory->cachedMemory));
        buffersTextField->setText(sizeText(memory->buffersMemory));
        freeTextField->setText(sizeText(memory->freeMemory));
        availableTextField->setText(sizeText(memory->memAvailable));
        totalTextField->setText(sizeText(memory->total()));
        swapTextField->setText(memory->swapTotal > 0 ? tr("%1 of %2 in use")
                                                           .arg(sizeText(memory->swapUsed), sizeText(memory->swapTotal))
                                                     : tr("None"));
    } else if (memory) {
        // Counters that contradict each other tell nothing worth a number.
        for (QLabel *field : {usedTextField, cachedTextField, buffersTextField, freeTextField, availableTextField,
                              totalTextField, swapTextField})
            field->setText(tr("Unavailable"));
    }
    const ORDisk disk = or_disk.value_or(ORDisk());
    totalSpaceTextField->setText(sizeText(qint64(disk.used())));
    availableSpaceTextField->setText(sizeText(qint64(disk.free)));
}

void ORMemViewCter::showReleasing(bool releasing)
{
    if (releasing) {
        circleView->show();
        circleView->raise();
        circleView->start();
    } else {
        circleView->stop();
        circleView->hide();
    }
    freeMemoryButton->setEnabled(!releasing);
    butEnable(!releasing);
}

void ORMemViewCter::memoryFreed(qint64 bytes)
{
    const QString formatted = sizeText(bytes);
    qCInfo(lcMemPage, "freed memory-----> %s", qUtf8Printable(formatted));
    ORUtility::sizeFileFormat(cleanedMemTextField, unitTextField, formatted);
    for (QLabel *label : {cleanedInfoTextField, cleanedMemTextField, unitTextField})
        label->show();
    // With the window hidden (a release from the tray, or an automatic one)
    // the desktop tells it: the pop-up would show without its window.
    if (!AwayNotice::isOnScreen(*this) && AwayNotice::send(*this, sw::MemoryPage, tr("Released Memory"), formatted))
        return;
    quotesWinCter = new ORQuotesWinCter(this, this);
    quotesWinCter->showWindow();
    ORUtility::sizeFileFormat(quotesWinCter->contentTextField, quotesWinCter->contentUnitTextField, formatted);
    quotesWinCter->infoTextField->setText(tr("Released Memory"));
}
