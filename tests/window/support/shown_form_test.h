#pragma once

#include "form_access.h"
#include "message_boxes.h"
#include "window/form/frm_quorvel.h"

#include <QObject>

#include <memory>

namespace quorvel::testing {

// The base of a Qt Test class whose every test function starts on a freshly shown frmQuorvel,
// guarded by a ModalWatchdog so that a box nobody answers fails the test instead of hanging it.
// A test class that needs an init() or cleanup() of its own calls these from it.
class ShownFormTest : public QObject {
    Q_OBJECT

protected:
    frmQuorvel& form() { return shown_->form(); }
    const Controls& c() const { return shown_->controls(); }

protected slots:
    void init();
    void cleanup();

private:
    std::unique_ptr<ModalWatchdog> watchdog_;
    std::unique_ptr<ShownForm> shown_;
};

} // namespace quorvel::testing
