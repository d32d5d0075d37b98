#include "shown_form_test.h"

#include <QTest>

namespace quorvel::testing {

void ShownFormTest::init() {
    watchdog_ = std::make_unique<ModalWatchdog>();
    shown_ = std::make_unique<ShownForm>();
    QVERIFY(c().complete());
}

void ShownFormTest::cleanup() {
    shown_.reset();
    watchdog_.reset();
}

} // namespace quorvel::testing
