#include "toolkit/desktop_hints.h"

#include <QGuiApplication>
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
