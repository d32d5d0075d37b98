#include "window/message_box.h"

#include "window/qt_text.h"

#include <QMessageBox>
#include <QString>

namespace quorvel {

void ShowMessageBox(QWidget* owner, const calc::DialogText& dialog) {
    // Every dialog of the program has style 0: OK alone, no icon, application-modal.
    QMessageBox box(QMessageBox::NoIcon, Q(dialog.title), Q(dialog.prompt), QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace quorvel
