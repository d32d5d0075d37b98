// The yardstick for the program's start-up: the least a Qt Widgets program does to put a form on
// the screen, a dialog with a caption, a field and a button. Nothing may be added here, or the
// comparison flatters the program.

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QDialog dialog;
    QLabel label(QStringLiteral("Quorvel"), &dialog);
    QLineEdit field(&dialog);
    field.move(0, 30);
    QPushButton button(QStringLiteral("OK"), &dialog);
    button.move(0, 60);
    dialog.show();
    return application.exec();
}
