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

// The display a held message says the toolkit failed to open, as the user would name it; empty
// where no message speaks of a display.
QString FailedDisplay() {
    for (const HeldMessage& message : held) {
        const qsizetype at = message.text.indexOf(XcbFailure);
        if (at >= 0) {
            const QString name = message.text.mid(at + XcbFailure.size()).trimmed();
            if (!name.isEmpty())
                return QStringLiteral("the X display \"%1\"").arg(name);
        }
        if (at >= 0 || message.text.contains(WaylandFailure)) {
            const QString name =
                qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0"));
            return QStringLiteral("the Wayland display \"%1\"").arg(name);
        }
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
    const QString display = FailedDisplay();
    if (!display.isEmpty()) {
        std::fprintf(stderr, "Quorvel cannot open %s.\n", qPrintable(display));
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
