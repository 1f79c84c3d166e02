#include "toolkit/desktop_hints.h"

#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QThread>
#include <QWidget>
#include <cstdlib>
#include <cstring>
#include <vector>
#include <xcb/xcb.h>

namespace {

xcb_connection_t *x11Connection()
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atomNamed(xcb_connection_t *connection, const char *name)
{
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, std::uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

void setAtomList(QWidget *window, const char *property, std::initializer_list<const char *> values)
{
    xcb_connection_t *connection = x11Connection();
    if (!connection || !window->testAttribute(Qt::WA_WState_Created))
        return;
    std::vector<xcb_atom_t> atoms;
    for (const char *value : values)
        atoms.push_back(atomNamed(connection, value));
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window->winId()),
                        atomNamed(connection, property), XCB_ATOM_ATOM, 32, std::uint32_t(atoms.size()),
                        atoms.data());
    xcb_flush(connection);
}

} // namespace

void DesktopHints::keepOffTaskBar(QWidget *window)
{
    setAtomList(window, "_NET_WM_STATE", {"_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"});
}

void DesktopHints::markAsUtility(QWidget *window)
{
    setAtomList(window, "_NET_WM_WINDOW_TYPE", {"_NET_WM_WINDOW_TYPE_UTILITY"});
}

QMargins DesktopHints::frameExtentsBeforeShowing(QWidget *window)
{
    xcb_connection_t *connection = x11Connection();
    if (!connection || !window->testAttribute(Qt::WA_WState_Created))
        return {};
    const xcb_window_t id = xcb_window_t(window->winId());
    const xcb_atom_t extents = atomNamed(connection, "_NET_FRAME_EXTENTS");
    xcb_client_message_event_t request = {};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = id;
    request.type = atomNamed(connection, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char *>(&request));
    xcb_flush(connection);
    // The answer is a property on the window; a window manager sets it at
    // once (openbox: within a few milliseconds).
    const QDeadlineTimer deadline(300);
    do {
        xcb_get_property_reply_t *reply = xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, id, extents, XCB_ATOM_CARDINAL, 0, 4), nullptr);
        QMargins margins;
        const bool answered = reply && reply->format == 32 && xcb_get_property_value_length(reply) == 16;
        if (answered) {
            const auto *value = static_cast<const std::uint32_t *>(xcb_get_property_value(reply));
            margins = QMargins(int(value[0]), int(value[2]), int(value[1]), int(value[3]));
        }
        std::free(reply);
        if (answered)
            return margins;
        QThread::msleep(5);
    } while (!deadline.hasExpired());
    return {};
}
