#include "ORMemViewCter.h"

#include "MemoryMonitor.h"
#include "ORMemCircleView.h"
#include "ORQuotesWinCter.h"
#include "ORQuotesWindow.h"
#include "ORUtility.h"
#include "ORVerticalBarView.h"
#include "PageStyle.h"

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
// The busy gauge sits this far right of and above the page's centre.
constexpr int kCircleRight = 340;
constexpr int kCircleUp = 235;

QString sizeText(qint64 bytes)
{
    return ORUtility::sizeFormatWithNumber(bytes);
}

void paintSwatch(QWidget *swatch, const QColor &color)
{
    swatch->setStyleSheet(QStringLiteral("background:%1; border-radius:3px;").arg(color.name()));
}

}  // namespace

ORMemViewCter::ORMemViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : ORBaseViewCter(delegate, parent)
    , m_groupColors{QColor(48, 201, 193), QColor(143, 97, 180), QColor(234, 92, 168), QColor(255, 106, 106),
                    QColor(160, 207, 79)}
{
    buildView();
    memVerticalBar->setDelegate(this);
    m_diskColors.page = this;
    diskVerticalBar->setDelegate(&m_diskColors);
    setCircle();
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
    if (index < 0 || index >= m_groupColors.size())
        return QColor(Qt::black);
    return m_groupColors.at(index);
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
    column->setContentsMargins(40, 30, 40, 30);
    column->setSpacing(14);

    column->addWidget(PageStyle::heading(tr("Memory"), this));
    memVerticalBar = new ORVerticalBarView(this);
    memVerticalBar->setObjectName(QStringLiteral("memVerticalBar"));
    memVerticalBar->setCornerRadius(6);
    memVerticalBar->setFixedHeight(28);
    column->addWidget(memVerticalBar);
    auto *memLegend = new QGridLayout;
    memLegend->addWidget(legendRow(tr("Wired"), &wiredView, &wiredTextField), 0, 0);
    memLegend->addWidget(legendRow(tr("Compressed"), &compressedView, &compressedTextField), 0, 1);
    memLegend->addWidget(legendRow(tr("File Cache"), &filecacheView, &filecacheTextField), 0, 2);
    memLegend->addWidget(legendRow(tr("App Memory"), &appMemView, &appMemTextField), 1, 0);
    memLegend->addWidget(legendRow(tr("Available"), &availableMemView, &availableTextField), 1, 1);
    memLegend->addWidget(legendRow(tr("Total"), &totalMemView, &totalTextField), 1, 2);
    column->addLayout(memLegend);

    column->addSpacing(16);
    column->addWidget(PageStyle::heading(tr("Disk"), this));
    diskVerticalBar = new ORVerticalBarView(this);
    diskVerticalBar->setObjectName(QStringLiteral("diskVerticalBar"));
    diskVerticalBar->setCornerRadius(6);
    diskVerticalBar->setFixedHeight(28);
    column->addWidget(diskVerticalBar);
    auto *diskLegend = new QHBoxLayout;
    diskLegend->addWidget(legendRow(tr("Used"), &totalSpaceView, &totalSpaceTextField));
    diskLegend->addWidget(legendRow(tr("Available"), &availableSpaceView, &availableSpaceTextField));
    diskLegend->addStretch(1);
    column->addLayout(diskLegend);

    column->addStretch(1);
    auto *bottom = new QHBoxLayout;
    freeMemoryButton = PageStyle::primaryButton(tr("Release Memory"), this);
    freeMemoryButton->setObjectName(QStringLiteral("freeMemoryButton"));
    connect(freeMemoryButton, &QPushButton::clicked, this, &ORMemViewCter::freeMemory);
    bottom->addWidget(freeMemoryButton);
    bottom->addSpacing(24);
    cleanedInfoTextField = PageStyle::muted(tr("Released Memory"), this, 12);
    cleanedInfoTextField->setWordWrap(false);
    cleanedMemTextField = new QLabel(this);
    unitTextField = new QLabel(this);
    PageStyle::styleSizeLabels(cleanedMemTextField, unitTextField, 22);
    for (QLabel *label : {cleanedInfoTextField, cleanedMemTextField, unitTextField}) {
        bottom->addWidget(label, 0, Qt::AlignBaseline);
        label->hide();  // until the first release
    }
    bottom->addStretch(1);
    column->addLayout(bottom);

    QWidget *const memorySwatches[] = {wiredView, compressedView, filecacheView, appMemView, availableMemView};
    for (int i = 0; i < 5; ++i)
        paintSwatch(memorySwatches[i], *colorWithIndex(i));
    paintSwatch(totalMemView, QColor(190, 190, 190));
    paintSwatch(totalSpaceView, *colorWithIndex(0));
    paintSwatch(availableSpaceView, *colorWithIndex(4));
}

void ORMemViewCter::setCircle()
{
    circleView = new ORMemCircleView(this, true);
    circleView->setObjectName(QStringLiteral("circleView"));
    circleView->resize(kCircleSide, kCircleSide);
    circleView->setupWithTitle(tr("Memory"));
    placeCircle();
    circleView->hide();
}

void ORMemViewCter::placeCircle()
{
    if (!circleView)
        return;
    const QPoint centre(width() / 2 + kCircleRight, height() / 2 - kCircleUp);
    QRect frame(0, 0, kCircleSide, kCircleSide);
    frame.moveCenter(centre);
    // Kept inside a page smaller than the one it was drawn for.
    frame.moveLeft(qBound(0, frame.left(), qMax(0, width() - kCircleSide)));
    frame.moveTop(qBound(0, frame.top(), qMax(0, height() - kCircleSide)));
    circleView->setGeometry(frame);
}

void ORMemViewCter::resizeEvent(QResizeEvent *event)
{
    ORBaseViewCter::resizeEvent(event);
    placeCircle();
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
    qCDebug(lcMemPage, "wired-----> %s", qUtf8Printable(sizeText(fresh.wiredMemory)));
    qCDebug(lcMemPage, "compressed-----> %s", qUtf8Printable(sizeText(fresh.compressedMemory)));
    qCDebug(lcMemPage, "filecache-----> %s", qUtf8Printable(sizeText(fresh.filecacheMemory)));
    qCDebug(lcMemPage, "app-----> %s", qUtf8Printable(sizeText(fresh.appMemory)));
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
    memVerticalBar->setupWithData({memory->wiredMemory, memory->compressedMemory, memory->filecacheMemory,
                                   memory->appMemory, memory->freeMemory});
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
        wiredTextField->setText(sizeText(memory->wiredMemory));
        compressedTextField->setText(sizeText(memory->compressedMemory));
        filecacheTextField->setText(sizeText(memory->filecacheMemory));
        appMemTextField->setText(sizeText(memory->appMemory));
        availableTextField->setText(sizeText(memory->available()));
        totalTextField->setText(sizeText(memory->total()));
    } else if (memory) {
        // Counters that contradict each other tell nothing worth a number.
        for (QLabel *field : {wiredTextField, compressedTextField, filecacheTextField, appMemTextField,
                              availableTextField, totalTextField})
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
    quotesWinCter = new ORQuotesWinCter(this, this);
    quotesWinCter->showWindow();
    ORUtility::sizeFileFormat(quotesWinCter->contentTextField, quotesWinCter->contentUnitTextField, formatted);
    quotesWinCter->infoTextField->setText(tr("Released Memory"));
}
