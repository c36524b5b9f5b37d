#include "WindowGeometry.h"

#include "settings/IniFile.h"

#include <algorithm>

namespace lw {
namespace {

// One axis: the length within [1, span], then the start within the span.
// 64-bit throughout, so that no stored value can overflow.
std::pair<int, int> clampAxis(qint64 start, qint64 length, qint64 designed, qint64 spanStart, qint64 span)
{
    span = std::max<qint64>(span, 1);
    if (length <= 0)
        length = designed;
    length = std::min(length, span);
    start = std::clamp(start, spanStart, spanStart + span - length);
    return {int(start), int(length)};
}

} // namespace

QRect ClampToScreen(int left, int top, int width, int height, const QRect& available)
{
    const auto [x, w] = clampAxis(left, width, 640, available.left(), available.width());
    const auto [y, h] = clampAxis(top, height, 480, available.top(), available.height());
    return QRect(x, y, w, h);
}

QRect StoredWindowGeometry(const IniFile& settings, const QRect& available)
{
    return ClampToScreen(settings.readInt("Options", "screenleft", 0), settings.readInt("Options", "screentop", 0),
                         settings.readInt("Options", "screenwidth", 640),
                         settings.readInt("Options", "screenheight", 480), available);
}

} // namespace lw
