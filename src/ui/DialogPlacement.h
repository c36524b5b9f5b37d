#pragma once

class QWidget;

namespace lw {

// Moves the dialog so that its centre is the owner's centre: the dialog's
// left is the owner's left plus half the owner's width minus half the
// dialog's width, and likewise for top and heights, each half cut toward
// zero. Outer frames count, as the window manager places them. Without an
// owner the dialog is centred on its screen.
void CenterOver(QWidget* owner, QWidget* dialog);

// The hourglass cursor over the whole program, on and back to normal.
// BeginBusy while busy and EndBusy while not busy do nothing.
void BeginBusy();
void EndBusy();
bool IsBusy();

} // namespace lw
