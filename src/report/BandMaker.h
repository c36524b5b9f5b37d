#pragma once

#include "ReportLayout.h"

#include <vector>

namespace lw {

class TextMeasure;

// A band made for one row, its items placed from the band's own top.
struct BandInstance {
    BandKind kind = BandKind::Detail;
    int row = -1;
    Length height = 0;
    std::vector<PlacedItem> items;
};

// Makes the band of one row: its texts, memo lines and lines, where they go
// within the band, and how far the band grows.
class BandMaker {
public:
    BandMaker(TextMeasure& measure, QChar dateSeparator) : measure_(measure), dateSeparator_(dateSeparator) { }

    BandInstance make(const ReportBand& band, const ReportRow* row, int rowIndex);

private:
    QString textOf(const ReportElement& e, const ReportRow* row) const;
    void addText(BandInstance& out, const ReportElement& e, const QString& text, int font, Length top, Length height);

    TextMeasure& measure_;
    QChar dateSeparator_;
};

} // namespace lw
