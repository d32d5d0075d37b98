#include "message_boxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QWindow>

namespace quorvel::testing {
namespace {

constexpr int PollMilliseconds = 10;
int aliveAnswerers = 0;

bool OnScreen(const QWidget* widget) {
    return widget->isVisible() && widget->windowHandle() && widget->windowHandle()->isExposed();
}

// What a window manager does when a box closes: the window it belonged to becomes active again.
void ReactivateOwner(QWidget* owner) {
    if (owner && owner->isVisible())
        owner->activateWindow();
}

QWidget* Owner(const QWidget* modal) {
    return modal->parentWidget() ? modal->parentWidget()->window() : nullptr;
}

} // namespace

ShownBox Describe(const QMessageBox& box) {
    ShownBox shown;
    shown.title = box.windowTitle();
    shown.text = box.text();
    shown.icon = box.icon();
    shown.buttonCount = static_cast<int>(box.buttons().size());
    shown.okIsDefault = box.defaultButton() && box.defaultButton() == box.button(QMessageBox::Ok);
    shown.textFormat = box.textFormat();
    shown.modality = box.windowModality();
    // A label that wraps a line needs more height at its width than at any width. The box's
    // text label is the one that shows its text.
    const QLabel* label = nullptr;
    for (const QLabel* child : box.findChildren<QLabel*>()) {
        if (child->text() == box.text())
            label = child;
    }
    shown.linesUnbroken = label && (!label->wordWrap() || label->heightForWidth(label->width()) <=
                                                              label->heightForWidth(100000));
    // Tall enough for its text at its width, which a wrapping text needs more of.
    const QLayout& layout = *box.layout();
    const int height = layout.hasHeightForWidth() ? layout.totalHeightForWidth(box.width())
                                                  : layout.totalMinimumSize().height();
    shown.whole = OnScreen(&box) && box.width() >= layout.totalMinimumSize().width() &&
                  box.height() >= height;
    shown.frame = box.frameGeometry();
    shown.room = box.screen()->availableGeometry();
    return shown;
}

MessageBoxAnswerer::MessageBoxAnswerer() {
    ++aliveAnswerers;
    connect(&timer_, &QTimer::timeout, this, &MessageBoxAnswerer::poll);
    timer_.start(PollMilliseconds);
}

MessageBoxAnswerer::~MessageBoxAnswerer() {
    --aliveAnswerers;
}

bool MessageBoxAnswerer::anyAlive() {
    return aliveAnswerers > 0;
}

QStringList MessageBoxAnswerer::titles() const {
    QStringList titles;
    for (const ShownBox& box : boxes_)
        titles.append(box.title);
    return titles;
}

void MessageBoxAnswerer::poll() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !OnScreen(box))
        return;
    // The box is answered below within this call; stop polling so that whileOpen may spin the
    // event loop without meeting the same box again.
    timer_.stop();
    boxes_.append(Describe(*box));
    if (whileOpen)
        whileOpen(boxes_.last());
    QWidget* owner = Owner(box);
    QAbstractButton* answer = box->defaultButton();
    if (!answer && !box->buttons().isEmpty())
        answer = box->buttons().first();
    if (answer)
        answer->click();
    else
        box->reject();
    ReactivateOwner(owner);
    timer_.start(PollMilliseconds);
}

ModalWatchdog::ModalWatchdog(OnUnexpected onUnexpected)
    : onUnexpected_(onUnexpected) {
    connect(&timer_, &QTimer::timeout, this, &ModalWatchdog::poll);
    timer_.start(PollMilliseconds);
}

void ModalWatchdog::poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || MessageBoxAnswerer::anyAlive() || !OnScreen(modal))
        return;
    QString description = modal->windowTitle();
    if (auto* box = qobject_cast<QMessageBox*>(modal))
        description += QStringLiteral(": ") + box->text();
    unexpected_.append(description);
    QWidget* owner = Owner(modal);
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
    else
        modal->close();
    ReactivateOwner(owner);
    if (onUnexpected_ == OnUnexpected::FailTest) {
        const QByteArray message = "unexpected modal window: " + description.toUtf8();
        QTest::qFail(message.constData(), __FILE__, __LINE__);
    }
}

} // namespace quorvel::testing
