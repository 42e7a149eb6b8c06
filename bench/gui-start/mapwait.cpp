// SPDX-License-Identifier: GPL-3.0-or-later
// mapwait COMMAND [ARGS...]: starts the command and prints the milliseconds
// from its start to the moment the X server maps its first top-level window
// (a MapNotify on the root window; pop-ups that bypass the window manager do
// not count), then ends it. Run without a window manager, as under a bare
// Xvfb, so that the map is the program's own doing. Status 1 when the command
// ends, or 30 s pass, without a window.

#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace {

double millisecondsSince(const timespec &start)
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec - start.tv_sec) * 1e3 + double(now.tv_nsec - start.tv_nsec) / 1e6;
}

// Waits for the first top-level map; answers its time, or a negative value
// (with *ended set when the child ended and was reaped).
double waitForMap(xcb_connection_t *x, xcb_window_t root, const timespec &start, pid_t child, bool *ended)
{
    const int fd = xcb_get_file_descriptor(x);
    while (millisecondsSince(start) < 30000 && !xcb_connection_has_error(x)) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(x)) {
            double at = -1;
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
                if (map->event == root && !map->override_redirect)
                    at = millisecondsSince(start);
            }
            free(event);
            if (at >= 0)
                return at;
        }
        if (waitpid(child, nullptr, WNOHANG) == child) {
            *ended = true;
            return -1;
        }
        pollfd ready{fd, POLLIN, 0};
        poll(&ready, 1, 20);  // an event wakes at once; the timeout only checks on the child
    }
    return -1;
}

}  // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: mapwait COMMAND [ARGS...]\n");
        return 2;
    }
    // A server just started may not take clients yet: tried for two seconds.
    xcb_connection_t *x = xcb_connect(nullptr, nullptr);
    for (int tries = 1; xcb_connection_has_error(x) && tries < 40; ++tries) {
        xcb_disconnect(x);
        usleep(50000);
        x = xcb_connect(nullptr, nullptr);
    }
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "mapwait: cannot open the display\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    if (xcb_generic_error_t *error =
            xcb_request_check(x, xcb_change_window_attributes_checked(x, root, XCB_CW_EVENT_MASK, &mask))) {
        std::fprintf(stderr, "mapwait: cannot watch the root window (error %d)\n", int(error->error_code));
        free(error);
        return 2;
    }

    timespec start{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    const pid_t child = fork();
    if (child < 0) {
        std::perror("mapwait: fork");
        return 2;
    }
    if (child == 0) {
        execvp(argv[1], argv + 1);
        std::perror("mapwait: exec");
        _exit(127);
    }
    bool ended = false;
    const double mapped = waitForMap(x, root, start, child, &ended);
    if (!ended) {
        kill(child, SIGTERM);
        waitpid(child, nullptr, 0);
    }
    xcb_disconnect(x);
    if (mapped < 0) {
        std::fprintf(stderr, "mapwait: %s showed no window\n", argv[1]);
        return 1;
    }
    std::printf("%.1f\n", mapped);
    return 0;
}
