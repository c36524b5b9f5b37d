#pragma once

#include <QString>

class QWidget;

namespace lw {

// Gives a control its hint: shown as the tooltip, and read out by screen
// readers as the control's accessible name (what a button with only a
// picture does).
void SetHint(QWidget* widget, const QString& hint);

} // namespace lw
