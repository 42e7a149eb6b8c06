#pragma once

#include <QObject>

#include <functional>
#include <memory>

#include <csignal>

class QSocketNotifier;

// Turns Ctrl-C (SIGINT) into a call on the main thread while it lives. The
// handler only writes a byte into a pipe (write() is async-signal-safe); a
// socket notifier on the other end calls onInterrupt from the event loop, so
// the job is cancelled by ordinary code. The handler that was there before
// comes back when the watch is destroyed.
class InterruptWatch : public QObject
{
public:
    explicit InterruptWatch(std::function<void()> onInterrupt, QObject *parent = nullptr);
    ~InterruptWatch() override;

    // Whether Ctrl-C was pressed while the watch lived.
    bool fired() const { return m_fired; }

private:
    void drain();

    std::function<void()> m_onInterrupt;
    std::unique_ptr<QSocketNotifier> m_notifier;
    struct sigaction m_previous = {};
    bool m_fired = false;
};
