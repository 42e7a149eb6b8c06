// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

#include <chrono>

class ORBaseViewCter;
class QWidget;

namespace sw {

// Messages for a user who is not looking at the window: they go as desktop
// notifications through the notifier of the page's window (see
// ORBasedViewCterDelegate::desktopNotifier), and clicking one brings the
// window back on the tool of toolPage. A scan or a removal is told about
// when it ran for minimumRun() at least and ended while the window was
// hidden, minimised or not the active one: a short job, or one the user
// watched, needs no message.
class AwayNotice
{
public:
    static constexpr std::chrono::milliseconds kMinimumRun{10000};

    static std::chrono::milliseconds minimumRun();
    // For tests, which cannot wait ten seconds for each case.
    static void setMinimumRun(std::chrono::milliseconds run);

    // page's window is shown and not minimised.
    static bool isOnScreen(const QWidget &page);
    // ... and it, or a dialog of it, is the active window.
    static bool isWatched(const QWidget &page);

    // Sends the message; false when the window has no notifier or the
    // desktop no notification service.
    static bool send(ORBaseViewCter &page, qint64 toolPage, const QString &summary, const QString &body);
    // Sends it when a job that ran for ran ended unwatched; answers whether it did.
    static bool jobEnded(ORBaseViewCter &page, std::chrono::milliseconds ran, qint64 toolPage, const QString &summary,
                         const QString &body);
};

}  // namespace sw
