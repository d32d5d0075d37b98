#include "window/form/form_style.h"

#include <QApplication>
#include <QIcon>
#include <QProxyStyle>

namespace quorvel {
namespace {

class FormStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override {
        if (icon == SP_ToolBarHorizontalExtensionButton)
            return {};
        return QProxyStyle::standardIcon(icon, option, widget);
    }
};

} // namespace

void UseFormStyle() {
    // The proxy takes the style the application chose (its own, or the one -style or
    // QT_STYLE_OVERRIDE names) as its base, and the application takes the proxy.
    QApplication::setStyle(new FormStyle(QApplication::style()));
}

} // namespace quorvel
