// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/shell/AwayNotice.h"

#include "core/platform/DesktopNotifier.h"
#include "gui/shell/ORBaseViewCter.h"
#include "gui/shell/ORBasedViewCterDelegate.h"

#include <QApplication>
#include <QWidget>

#include <atomic>

namespace sw {

namespace {

std::atomic<qint64> g_minimumRunMs{AwayNotice::kMinimumRun.count()};

}  // namespace

std::chrono::milliseconds AwayNotice::minimumRun()
{
    return std::chrono::milliseconds(g_minimumRunMs.load());
}

void AwayNotice::setMinimumRun(std::chrono::milliseconds run)
{
    g_minimumRunMs.store(run.count());
}

bool AwayNotice::isOnScreen(const QWidget &page)
{
    const QWidget *window = page.window();
    return window->isVisible() && !window->isMinimized();
}

bool AwayNotice::isWatched(const QWidget &page)
{
    if (!isOnScreen(page))
        return false;
    // A dialog of the window (a confirmation, Details) keeps the user with it.
    for (const QWidget *active = QApplication::activeWindow(); active;
         active = active->parentWidget() ? active->parentWidget()->window() : nullptr)
        if (active == page.window())
            return true;
    return false;
}

bool AwayNotice::send(ORBaseViewCter &page, qint64 toolPage, const QString &summary, const QString &body)
{
    DesktopNotifier *notifier = page.delegate() ? page.delegate()->desktopNotifier() : nullptr;
    if (!notifier || !notifier->hasService())
        return false;
    notifier->notify(summary, body, toolPage);
    return true;
}

bool AwayNotice::jobEnded(ORBaseViewCter &page, std::chrono::milliseconds ran, qint64 toolPage,
                          const QString &summary, const QString &body)
{
    if (ran < minimumRun() || isWatched(page))
        return false;
    return send(page, toolPage, summary, body);
}

}  // namespace sw
