// A second yardstick, for reading the results rather than for the targets: the bare dialog plus
// one line of text. The first text a Qt program measures or draws loads fontconfig's set-up, the
// font database, FreeType and HarfBuzz, which the bare dialog never touches; this shows how much
// of the program's start-up that alone accounts for.

#include <QApplication>
#include <QDialog>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QDialog dialog;
    QLabel label(QStringLiteral("Quorvel"), &dialog);
    dialog.show();
    return application.exec();
}
