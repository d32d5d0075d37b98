#include "calc/figures.h"
#include "window/form_texts.h"
#include "window/frm_quorvel.h"
#include "window/program_icon.h"

#include <QApplication>
#include <QString>

#include <cstdio>

namespace {

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Without a display the toolkit aborts with a message about plugins; say plainly what is wrong.
bool DisplayMissing() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return qEnvironmentVariableIsEmpty("DISPLAY") &&
           qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
           qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
#else
    return false;
#endif
}

} // namespace

int main(int argc, char* argv[]) {
    if (DisplayMissing()) {
        std::fputs("Quorvel needs a graphical display, but neither DISPLAY nor WAYLAND_DISPLAY "
                   "is set.\n",
                   stderr);
        return 1;
    }
    // The window draws its menu bar itself. Without this, the first menu bar asks the session bus
    // whether a desktop-wide menu is on offer, a round trip the window would then ignore.
    QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication application(argc, argv);
    QApplication::setApplicationName(Q(quorvel::texts::ProductName));
    QApplication::setApplicationVersion(QStringLiteral(QUORVEL_PRODUCT_VERSION));
    QApplication::setWindowIcon(quorvel::ProgramIcon());
    // Results show the decimal mark and grouping of the user's locale; a locale that is not
    // installed falls back to the classic one instead of failing.
    calc::UseUserLocale();

    frmQuorvel window;
    window.show();
    return QApplication::exec();
}
