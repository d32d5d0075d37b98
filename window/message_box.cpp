#include "window/message_box.h"

#include <QMessageBox>
#include <QString>

namespace quorvel {
namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

void ShowMessageBox(QWidget* owner, const calc::DialogText& dialog) {
    // Every dialog of the program has style 0: OK alone, no icon, application-modal.
    QMessageBox box(QMessageBox::NoIcon, FromUtf8(dialog.title), FromUtf8(dialog.prompt),
                    QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace quorvel
