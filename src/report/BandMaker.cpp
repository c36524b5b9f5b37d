#include "BandMaker.h"

#include "BeforePrint.h"
#include "TextMeasure.h"

#include <algorithm>

namespace lw {

QString BandMaker::textOf(const ReportElement& e, const ReportRow* row) const
{
    if (e.kind == ElementKind::Label)
        return e.text;
    if (!row)
        return {};
    const QVariant v = row->value(e.field);
    return e.dateText ? ReportDateText(v.toDate(), dateSeparator_) : v.toString();
}

void BandMaker::addText(BandInstance& out, const ReportElement& e, const QString& text, int font, Length top,
                        Length height)
{
    if (text.isEmpty())
        return;
    PlacedItem item;
    item.kind = PlacedKind::Text;
    item.element = e.name;
    item.band = out.kind;
    item.row = out.row;
    item.font = font;
    item.text = text;
    Length left = e.left;
    Length width = e.width;
    if (e.cutAtWidth) {
        item.text.truncate(measure_.fittingLength(font, text, e.width));
        item.clip = true;
    }
    if (e.sizedToText) {
        width = measure_.width(font, item.text);
    } else if (e.align == TextAlign::Right) {
        width = measure_.width(font, item.text);
        left = e.left + e.width - width;
    }
    item.box = QRect(left, top, width, height);
    if (!item.text.isEmpty())
        out.items.push_back(std::move(item));
}

BandInstance BandMaker::make(const ReportBand& band, const ReportRow* row, int rowIndex)
{
    BandInstance out;
    out.kind = band.kind;
    out.row = rowIndex;
    const std::vector<ReportElement>& elements = band.elements;
    const auto indexOf = [&](const QString& name) {
        for (size_t i = 0; i < elements.size(); ++i)
            if (elements[i].name == name)
                return int(i);
        return -1;
    };
    // Where each element ends up: its top and its height, from its design.
    std::vector<Length> tops, heights, below;
    for (const ReportElement& e : elements) {
        tops.push_back(e.top);
        heights.push_back(e.height);
        below.push_back(0);
    }

    // Texts, memos and lines; a memo that grows keeps its space below itself.
    for (size_t i = 0; i < elements.size(); ++i) {
        const ReportElement& e = elements[i];
        if (!e.visible || e.kind == ElementKind::Region)
            continue;
        if (e.kind == ElementKind::Line) {
            PlacedItem line;
            line.kind = PlacedKind::Line;
            line.element = e.name;
            line.band = out.kind;
            line.row = out.row;
            line.box = QRect(e.left, e.top, e.width, e.height);
            line.lineWeight = e.lineWeight;
            out.items.push_back(std::move(line));
        } else if (e.kind == ElementKind::Memo) {
            const int font = measure_.fontIndex(e.font);
            const Length lineHeight = measure_.lineHeight(font);
            const QStringList lines = measure_.wrap(font, textOf(e, row), e.width);
            for (qsizetype n = 0; n < lines.size(); ++n)
                addText(out, e, lines.at(n), font, e.top + Length(n) * lineHeight, lineHeight);
            const Length content = Length(lines.size()) * lineHeight;
            if (e.grows && content > e.height) {
                heights[i] = content;
                below[i] = e.keepBelow;
            }
        } else {
            addText(out, e, textOf(e, row), measure_.fontIndex(e.font), e.top, e.height);
        }
    }

    // A region grows to hold what grew inside it.
    for (size_t r = 0; r < elements.size(); ++r) {
        if (elements[r].kind != ElementKind::Region || !elements[r].grows)
            continue;
        for (size_t i = 0; i < elements.size(); ++i)
            if (elements[i].region == elements[r].name && heights[i] > elements[i].height)
                heights[r] = std::max(heights[r], tops[i] + heights[i] + below[i] - tops[r]);
    }

    // Elements that follow another move down by as much as it grew.
    for (size_t i = 0; i < elements.size(); ++i) {
        const int leader = elements[i].shiftWith.isEmpty() ? -1 : indexOf(elements[i].shiftWith);
        if (leader < 0)
            continue;
        const Length shift = heights[size_t(leader)] - elements[size_t(leader)].height;
        if (shift <= 0)
            continue;
        tops[i] += shift;
        for (PlacedItem& item : out.items)
            if (item.element == elements[i].name)
                item.box.translate(0, shift);
    }

    // The band grows by as much as its lowest element reaches further down;
    // what grows inside a region is held by the region.
    Length growth = 0;
    for (size_t i = 0; i < elements.size(); ++i)
        if (elements[i].visible) {
            const Length space = elements[i].region.isEmpty() ? below[i] : 0;
            growth = std::max(growth, tops[i] + heights[i] + space - (elements[i].top + elements[i].height));
        }
    out.height = band.height + growth;
    return out;
}

} // namespace lw
