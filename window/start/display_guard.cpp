#include "window/start/display_guard.h"

#include <QString>

#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace quorvel {
namespace {

constexpr QLatin1StringView XcbFailure("could not connect to display");
constexpr QLatin1StringView WaylandFailure("Failed to create wl_display");

// The displays the toolkit has failed to open so far. The toolkit may log from other threads.
struct Failures {
    bool x = false;
    QString xDisplay; // empty where no X display is named
    bool wayland = false;
};
std::mutex failuresLock;
Failures failures;

void Remember(const QString& text) {
    const qsizetype at = text.indexOf(XcbFailure);
    if (at < 0 && !text.contains(WaylandFailure))
        return;
    const std::scoped_lock lock(failuresLock);
    if (at < 0) {
        failures.wayland = true;
    } else {
        failures.x = true;
        failures.xDisplay = text.mid(at + XcbFailure.size()).trimmed();
    }
}

// One sentence naming the displays that were tried; empty where none failed.
QString FailureLine() {
    const std::scoped_lock lock(failuresLock);
    const QString wayland = QStringLiteral("the Wayland display \"%1\"")
                                .arg(qEnvironmentVariable("WAYLAND_DISPLAY", "wayland-0"));
    const QString x = QStringLiteral("the X display \"%1\"").arg(failures.xDisplay);
    if (failures.x && !failures.xDisplay.isEmpty())
        return QStringLiteral("Quorvel cannot open %1.")
            .arg(failures.wayland ? wayland + QStringLiteral(" or ") + x : x);
    if (failures.wayland)
        return QStringLiteral("Quorvel cannot open %1.").arg(wayland);
    if (!failures.x)
        return {};
    return qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
               ? QStringLiteral("Quorvel needs a graphical display, but neither DISPLAY nor "
                                "WAYLAND_DISPLAY is set.")
               : QStringLiteral("Quorvel needs an X display, but DISPLAY is not set.");
}

QtMessageHandler previousHandler = nullptr;

// Every message goes on at once, with its context, so that nothing is lost if a warning is made
// fatal or the program crashes; only the toolkit's own abort, with its hint to reinstall the
// program, is replaced by the sentence that names the display.
void Watch(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        if (const QString line = FailureLine(); !line.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(line));
            std::_Exit(1);
        }
    } else {
        Remember(text);
    }
    previousHandler(type, context, text);
}

} // namespace

DisplayGuard::DisplayGuard() {
    previousHandler = qInstallMessageHandler(Watch);
}

DisplayGuard::~DisplayGuard() {
    release();
}

void DisplayGuard::release() {
    if (!released_)
        qInstallMessageHandler(previousHandler);
    released_ = true;
}

} // namespace quorvel
