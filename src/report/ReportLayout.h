#pragma once

#include "ReportRow.h"
#include "ReportTemplate.h"

#include <QRect>
#include <vector>

namespace lw {

class TextMeasure;

enum class PlacedKind { Text, Line };

// One thing to draw on a page. Boxes are in thousandths of a millimetre from
// the paper's top-left corner; a text starts at its box's left edge (a
// right-aligned text's box is moved to end where its element ends).
struct PlacedItem {
    PlacedKind kind = PlacedKind::Text;
    QString element; // the template element it comes from
    BandKind band = BandKind::Detail;
    int row = -1; // the row it shows; -1 for the title and page bands
    QRect box;
    QString text; // a text's characters, already cut to its box
    int font = -1; // index into ReportLayout::fonts
    bool clip = false; // drawn cut at its box
    double lineWeight = 0; // a line's thickness in points
};

// Where a band (or the part of a band that a page holds) was placed.
struct PlacedBand {
    BandKind kind = BandKind::Detail;
    int row = -1;
    Length top = 0;
    Length height = 0;
};

struct ReportPage {
    std::vector<PlacedBand> bands;
    std::vector<PlacedItem> items;
};

// A report's pages, ready to draw on any device.
struct ReportLayout {
    QString documentName;
    PageSetup page;
    std::vector<FontStyle> fonts;
    std::vector<ReportPage> pages;

    int pageCount() const { return int(pages.size()); }
};

// Lays out a template over rows that come in order of the group's break
// field: a group for each run of equal values, with its header, one detail
// band per row and its footer. Dates use the separator given.
ReportLayout LayOutReport(const ReportTemplate& report, const std::vector<ReportRow>& rows, QChar dateSeparator = u'/');
ReportLayout LayOutReport(const ReportTemplate& report, const std::vector<ReportRow>& rows, QChar dateSeparator,
                          TextMeasure& measure);

} // namespace lw
