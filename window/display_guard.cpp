#include "window/display_guard.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace quorvel {
namespace {

struct HeldMessage {
    QtMsgType type;
    const char* category; // the logging categories' names are static
    QString text;
};

QList<HeldMessage> held;

constexpr QLatin1StringView XcbFailure("could not connect to display");
constexpr QLatin1StringView WaylandFailure("Failed to create wl_display");

// What to tell the user where a held message says that the toolkit could not open a display;
// empty where none does. An X display with no name means that no display was named at all.
QString DisplayFailure() {
    for (const HeldMessage& message : held) {
        const qsizetype at = message.text.indexOf(XcbFailure);
        if (at < 0 && !message.text.contains(WaylandFailure))
            continue;
        const QString xDisplay =
            at < 0 ? QString() : message.text.mid(at + XcbFailure.size()).trimmed();
        if (!xDisplay.isEmpty())
            return QStringLiteral("Quorvel cannot open the X display \"%1\".").arg(xDisplay);
        if (at >= 0 && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
            return QStringLiteral("Quorvel needs a graphical display, but neither DISPLAY nor "
                                  "WAYLAND_DISPLAY is set.");
        return QStringLiteral("Quorvel cannot open the Wayland display \"%1\".")
            .arg(qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0")));
    }
    return {};
}

QtMessageHandler previousHandler = nullptr;

void PassOnHeld() {
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage& message : std::exchange(held, {}))
        previousHandler(message.type, QMessageLogContext(nullptr, 0, nullptr, message.category),
                        message.text);
}

void Hold(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        held.append({type, context.category, text});
        return;
    }
    const QString failure = DisplayFailure();
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(failure));
        std::_Exit(1);
    }
    // Some other failure: everything is said as it would have been, then the toolkit aborts.
    PassOnHeld();
    previousHandler(type, context, text);
}

} // namespace

DisplayGuard::DisplayGuard() {
    previousHandler = qInstallMessageHandler(Hold);
}

DisplayGuard::~DisplayGuard() {
    release();
}

void DisplayGuard::release() {
    if (!released_)
        PassOnHeld();
    released_ = true;
}

} // namespace quorvel
