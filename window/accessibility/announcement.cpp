#include "window/accessibility/announcement.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QApplication>
#include <QWidget>

namespace quorvel {

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)

void Announce(QWidget* window, const QString& message) {
    QAccessibleAnnouncementEvent event(window, message);
    QAccessible::updateAccessibility(&event);
}

#else

namespace {

// Before Qt has announcements of its own, a notification that appears is what screen readers
// speak unasked: an accessible object of that role, named with the message and shown afresh for
// each one. It needs no widget, only an object to stand for it, which the window owns.
class Notification : public QAccessibleObject {
public:
    explicit Notification(QObject* carrier)
        : QAccessibleObject(carrier) {}

    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(qApp);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? message : QString();
    }

    QString message;
};

constexpr char CarrierName[] = "announcement";

Notification* NotificationOf(QWidget* window) {
    auto* carrier =
        window->findChild<QObject*>(QLatin1String(CarrierName), Qt::FindDirectChildrenOnly);
    if (!carrier) {
        carrier = new QObject(window);
        carrier->setObjectName(QLatin1String(CarrierName));
        // The cache owns the interface from here on and deletes it with the carrier.
        QAccessible::registerAccessibleInterface(new Notification(carrier));
    }
    return static_cast<Notification*>(QAccessible::queryAccessibleInterface(carrier));
}

} // namespace

void Announce(QWidget* window, const QString& message) {
    if (!QAccessible::isActive())
        return;
    Notification* notification = NotificationOf(window);
    notification->message = message;
    QAccessibleEvent shown(notification, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

#endif

} // namespace quorvel
