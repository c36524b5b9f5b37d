// The generate button beside the password field.
#include "MainControls.h"

#include "ui/widgets/PictureButton.h"

namespace lw {

void TfrmMain::cmdPasswordClick() {}

} // namespace lw
