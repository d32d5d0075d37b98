// The yardstick for the program's start-up: the least a Qt Widgets program does to put a window
// on the screen. Nothing may be added here, or the comparison flatters the program.

#include <QApplication>
#include <QDialog>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QDialog dialog;
    dialog.show();
    return application.exec();
}
