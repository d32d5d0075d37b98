#include "window/form/frm_quorvel.h"

#include "window/form/form_texts.h"
#include "window/qt_text.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <utility>

// A screen reader names a field after the label beside it. The label's buddy is how assistive
// tools learn that ("labelled by"); the captions carry no access key, so the buddy adds no
// shortcut and changes nothing a sighted user sees. A line edit takes its buddy's caption as its
// accessible name. An editable combo box answers with its current figure instead, so it and its
// edit part are given the caption outright; Qt on Linux still publishes the figure as the combo
// box's name there and leaves the caption to the relation, which is what screen readers on that
// platform expect of a combo box.
//
// The tooltip that explains a figure sits on its label, where the mouse finds it. A keyboard user
// lands in the field and never on the label, so the field carries the same words as its
// description.
void frmQuorvel::describeForScreenReaders() {
    const std::pair<QWidget*, QLabel*> rows[] = {
        {txtCar, Label1[0]},   {txtPlunger, Label1[1]}, {txtRatedLoad, Label1[2]},
        {cmbSpeed, Label1[3]}, {cmbForce, Label1[4]},   {cmbEfficiency, Label1[5]},
        {txtHP, Label1[6]},
    };
    for (const auto& [field, label] : rows) {
        label->setBuddy(field);
        field->setAccessibleDescription(label->toolTip());
        if (auto* box = qobject_cast<QComboBox*>(field)) {
            box->setAccessibleName(label->text());
            box->lineEdit()->setAccessibleName(label->text());
        }
    }
    // A click on a label or the background parks the focus in the hidden sink; a listener is
    // told that it left the fields, and how to get back.
    Text1->setAccessibleName(quorvel::Q(quorvel::texts::FocusSinkName));
    Text1->setAccessibleDescription(quorvel::Q(quorvel::texts::FocusSinkDescription));
}
