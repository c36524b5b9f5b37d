#pragma once

#include "ReportTemplate.h"

#include <QFont>

namespace lw {

// The installed family that stands in for a family a template names:
// "Arial", "Times New Roman" and "Courier New" become the metric-compatible
// "Liberation Sans", "Liberation Serif" and "Liberation Mono", whose letters
// have the same widths, so texts fit the boxes drawn for them. Other names
// stay as they are.
QString InstalledFamily(const QString& templateFamily);

// The font of a template element, unhinted so that its widths do not depend
// on the resolution it is drawn at.
QFont ReportFont(const FontStyle& style);

} // namespace lw
