#pragma once

#include "ORBaseViewCter.h"
#include "ORDisk.h"
#include "ORMemory.h"
#include "ORMemoryCollection.h"
#include "ORVerticalBarViewDelegate.h"

#include <QColor>
#include <QList>
#include <QPointer>

#include <optional>

class ORMemCircleView;
class ORQuotesWinCter;
class ORVerticalBarView;
class QLabel;
class QPushButton;

// The memory tool's page: the memory figures as a bar of wired, compressed,
// file cache, app and free memory with a legend, the disk of the Documents
// folder as a second bar, and the release button.
//
// The clock, the automatic release and the release itself belong to the
// memory engine (sw::MemoryMonitor), which runs from the program's start;
// the page keeps it refreshing while the page lives, shows every refresh,
// and while a release runs shows the busy gauge with the sidebar disabled,
// then the released amount on the page and in a pop-up. Figures that
// contradict each other are shown as unavailable.
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

    QLabel *wiredTextField = nullptr;
    QLabel *compressedTextField = nullptr;
    QLabel *filecacheTextField = nullptr;
    QLabel *appMemTextField = nullptr;
    QLabel *totalTextField = nullptr;
    QLabel *availableTextField = nullptr;
    QLabel *totalSpaceTextField = nullptr;
    QLabel *availableSpaceTextField = nullptr;
    QLabel *cleanedMemTextField = nullptr;
    QLabel *unitTextField = nullptr;
    QLabel *cleanedInfoTextField = nullptr;

    QWidget *wiredView = nullptr;
    QWidget *compressedView = nullptr;
    QWidget *filecacheView = nullptr;
    QWidget *appMemView = nullptr;
    QWidget *availableMemView = nullptr;
    QWidget *totalMemView = nullptr;
    QWidget *totalSpaceView = nullptr;
    QWidget *availableSpaceView = nullptr;

    QPushButton *freeMemoryButton = nullptr;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildView();
    QWidget *legendRow(const QString &name, QWidget **swatch, QLabel **field);
    void showMemory(const ORMemory &fresh);
    void showReleasing(bool releasing);
    void placeCircle();

    // The disk bar in the colours of its swatches: used 0, free 4.
    struct DiskColors : ORVerticalBarViewDelegate
    {
        ORMemViewCter *page = nullptr;
        std::optional<QColor> colorWithIndex(int index) override { return page->colorWithIndex(index == 0 ? 0 : 4); }
    };

    const QList<QColor> m_groupColors;
    DiskColors m_diskColors;
};
