#pragma once

#include "calc/dialog_texts.h"

class QWidget;

namespace quorvel {

// Shows a dialog text as a modal message box owned by `owner`: its title, its prompt as plain
// text (each CR LF one line break), no icon and one OK button, the default. Returns when the
// user has closed the box, however they closed it.
void ShowMessageBox(QWidget* owner, const calc::DialogText& dialog);

} // namespace quorvel
