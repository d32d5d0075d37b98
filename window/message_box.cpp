#include "window/message_box.h"

#include "window/qt_text.h"

#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QScreen>
#include <QString>

namespace quorvel {
namespace {

// Qt's message box wraps any text wider than about half the screen, and sizes itself anew on
// every layout request. The prompts are broken into lines where they should break, so the box is
// kept as wide as its longest line instead, as long as the screen has room for that.
class UnwrappedMessageBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override {
        keepLinesWhole();
        QMessageBox::showEvent(event); // sizes the box and centres it on its owner
        if (growToLines())
            adjustPosition(parentWidget());
    }

    bool event(QEvent* event) override {
        const bool handled = QMessageBox::event(event);
        if (event->type() == QEvent::LayoutRequest)
            growToLines();
        return handled;
    }

private:
    void keepLinesWhole() {
        auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        if (!label)
            return;
        // Unwrapped, the label asks for its longest line, margins and indent included.
        const bool wrapped = label->wordWrap();
        label->setWordWrap(false);
        const int unwrapped = label->sizeHint().width();
        label->setWordWrap(wrapped);
        label->setMinimumWidth(unwrapped);
        if (layout()->totalMinimumSize().width() > screen()->availableGeometry().width())
            label->setMinimumWidth(0); // too narrow a screen: let Qt wrap
    }

    bool growToLines() {
        const int needed = layout()->totalMinimumSize().width();
        if (needed <= width())
            return false;
        setFixedSize(needed, layout()->totalHeightForWidth(needed));
        return true;
    }
};

} // namespace

void ShowMessageBox(QWidget* owner, const calc::DialogText& dialog) {
    // Every dialog of the program has style 0: OK alone, no icon, application-modal.
    UnwrappedMessageBox box(QMessageBox::NoIcon, Q(dialog.title), Q(dialog.prompt), QMessageBox::Ok,
                            owner);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace quorvel
