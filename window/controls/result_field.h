#pragma once

#include <QFont>
#include <QLineEdit>

namespace quorvel {

// The read-only result field. A result too long for the field at its designed font is drawn in a
// smaller one, just small enough to show every character; a line edit would otherwise scroll and
// hide the leading digits without a sign. A result too long even at the smallest legible size
// shows its leading digits and an ellipsis, and the whole figure in its tooltip. The text itself
// stays the whole result, for copying and for screen readers.
class ResultField : public QLineEdit {
    Q_OBJECT

public:
    ResultField(const QFont& designedFont, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void fitFont(const QString& text);
    bool cut() const;

    QFont designedFont_;
};

} // namespace quorvel
