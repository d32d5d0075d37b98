#include "window_checks.h"

#include "tests/support/recording_view.h"
#include "tests/window/support/form_access.h"
#include "tests/window/support/message_boxes.h"

#include "calc/calculate.h"

#include <QComboBox>
#include <QLineEdit>
#include <QStringList>

#include <string>

namespace quorvel::monkey {
namespace {

using testing::Q;

constexpr int WeightMaxLength = 8;

const QStringList SpeedPresets{"50", "75", "90", "100", "110", "120", "125", "150"};
const QStringList ForcePresets{"33000", "32000", "31000", "30000", "29000", "28000", "27000"};
const QStringList EfficiencyPresets{"100", "95", "90", "85", "80", "75", "70", "65"};

QString Quoted(const QStringList& texts) {
    return QLatin1Char('"') + texts.join(QStringLiteral("\", \"")) + QLatin1Char('"');
}

// The six input figures as the window shows them, in field order.
QStringList Figures(const testing::Controls& c) {
    return {c.txtCar->text(),          c.txtPlunger->text(),      c.txtRatedLoad->text(),
            c.cmbSpeed->currentText(), c.cmbForce->currentText(), c.cmbEfficiency->currentText()};
}

QString ResultBroken(const testing::Controls& c) {
    const QString shown = c.txtHP->text();
    const QStringList figures = Figures(c);
    calc::testing::RecordingView view;
    view.setFigures(figures[0].toStdString(), figures[1].toStdString(), figures[2].toStdString(),
                    figures[3].toStdString(), figures[4].toStdString(), figures[5].toStdString());
    calc::Calculate(view);
    const QString computed = Q(view.text(calc::FieldId::txtHP));
    QStringList notices;
    for (std::string_view name : view.dialogNames())
        notices.append(Q(name));
    if (shown != computed || !notices.isEmpty())
        return QStringLiteral("txtHP shows \"%1\", but Calculate gives \"%2\"%3 for the figures %4")
            .arg(shown, computed,
                 notices.isEmpty() ? QString()
                                   : QStringLiteral(" with the notices ") + notices.join(u','),
                 Quoted(figures));
    for (QWidget* field :
         {static_cast<QWidget*>(c.txtCar), static_cast<QWidget*>(c.txtPlunger),
          static_cast<QWidget*>(c.txtRatedLoad), static_cast<QWidget*>(c.cmbSpeed),
          static_cast<QWidget*>(c.cmbForce), static_cast<QWidget*>(c.cmbEfficiency)}) {
        if (testing::Background(field) != QColor(Qt::white))
            return QStringLiteral("txtHP shows \"%1\" while %2 is marked %3")
                .arg(shown, field->objectName(), testing::Background(field).name());
    }
    return {};
}

} // namespace

QString BrokenPromise(const testing::Controls& c) {
    for (const QLineEdit* weight : {c.txtCar, c.txtPlunger, c.txtRatedLoad}) {
        if (weight->text().size() > WeightMaxLength)
            return QStringLiteral("%1 holds %2 characters: \"%3\"")
                .arg(weight->objectName())
                .arg(weight->text().size())
                .arg(weight->text());
    }
    const std::pair<const QComboBox*, const QStringList*> lists[] = {
        {c.cmbSpeed, &SpeedPresets},
        {c.cmbForce, &ForcePresets},
        {c.cmbEfficiency, &EfficiencyPresets},
    };
    for (const auto& [box, presets] : lists) {
        if (testing::Items(box) != *presets)
            return QStringLiteral("the list of %1 became %2")
                .arg(box->objectName(), Quoted(testing::Items(box)));
    }
    if (!c.txtHP->text().isEmpty())
        return ResultBroken(c);
    return {};
}

QString StrangeBox(const testing::ShownBox& box) {
    for (const calc::DialogText* dialog : calc::testing::AllDialogs()) {
        if (box.title == Q(dialog->title) && box.text == Q(dialog->prompt) &&
            box.buttonCount == 1 && box.icon == QMessageBox::NoIcon)
            return {};
    }
    return QStringLiteral("a box \"%1\" saying \"%2\" with %3 buttons")
        .arg(box.title, box.text)
        .arg(box.buttonCount);
}

} // namespace quorvel::monkey
