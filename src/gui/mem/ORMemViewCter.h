// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/mem/ORDisk.h"
#include "core/mem/ORMemory.h"
#include "core/mem/ORMemoryCollection.h"
#include "gui/controls/ORVerticalBarViewDelegate.h"
#include "gui/shell/ORBaseViewCter.h"

#include <QColor>
#include <QList>
#include <QPointer>

#include <optional>

class ORMemCircleView;
class ORQuotesWinCter;
class ORVerticalBarView;
class QLabel;
class QPushButton;

// The memory tool's page: the memory figures in the kernel's own terms, a
// bar of used, cached, buffers and free memory with a legend, and swap with
// its use; the disk of the Documents folder as a second bar; the release
// button with a line on what it does (it asks the kernel to give back cache,
// which programs then read again: nothing gets faster). The busy gauge has
// its own place beside the button, so it never covers a figure.
//
// The clock, the automatic release and the release itself belong to the
// memory engine (sw::MemoryMonitor), which runs from the program's start;
// the page keeps it refreshing while the page lives, shows every refresh,
// and while a release runs shows the busy gauge with the sidebar disabled,
// then the released amount on the page and in a pop-up, or in a desktop
// notification while the window is hidden. Figures that contradict each
// other are shown as unavailable.
class ORMemViewCter : public ORBaseViewCter, public ORVerticalBarViewDelegate
{
    Q_OBJECT

public:
    explicit ORMemViewCter(ORBasedViewCterDelegate *delegate = nullptr, QWidget *parent = nullptr);
    ~ORMemViewCter() override;

    // Asks the engine to refresh now / to release.
    void refreshMemUsage();
    void freeMemory();
    void memoryFreed(qint64 bytes);
    void refreshMemAndDiskTextField();
    void loadMemoryVerticalBar();
    void refreshDisk();
    void setCircle();

    std::optional<QColor> colorWithIndex(int index) override;
    void viewDidAppear() override;

    ORMemoryCollection memoryCollection;
    std::optional<ORMemory> memory;
    std::optional<ORDisk> or_disk;
    ORVerticalBarView *memVerticalBar = nullptr;
    ORVerticalBarView *diskVerticalBar = nullptr;
    ORMemCircleView *circleView = nullptr;
    QPointer<ORQuotesWinCter> quotesWinCter;

    QLabel *usedTextField = nullptr;
    QLabel *cachedTextField = nullptr;
    QLabel *buffersTextField = nullptr;
    QLabel *freeTextField = nullptr;
    QLabel *totalTextField = nullptr;
    QLabel *availableTextField = nullptr;
    QLabel *swapTextField = nullptr;
    QLabel *releaseInfoTextField = nullptr;
    QLabel *totalSpaceTextField = nullptr;
    QLabel *availableSpaceTextField = nullptr;
    QLabel *cleanedMemTextField = nullptr;
    QLabel *unitTextField = nullptr;
    QLabel *cleanedInfoTextField = nullptr;

    QWidget *usedView = nullptr;
    QWidget *cachedView = nullptr;
    QWidget *buffersView = nullptr;
    QWidget *freeView = nullptr;
    QWidget *availableMemView = nullptr;
    QWidget *totalMemView = nullptr;
    QWidget *swapView = nullptr;
    QWidget *totalSpaceView = nullptr;
    QWidget *availableSpaceView = nullptr;

    QPushButton *freeMemoryButton = nullptr;

    // The bar's segments, in bar order; Swap colours the swap and the used disk.
    enum Segment { Used, Cached, Buffers, Free, Swap };

private:
    void buildView();
    QLayout *buildMemoryLegend();
    QLayout *buildBottom();
    QWidget *legendRow(const QString &name, QWidget **swatch, QLabel **field);
    void showMemory(const ORMemory &fresh);
    void showReleasing(bool releasing);

    // The disk bar in the colours of its swatches: used as swap, free as free.
    struct DiskColors : ORVerticalBarViewDelegate
    {
        ORMemViewCter *page = nullptr;
        std::optional<QColor> colorWithIndex(int index) override
        {
            return page->colorWithIndex(index == 0 ? Swap : Free);
        }
    };

    DiskColors m_diskColors;
};
