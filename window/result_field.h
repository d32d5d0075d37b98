#pragma once

#include <QFont>
#include <QLineEdit>

namespace quorvel {

// The read-only result field. A result too long for the field at its designed font is drawn in a
// smaller one, just small enough to show every character; a line edit would otherwise scroll and
// hide the leading digits without a sign. The text itself stays the whole result.
class ResultField : public QLineEdit {
    Q_OBJECT

public:
    ResultField(const QFont& designedFont, QWidget* parent);

private:
    void fitFont(const QString& text);
    int textRoom() const;

    QFont designedFont_;
};

} // namespace quorvel
