#pragma once

#include "settings/Error.h"

#include <QString>
#include <functional>

class QWidget;

namespace lw {

// The standard error box: critical icon, an OK button, captioned "Lockwell".
void ShowErrorBox(QWidget* parent, const QString& text);

// Runs one user command. A SilentAbort ends it without a word; any other
// std::exception (an lw::Error among them) ends it and its text is shown in
// the error box, after which the program goes on. Returns true when the
// command ran to its end.
bool RunCommand(QWidget* parent, const std::function<void()>& command);

} // namespace lw
