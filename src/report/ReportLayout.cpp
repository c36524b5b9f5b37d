#include "ReportLayout.h"

#include "BandMaker.h"
#include "TextMeasure.h"

#include <algorithm>

namespace lw {
namespace {

// Puts bands on pages, top to bottom.
class Paginator {
public:
    Paginator(const ReportTemplate& report, ReportLayout& out, BandMaker& maker)
        : report_(report), out_(out), maker_(maker)
    {
        const PageSetup& p = report.page;
        top_ = p.marginTop;
        if (const ReportBand* footer = visibleBand(BandKind::PageFooter))
            footerHeight_ = footer->height;
        bottom_ = p.height - p.marginBottom - footerHeight_;
        if (const ReportBand* header = visibleBand(BandKind::PageHeader))
            headerHeight_ = header->height;
    }

    void run(const std::vector<ReportRow>& rows);

private:
    const ReportBand* visibleBand(BandKind kind) const
    {
        const ReportBand* b = report_.band(kind);
        return b && b->visible ? b : nullptr;
    }
    Length room() const { return bottom_ - y_; }
    Length freshRoom() const { return bottom_ - top_ - headerHeight_; }
    void startPage();
    void finishPage();
    void newPage()
    {
        finishPage();
        startPage();
    }
    // Moves the band's items from..to onto the page, the band's `offset` at the current position.
    void put(BandInstance& band, size_t from, size_t to, Length offset, Length height);
    void place(BandInstance band) { put(band, 0, band.items.size(), 0, band.height); }
    // A band taller than the rest of the page goes on the next one, and one
    // taller than a page continues over as many as it needs.
    void placeBreaking(BandInstance band);
    void placeGroup(const std::vector<ReportRow>& rows, int first, int last, bool firstGroup);

    const ReportTemplate& report_;
    ReportLayout& out_;
    BandMaker& maker_;
    Length top_ = 0;
    Length bottom_ = 0;
    Length footerHeight_ = 0;
    Length headerHeight_ = 0;
    Length y_ = 0;
    bool groupOnPage_ = false; // a band of a group is on the current page
};

void Paginator::startPage()
{
    out_.pages.emplace_back();
    y_ = top_;
    groupOnPage_ = false;
    if (const ReportBand* header = visibleBand(BandKind::PageHeader))
        place(maker_.make(*header, nullptr, -1));
    if (out_.pages.size() == 1)
        if (const ReportBand* title = visibleBand(BandKind::Title))
            place(maker_.make(*title, nullptr, -1));
}

void Paginator::finishPage()
{
    if (const ReportBand* footer = visibleBand(BandKind::PageFooter)) {
        y_ = bottom_;
        place(maker_.make(*footer, nullptr, -1));
    }
}

void Paginator::put(BandInstance& band, size_t from, size_t to, Length offset, Length height)
{
    ReportPage& page = out_.pages.back();
    page.bands.push_back({band.kind, band.row, y_, height});
    const int dx = report_.page.marginLeft;
    const int dy = y_ - offset;
    for (size_t i = from; i < to; ++i) {
        band.items[i].box.translate(dx, dy);
        page.items.push_back(std::move(band.items[i]));
    }
    y_ += height;
}

void Paginator::placeBreaking(BandInstance band)
{
    if (band.height > room() && band.height <= freshRoom() && groupOnPage_)
        newPage();
    std::stable_sort(band.items.begin(), band.items.end(),
                     [](const PlacedItem& a, const PlacedItem& b) { return a.box.top() < b.box.top(); });
    size_t next = 0; // the first item not yet placed
    Length offset = 0; // the band's own position at the top of the current page
    while (band.height - offset > room()) {
        // Cut above the first item that would reach past the page's end.
        Length cut = band.height;
        for (size_t i = next; i < band.items.size(); ++i) {
            const QRect& box = band.items[i].box;
            if (box.top() + box.height() - offset > room())
                cut = std::min<Length>(cut, box.top());
        }
        if (cut <= offset) {
            if (groupOnPage_) { // the next item may fit on an empty page
                newPage();
                continue;
            }
            // An item taller than a whole page: it is cut at the page's end.
            cut = band.height;
            for (size_t i = next; i < band.items.size(); ++i)
                if (band.items[i].box.top() > offset)
                    cut = std::min<Length>(cut, band.items[i].box.top());
            if (cut == band.height)
                break;
        }
        size_t end = next;
        while (end < band.items.size() && band.items[end].box.top() < cut)
            ++end;
        put(band, next, end, offset, std::min(cut - offset, room()));
        next = end;
        offset = cut;
        newPage();
    }
    put(band, next, band.items.size(), offset, band.height - offset);
    groupOnPage_ = true;
}

void Paginator::placeGroup(const std::vector<ReportRow>& rows, int first, int last, bool firstGroup)
{
    const ReportBand* headerBand = visibleBand(BandKind::GroupHeader);
    const ReportBand* detailBand = visibleBand(BandKind::Detail);
    const ReportBand* footerBand = visibleBand(BandKind::GroupFooter);

    std::vector<BandInstance> details;
    Length total = 0;
    BandInstance header, footer;
    if (headerBand) {
        header = maker_.make(*headerBand, &rows[size_t(first)], first);
        total += header.height;
    }
    if (detailBand)
        for (int r = first; r <= last; ++r) {
            details.push_back(maker_.make(*detailBand, &rows[size_t(r)], r));
            total += details.back().height;
        }
    if (footerBand) {
        footer = maker_.make(*footerBand, &rows[size_t(last)], last);
        total += footer.height;
    }

    if (!firstGroup && report_.group.newPage && groupOnPage_)
        newPage();
    // Keep together: a group that fits on an empty page does not start here
    // when it does not fit in the rest of this one.
    if (report_.group.keepTogether && groupOnPage_ && total > room() && total <= freshRoom())
        newPage();
    if (headerBand) {
        // The header never stays at a page's foot without the first account.
        const Length withFirst = header.height + (details.empty() ? 0 : details.front().height);
        if (groupOnPage_ && withFirst > room())
            newPage();
        place(std::move(header));
        groupOnPage_ = true;
    }
    for (BandInstance& detail : details)
        placeBreaking(std::move(detail));
    if (footerBand) {
        if (footer.items.empty()) {
            // Blank space after the group ends where the page ends.
            put(footer, 0, 0, 0, std::min(footer.height, room()));
        } else {
            placeBreaking(std::move(footer));
        }
    }
}

void Paginator::run(const std::vector<ReportRow>& rows)
{
    startPage();
    const QString& field = report_.group.breakField;
    int first = 0;
    for (int r = 0; r < int(rows.size()); ++r) {
        const bool lastOfGroup =
            r + 1 == int(rows.size()) || rows[size_t(r + 1)].value(field) != rows[size_t(first)].value(field);
        if (!lastOfGroup)
            continue;
        placeGroup(rows, first, r, first == 0);
        first = r + 1;
    }
    finishPage();
}

} // namespace

ReportLayout LayOutReport(const ReportTemplate& report, const std::vector<ReportRow>& rows, QChar dateSeparator)
{
    TextMeasure measure;
    return LayOutReport(report, rows, dateSeparator, measure);
}

ReportLayout LayOutReport(const ReportTemplate& report, const std::vector<ReportRow>& rows, QChar dateSeparator,
                          TextMeasure& measure)
{
    ReportLayout out;
    out.documentName = report.documentName;
    out.page = report.page;
    BandMaker maker(measure, dateSeparator);
    Paginator(report, out, maker).run(rows);
    out.fonts = measure.fonts();
    return out;
}

} // namespace lw
