#include "InterruptWatch.h"

#include <QSocketNotifier>

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace {

// Made once per process and kept: the handler may run at any moment.
int g_pipe[2] = {-1, -1};

extern "C" void onSigint(int)
{
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_pipe[1], &byte, 1);
    errno = saved;
}

}  // namespace

InterruptWatch::InterruptWatch(std::function<void()> onInterrupt, QObject *parent)
    : QObject(parent)
    , m_onInterrupt(std::move(onInterrupt))
{
    if (g_pipe[0] < 0 && ::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;  // no watch: Ctrl-C keeps its default and ends the program
    m_notifier = std::make_unique<QSocketNotifier>(g_pipe[0], QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, [this] { drain(); });
    struct sigaction action = {};
    action.sa_handler = onSigint;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGINT, &action, &m_previous);
}

InterruptWatch::~InterruptWatch()
{
    if (m_notifier)
        ::sigaction(SIGINT, &m_previous, nullptr);
}

void InterruptWatch::drain()
{
    char buffer[64];
    while (::read(g_pipe[0], buffer, sizeof buffer) > 0) {
    }
    if (m_fired)
        return;
    m_fired = true;
    // A second Ctrl-C ends the program at once, for whoever cannot wait for
    // the current item.
    ::sigaction(SIGINT, &m_previous, nullptr);
    m_onInterrupt();
}
