#include "window/placement/window_placement.h"

#include <QGuiApplication>
#include <QMargins>
#include <QRect>
#include <QScreen>
#include <QWidget>

#ifdef QUORVEL_HAVE_XCB
#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QCoreApplication>
#include <qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <string_view>
#endif

namespace quorvel {
namespace {

// Where the window's own corner goes for the window with this frame (in its own pixels) to
// stand centred on the available area of its screen.
QPoint CentredCorner(const QWidget& window, const QMargins& frame) {
    const QRect area = window.screen()->availableGeometry();
    const QSize outer = window.size().grownBy(frame);
    return {area.x() + (area.width() - outer.width()) / 2 + frame.left(),
            area.y() + (area.height() - outer.height()) / 2 + frame.top()};
}

#ifdef QUORVEL_HAVE_XCB

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename Reply> using ReplyPtr = std::unique_ptr<Reply, FreeReply>;

// Known once the frame has been asked for; the program has one display connection.
xcb_atom_t frameExtentsAtom = XCB_ATOM_NONE;

xcb_connection_t* Connection() {
    // The offscreen platform offers the interface too, without a connection.
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_intern_atom_cookie_t InternAtom(xcb_connection_t* connection, std::string_view name) {
    return xcb_intern_atom(connection, 0, static_cast<uint16_t>(name.size()), name.data());
}

xcb_atom_t AtomOf(xcb_connection_t* connection, xcb_intern_atom_cookie_t cookie) {
    const ReplyPtr<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// The frame the window manager has told for the window, in the window's own pixels.
std::optional<QMargins> ToldFrame(xcb_connection_t* connection, xcb_get_property_cookie_t cookie,
                                  qreal ratio) {
    const ReplyPtr<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection, cookie, nullptr));
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 16)
        return std::nullopt;
    // left, right, top, bottom, in device pixels
    const auto* side = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    return QMargins(qRound(side[0] / ratio), qRound(side[2] / ratio), qRound(side[1] / ratio),
                    qRound(side[3] / ratio));
}

xcb_get_property_cookie_t AskFrameExtents(xcb_connection_t* connection, xcb_window_t id) {
    return xcb_get_property(connection, 0, id, frameExtentsAtom, XCB_ATOM_CARDINAL, 0, 4);
}

// Moves the window once, where it centres its frame, as soon as both are known: at its first
// Expose, when it stands where the window manager put it, or at the first frame told after it.
// Only what the window manager tells is awaited; nothing blocks on it.
class FrameWatch : public QObject, public QAbstractNativeEventFilter {
public:
    FrameWatch(QWidget& window, xcb_connection_t* connection, xcb_window_t id)
        : QObject(&window)
        , window_(window)
        , connection_(connection)
        , id_(id) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        if (eventType != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        switch (event->response_type & ~0x80) {
        case XCB_EXPOSE:
            if (!exposed_ && reinterpret_cast<const xcb_expose_event_t*>(event)->window == id_) {
                exposed_ = true;
                check();
            }
            break;
        case XCB_PROPERTY_NOTIFY: {
            // Before the first Expose the window manager may not have put the frame in place.
            const auto* change = reinterpret_cast<const xcb_property_notify_event_t*>(event);
            if (exposed_ && change->window == id_ && change->atom == frameExtentsAtom &&
                change->state == XCB_PROPERTY_NEW_VALUE)
                check();
            break;
        }
        default:
            break;
        }
        return false;
    }

private:
    void check() {
        if (!centreFrame())
            return;
        QCoreApplication::instance()->removeNativeEventFilter(this);
        deleteLater();
    }

    // False while the window manager has told no frame, which it never does where none frames
    // the window: the watch then goes with the window.
    bool centreFrame() const {
        const auto extentsCookie = AskFrameExtents(connection_, id_);
        const auto geometryCookie = xcb_get_geometry(connection_, id_);
        const qreal ratio = window_.devicePixelRatio();
        const std::optional<QMargins> frame = ToldFrame(connection_, extentsCookie, ratio);
        const ReplyPtr<xcb_get_geometry_reply_t> geometry(
            xcb_get_geometry_reply(connection_, geometryCookie, nullptr));
        if (!frame || !geometry)
            return false;
        const ReplyPtr<xcb_translate_coordinates_reply_t> place(xcb_translate_coordinates_reply(
            connection_, xcb_translate_coordinates(connection_, id_, geometry->root, 0, 0),
            nullptr));
        if (!place)
            return true;
        const QPoint corner = CentredCorner(window_, *frame);
        const QPoint actual = (QPointF(place->dst_x, place->dst_y) / ratio).toPoint();
        if (qAbs(corner.x() - actual.x()) > 1 || qAbs(corner.y() - actual.y()) > 1)
            window_.setGeometry(QRect(corner, window_.size()));
        return true;
    }

    QWidget& window_;
    xcb_connection_t* connection_;
    xcb_window_t id_;
    bool exposed_ = false;
};

#endif

} // namespace

void AskForFrame(QWidget& window) {
#ifdef QUORVEL_HAVE_XCB
    xcb_connection_t* connection = Connection();
    if (!connection)
        return;
    const auto id = static_cast<xcb_window_t>(window.winId());
    const auto requestCookie = InternAtom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    const auto extentsCookie = InternAtom(connection, "_NET_FRAME_EXTENTS");
    const auto geometryCookie = xcb_get_geometry(connection, id);
    const xcb_atom_t request = AtomOf(connection, requestCookie);
    frameExtentsAtom = AtomOf(connection, extentsCookie);
    const ReplyPtr<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(connection, geometryCookie, nullptr));
    if (!geometry || request == XCB_ATOM_NONE)
        return;
    // To the window manager of the window's own screen, which need not be the display's first.
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = request;
    xcb_send_event(connection, 0, geometry->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
#else
    Q_UNUSED(window);
#endif
}

void ShowCentred(QWidget& window, const std::function<void()>& show) {
#ifdef QUORVEL_HAVE_XCB
    if (xcb_connection_t* connection = Connection()) {
        const auto id = static_cast<xcb_window_t>(window.winId());
        const std::optional<QMargins> frame =
            frameExtentsAtom == XCB_ATOM_NONE
                ? std::nullopt
                : ToldFrame(connection, AskFrameExtents(connection, id), window.devicePixelRatio());
        // The window's own geometry: Qt knows no frame yet, so a frame position would be taken
        // for the window's.
        window.setGeometry(QRect(CentredCorner(window, frame.value_or(QMargins())), window.size()));
        // Watched from before the window is mapped, so that no frame told after it is missed.
        if (!frame && frameExtentsAtom != XCB_ATOM_NONE)
            new FrameWatch(window, connection, id);
        show();
        return;
    }
#endif
    window.setGeometry(QRect(CentredCorner(window, QMargins()), window.size()));
    show();
}

} // namespace quorvel
