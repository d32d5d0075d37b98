#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

namespace quorvel::testing {

// What a message box looked like while it was open.
struct ShownBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttonCount = 0;
    bool okIsDefault = false;
    Qt::TextFormat textFormat = Qt::AutoText;
    Qt::WindowModality modality = Qt::NonModal;
    bool linesUnbroken = false; // the text breaks only at its own line breaks
    bool whole = false;         // on the screen, wide and tall enough for its text
    QRect frame;                // where it lies, its frame included
    QRect room;                 // the free area of its screen
};

// A message box as it looks now.
ShownBox Describe(const QMessageBox& box);

// Answers every message box that opens while it lives, as a user would: once the box is on the
// screen it records the box, runs `whileOpen` (to look at the window behind it), then presses
// the box's default button. A click sent before the box is exposed would be lost, so it waits
// for that first.
class MessageBoxAnswerer : public QObject {
public:
    MessageBoxAnswerer();
    ~MessageBoxAnswerer() override;

    const QList<ShownBox>& boxes() const { return boxes_; }
    QStringList titles() const;

    std::function<void(const ShownBox&)> whileOpen;

    // True while any answerer is alive; the watchdog stands aside then.
    static bool anyAlive();

private:
    void poll();

    QTimer timer_;
    QList<ShownBox> boxes_;
};

// Keeps a test from hanging on a modal window that nobody answers: when one opens while no
// MessageBoxAnswerer lives, the watchdog records its title and text, closes it, and (unless
// told not to) fails the running test.
class ModalWatchdog : public QObject {
public:
    enum class OnUnexpected { FailTest, RecordOnly };
    explicit ModalWatchdog(OnUnexpected onUnexpected = OnUnexpected::FailTest);

    const QStringList& unexpected() const { return unexpected_; }

private:
    void poll();

    OnUnexpected onUnexpected_;
    QTimer timer_;
    QStringList unexpected_;
};

} // namespace quorvel::testing
