#include "window/window_placement.h"

#include <QGuiApplication>
#include <QMargins>
#include <QRect>
#include <QScreen>
#include <QWidget>

#ifdef QUORVEL_HAVE_XCB
#include <QDeadlineTimer>
#include <QThread>
#include <qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#endif

namespace quorvel {
namespace {

#ifdef QUORVEL_HAVE_XCB

// How long a window manager may take to tell the frame's size; it answers within a round trip.
constexpr int FrameExtentsWaitMs = 250;

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename Reply> using ReplyPtr = std::unique_ptr<Reply, FreeReply>;

xcb_atom_t Atom(xcb_connection_t* connection, xcb_intern_atom_cookie_t cookie) {
    const ReplyPtr<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

xcb_intern_atom_cookie_t InternAtom(xcb_connection_t* connection, const char* name) {
    return xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
}

ReplyPtr<xcb_get_property_reply_t> Property(xcb_connection_t* connection, xcb_window_t window,
                                            xcb_atom_t property, xcb_atom_t type, uint32_t length) {
    return ReplyPtr<xcb_get_property_reply_t>(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, property, type, 0, length), nullptr));
}

bool WindowManagerSupports(xcb_connection_t* connection, xcb_window_t root, xcb_atom_t supported,
                           xcb_atom_t feature) {
    const auto reply = Property(connection, root, supported, XCB_ATOM_ATOM, 1024);
    if (!reply || reply->format != 32)
        return false;
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / 4;
    return std::find(atoms, atoms + count, feature) != atoms + count;
}

// A window manager that follows the desktop conventions tells the frame it will put round a window
// before the window is mapped, when asked with _NET_REQUEST_FRAME_EXTENTS. In device pixels.
QMargins AnnouncedFrame(xcb_connection_t* connection, xcb_window_t window) {
    const auto supportedCookie = InternAtom(connection, "_NET_SUPPORTED");
    const auto requestCookie = InternAtom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    const auto extentsCookie = InternAtom(connection, "_NET_FRAME_EXTENTS");
    const xcb_atom_t supported = Atom(connection, supportedCookie);
    const xcb_atom_t request = Atom(connection, requestCookie);
    const xcb_atom_t extents = Atom(connection, extentsCookie);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    if (!WindowManagerSupports(connection, root, supported, request))
        return {};

    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = request;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);

    const QDeadlineTimer deadline(FrameExtentsWaitMs);
    do {
        const auto reply = Property(connection, window, extents, XCB_ATOM_CARDINAL, 4);
        if (reply && reply->format == 32 && xcb_get_property_value_length(reply.get()) == 16) {
            const auto* side = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
            // left, right, top, bottom
            return QMargins(static_cast<int>(side[0]), static_cast<int>(side[2]),
                            static_cast<int>(side[1]), static_cast<int>(side[3]));
        }
        QThread::msleep(1);
    } while (!deadline.hasExpired());
    return {};
}

#endif

// The frame the window will have, in the window's own (device-independent) pixels; none where
// it cannot be known beforehand.
QMargins FrameAround(QWidget& window) {
#ifdef QUORVEL_HAVE_XCB
    // The offscreen platform offers the interface too, without a connection.
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 && x11->connection()) {
        const auto id = static_cast<xcb_window_t>(window.winId());
        const QMargins device = AnnouncedFrame(x11->connection(), id);
        const qreal ratio = window.devicePixelRatioF();
        return QMargins(qRound(device.left() / ratio), qRound(device.top() / ratio),
                        qRound(device.right() / ratio), qRound(device.bottom() / ratio));
    }
#else
    Q_UNUSED(window);
#endif
    return {};
}

} // namespace

void CentreOnScreen(QWidget& window) {
    const QRect area = window.screen()->availableGeometry();
    const QMargins frame = FrameAround(window);
    const QSize outer = window.size().grownBy(frame);
    const QPoint frameTopLeft(area.x() + (area.width() - outer.width()) / 2,
                              area.y() + (area.height() - outer.height()) / 2);
    // The window's own geometry, without the frame: Qt knows no frame yet, so a frame position
    // would be taken for the window's.
    window.setGeometry(QRect(frameTopLeft + QPoint(frame.left(), frame.top()), window.size()));
}

} // namespace quorvel
