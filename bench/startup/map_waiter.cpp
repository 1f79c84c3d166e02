// Starts a program and prints the seconds from its start until the X server
// maps its top-level window titled "Installer", then ends it and prints the
// processor time it used (user and system), which a loaded machine disturbs
// less than the wall time.
//   map_waiter PROGRAM [ARGUMENTS...]
// Listening to the root window's map events, subscribed before the program
// starts, misses nothing and costs no polling delay.
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string windowName(xcb_connection_t *connection, xcb_window_t window)
{
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(connection, 0, window, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 64);
    xcb_get_property_reply_t *reply = xcb_get_property_reply(connection, cookie, nullptr);
    if (!reply)
        return {};
    const std::string name(static_cast<const char *>(xcb_get_property_value(reply)),
                           std::size_t(xcb_get_property_value_length(reply)));
    std::free(reply);
    return name;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "map_waiter: no X display\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_request_check(connection, xcb_change_window_attributes_checked(connection, root, XCB_CW_EVENT_MASK, &mask));

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execv(argv[1], argv + 1);
        std::perror("map_waiter: exec");
        _exit(127);
    }

    int status = 0;
    double seconds = -1;
    pollfd input{xcb_get_file_descriptor(connection), POLLIN, 0};
    while (seconds < 0) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(connection)) {
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
                if (windowName(connection, map->window) == "Installer")
                    seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            }
            std::free(event);
        }
        if (seconds >= 0)
            break;
        if (waitpid(child, &status, WNOHANG) == child) {
            std::fprintf(stderr, "map_waiter: the program ended before mapping its window\n");
            return 1;
        }
        if (poll(&input, 1, 100) < 0 || xcb_connection_has_error(connection)) {
            std::fprintf(stderr, "map_waiter: lost the X connection\n");
            kill(child, SIGKILL);
            return 1;
        }
        if (std::chrono::steady_clock::now() - start > std::chrono::seconds(20)) {
            std::fprintf(stderr, "map_waiter: no window within 20 s\n");
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            return 1;
        }
    }
    // Ended at once: what it uses from here on is next to nothing.
    kill(child, SIGKILL);
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const double processor = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    std::printf("%.4f %.4f\n", seconds, processor);
    xcb_disconnect(connection);
    return 0;
}
