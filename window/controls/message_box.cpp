#include "window/controls/message_box.h"

#include "window/qt_text.h"

#include <QEvent>
#include <QLayout>
#include <QMessageBox>
#include <QScreen>
#include <QString>

#include <algorithm>

namespace quorvel {
namespace {

// The smallest font a prompt is shrunk to on a screen too small for it; below this it would no
// longer be read, and it is cut at the bottom instead.
constexpr qreal SmallestPoints = 7;

// The room a box has on its screen: the free area less the frame that the window manager gives
// the box, which is the frame it gave the owner.
QSize Room(const QWidget& box) {
    QSize room = box.screen()->availableGeometry().size();
    if (const QWidget* owner = box.parentWidget())
        room -= owner->window()->frameGeometry().size() - owner->window()->size();
    return room;
}

// The height a laid-out box needs at a width. A layout whose text does not wrap has no height
// for a width (Qt answers -1); it takes its minimum height then.
int HeightAt(const QLayout& layout, int width) {
    const int minimum = layout.totalMinimumSize().height();
    return layout.hasHeightForWidth() ? std::max(layout.totalHeightForWidth(width), minimum)
                                      : minimum;
}

// Qt's message box (6.4 to 6.8 at least) wraps any text wider than about half the screen, and
// sizes itself anew on every layout request. The prompts are broken into lines where they should
// break, so the box is kept as wide as its longest line instead, as far as the screen has room; on
// a narrower screen it takes the whole width and Qt wraps the lines at word boundaries. Only the
// box's own layout and font are used: the label inside is Qt's.
class FittedMessageBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override {
        // Until Qt first sizes the box its text is unwrapped: the layout then needs the width of
        // the longest line.
        unwrapped_ = layout()->totalMinimumSize().width();
        QMessageBox::showEvent(event); // wraps the text, sizes the box and centres it on its owner
        fitFont();
        if (fit())
            adjustPosition(parentWidget());
    }

    bool event(QEvent* event) override {
        const bool handled = QMessageBox::event(event);
        if (event->type() == QEvent::LayoutRequest && unwrapped_ > 0)
            fit();
        return handled;
    }

private:
    // On a screen too low for the text wrapped to the room's width, a smaller font, down to the
    // smallest that is still read.
    void fitFont() {
        const QSize room = Room(*this);
        if (unwrapped_ <= room.width())
            return;
        QFont font = this->font();
        while (HeightAt(*layout(), room.width()) > room.height() &&
               font.pointSizeF() > SmallestPoints) {
            font.setPointSizeF(font.pointSizeF() - 0.5);
            setFont(font);
        }
    }

    // Sizes the box to its lines within the room when it is narrower than they need, cut, or
    // larger than the room; true when it did. Qt's own sizing leaves a box as it is when its
    // limits stay, and the window system may have handed it a size it never asked for (a late
    // report of the size it was created at), which would cut it or, taken for its limits, hide it
    // for good.
    bool fit() {
        const QSize room = Room(*this);
        const int needed = std::max(unwrapped_, layout()->totalMinimumSize().width());
        const int width = std::min(std::max(this->width(), needed), room.width());
        const QSize fitted(width, std::min(HeightAt(*layout(), width), room.height()));
        const bool cut = this->width() < fitted.width() || height() < fitted.height();
        const bool beyondRoom = this->width() > room.width() || height() > room.height();
        if (!cut && !beyondRoom)
            return false;
        setFixedSize(fitted);
        resize(fitted); // setFixedSize() alone does nothing when the limits stay as they were
        return true;
    }

    int unwrapped_ = 0;
};

} // namespace

void ShowMessageBox(QWidget* owner, const calc::DialogText& dialog) {
    // Every dialog of the program has style 0: OK alone, no icon, application-modal.
    FittedMessageBox box(QMessageBox::NoIcon, Q(dialog.title), Q(dialog.prompt), QMessageBox::Ok,
                         owner);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace quorvel
