// X11: window states through the EWMH properties, set over Qt's own
// connection to the X server. Under other Linux platforms (offscreen,
// Wayland) the taskbar state is left alone.
#include "runtime/window_system.h"

#include <QGuiApplication>
#include <QWidget>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>
#include <xcb/xcb.h>

namespace vrc::runtime {

namespace {

struct FreeReply {
    void operator()(void *reply) const { std::free(reply); } // NOLINT(cppcoreguidelines-no-malloc)
};

xcb_atom_t Atom(xcb_connection_t *connection, const char *name) {
    const std::unique_ptr<xcb_intern_atom_reply_t, FreeReply> reply(xcb_intern_atom_reply(
        connection,
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
        nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

xcb_connection_t *X11Connection() {
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->connection() : nullptr;
}

} // namespace

void KeepOffTaskbar(QWidget &window) {
    xcb_connection_t *connection = X11Connection();
    if (connection == nullptr) {
        return;
    }
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_atom_t state = Atom(connection, "_NET_WM_STATE");
    const std::array<xcb_atom_t, 2> skip{Atom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
                                         Atom(connection, "_NET_WM_STATE_SKIP_PAGER")};

    // Before mapping, the window manager reads the property itself (Qt
    // merges its own states into what is there).
    std::vector<xcb_atom_t> states;
    const std::unique_ptr<xcb_get_property_reply_t, FreeReply> current(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, id, state, XCB_ATOM_ATOM, 0, 1024), nullptr));
    if (current && current->format == 32 && current->type == XCB_ATOM_ATOM) {
        const auto *atoms = static_cast<const xcb_atom_t *>(xcb_get_property_value(current.get()));
        states.assign(atoms, atoms + xcb_get_property_value_length(current.get()) / 4);
    }
    for (const xcb_atom_t atom : skip) {
        if (std::find(states.begin(), states.end(), atom) == states.end()) {
            states.push_back(atom);
        }
    }
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, state, XCB_ATOM_ATOM, 32,
                        static_cast<std::uint32_t>(states.size()), states.data());

    // A mapped window's states belong to the window manager: ask it.
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = state;
    message.data.data32[0] = 1; // add
    message.data.data32[1] = skip[0];
    message.data.data32[2] = skip[1];
    message.data.data32[3] = 1; // from an application
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    xcb_send_event(connection, 0, screen->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char *>(&message));
    xcb_flush(connection);
}

void ActivateWindow(QWidget &window) {
    // Qt asks the window manager when there is one, and otherwise sets the
    // X input focus itself; before the window is mapped it does so on mapping.
    window.activateWindow();
}

} // namespace vrc::runtime
