#include "ReportPainter.h"

#include "ReportFonts.h"
#include "settings/Error.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace lw {
namespace {

constexpr qreal kMicronsPerInch = 25400.0;

struct DeviceFont {
    QFont font;
    QFontMetricsF metrics;
    QColor colour;
};

// Qt's PDF writer (a PDF file, and printing, which spools PDF) sets up a
// compressor of a few hundred kilobytes for every page and frees it again.
// With the C library's default trim threshold each free hands that memory back
// to the system, and the next page faults it in again: a third of the time of
// a long report. While pages are drawn, freed memory stays with the program;
// afterwards it is given back.
class KeepFreedMemory {
public:
#if defined(__GLIBC__)
    KeepFreedMemory()
    {
        mallopt(M_TRIM_THRESHOLD, 64 * 1024 * 1024);
    }
    ~KeepFreedMemory()
    {
        mallopt(M_TRIM_THRESHOLD, 128 * 1024); // the library's default
        malloc_trim(0);
    }
#endif
    KeepFreedMemory(const KeepFreedMemory&) = delete;
    KeepFreedMemory& operator=(const KeepFreedMemory&) = delete;
};

class PagePainter {
public:
    PagePainter(const ReportLayout& layout, QPagedPaintDevice& device) : device_(device)
    {
        scale_ = device.logicalDpiX() / kMicronsPerInch;
        scaleY_ = device.logicalDpiY() / kMicronsPerInch;
        for (const FontStyle& style : layout.fonts) {
            const QFont font(ReportFont(style), &device);
            fonts_.push_back({font, QFontMetricsF(font, &device), style.colour});
        }
    }

    void paint(QPainter& painter, const ReportPage& page) const
    {
        // Nothing on a page overlaps, so the items are drawn font by font:
        // far fewer changes of font and colour for the device.
        std::vector<const PlacedItem*> order;
        order.reserve(page.items.size());
        for (const PlacedItem& item : page.items)
            order.push_back(&item);
        std::stable_sort(order.begin(), order.end(),
                         [](const PlacedItem* a, const PlacedItem* b) { return a->font < b->font; });
        int font = -2;
        for (const PlacedItem* item : order) {
            const QRectF box(item->box.left() * scale_, item->box.top() * scaleY_, item->box.width() * scale_,
                             item->box.height() * scaleY_);
            if (item->kind == PlacedKind::Line) {
                const qreal weight = item->lineWeight * device_.logicalDpiY() / 72.0;
                painter.setPen(QPen(Qt::black, weight, Qt::SolidLine, Qt::FlatCap));
                font = -1;
                const qreal y = box.top() + weight / 2;
                painter.drawLine(QPointF(box.left(), y), QPointF(box.right(), y));
                continue;
            }
            const DeviceFont& f = fonts_.at(size_t(item->font));
            if (font != item->font) {
                painter.setFont(f.font);
                painter.setPen(f.colour);
                font = item->font;
            }
            // A cut text was cut to its box when the pages were laid out.
            painter.drawText(QPointF(box.left(), box.top() + f.metrics.ascent()), item->text);
        }
    }

private:
    QPagedPaintDevice& device_;
    qreal scale_ = 1;
    qreal scaleY_ = 1;
    std::vector<DeviceFont> fonts_;
};

} // namespace

QPageLayout ReportPageLayout(const PageSetup& page)
{
    const QPageSize size(QSizeF(page.width / 1000.0, page.height / 1000.0), QPageSize::Millimeter, page.paperName,
                         QPageSize::FuzzyMatch);
    QPageLayout layout(size, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    layout.setMode(QPageLayout::FullPageMode);
    return layout;
}

void PaintReport(const ReportLayout& layout, QPagedPaintDevice& device, int copies)
{
    std::vector<int> pages;
    const QPageRanges ranges = device.pageRanges();
    for (int n = 1; n <= layout.pageCount(); ++n)
        if (ranges.isEmpty() || ranges.contains(n))
            pages.push_back(n);
    if (pages.empty())
        return;

    KeepFreedMemory keep;
    QPainter painter;
    if (!painter.begin(&device))
        throw Error(
            QStringLiteral("The report \"%1\" could not be started on its printer or file.").arg(layout.documentName));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const PagePainter pagePainter(layout, device);
    bool first = true;
    for (int copy = 0; copy < std::max(1, copies); ++copy)
        for (int n : pages) {
            if (!first && !device.newPage())
                throw Error(
                    QStringLiteral("The report \"%1\" could not start page %2.").arg(layout.documentName).arg(n));
            first = false;
            pagePainter.paint(painter, layout.pages[size_t(n - 1)]);
        }
    if (!painter.end())
        throw Error(QStringLiteral("The report \"%1\" could not be finished.").arg(layout.documentName));
}

} // namespace lw
