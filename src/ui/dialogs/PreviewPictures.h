#pragma once

#include <QIcon>

namespace lw {

// The pictures of the print preview's toolbar buttons, drawn at run time.
enum class PreviewPicture { Zoom100, ZoomToFit, ZoomToWidth, First, Previous, Next, Last, Print, SavePdf };

QIcon PreviewIcon(PreviewPicture picture);

} // namespace lw
