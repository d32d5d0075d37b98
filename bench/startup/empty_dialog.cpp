// A second yardstick, for reading the results rather than for the targets: a dialog with no text
// at all. The first text a Qt program measures or draws loads fontconfig's set-up, the font
// database, FreeType and HarfBuzz, which this dialog never touches; it shows how much of any
// form's start-up that alone accounts for.

#include <QApplication>
#include <QDialog>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QDialog dialog;
    dialog.show();
    return application.exec();
}
