#include "calc/figures.h"
#include "window/form/form_style.h"
#include "window/form/form_texts.h"
#include "window/form/frm_quorvel.h"
#include "window/qt_text.h"
#include "window/start/command_line.h"
#include "window/start/display_guard.h"
#include "window/start/windows_console.h"

#include <QApplication>
#include <QString>

#include <optional>

int main(int argc, char* argv[]) {
    quorvel::AttachParentConsole();
    if (const std::optional<int> status = quorvel::AnswerHelpOrVersion(argc, argv))
        return *status;
    // The window draws its menu bar itself. Without this, the first menu bar asks the session bus
    // whether a desktop-wide menu is on offer, a round trip the window would then ignore.
    QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    quorvel::DisplayGuard displayGuard;
    QApplication application(argc, argv);
    displayGuard.release();
    if (const std::optional<int> status = quorvel::RefuseLeftOver(QApplication::arguments()))
        return *status;
    QApplication::setApplicationName(quorvel::Q(quorvel::texts::ProductName));
    QApplication::setApplicationVersion(QStringLiteral(QUORVEL_PRODUCT_VERSION));
    quorvel::UseFormStyle();
    // Results show the decimal mark and grouping of the user's locale; a locale that is not
    // installed falls back to the classic one instead of failing.
    calc::UseUserLocale();

    frmQuorvel window;
    // The message boxes carry the window's flag too; taking it from the window decodes the
    // drawings once.
    QApplication::setWindowIcon(window.windowIcon());
    window.show();
    return QApplication::exec();
}
