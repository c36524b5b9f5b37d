#pragma once

#include <QColor>
#include <QString>
#include <vector>

namespace lw {

// Lengths of a report are whole thousandths of a millimetre.
using Length = int;

enum class ElementKind {
    Label, // a fixed caption
    DataText, // one field of the current row, on one line
    Memo, // one field of the current row, wrapped at word boundaries
    Line, // a horizontal rule along the top of its box
    Region, // an invisible frame that grows with the elements it holds
};

enum class TextAlign { Left, Right };

struct FontStyle {
    QString name; // as the template names it: "Arial", "Times New Roman"
    double points = 10;
    QColor colour = Qt::black;
    bool bold = false;

    friend bool operator==(const FontStyle&, const FontStyle&) = default;
};

struct ReportElement {
    QString name;
    ElementKind kind = ElementKind::Label;
    QString text; // a label's caption
    QString field; // the row field of a data text or memo
    bool dateText = false; // the field is a date shown as "mm/dd/yyyy"
    FontStyle font;
    TextAlign align = TextAlign::Left;
    Length left = 0;
    Length top = 0;
    Length width = 0;
    Length height = 0;

    bool sizedToText = false; // the box is as wide as its text
    bool grows = false; // the box grows to hold all its content
    bool cutAtWidth = false; // text beyond the box's width is not printed
    bool transparent = true; // no background fill
    bool visible = true;

    Length keepBelow = 0; // a memo that grows keeps this much space below itself
    double lineWeight = 0; // a line's thickness in points
    QString region; // the region holding this element, if any
    QString shiftWith; // moves down by as much as this element grows
};

enum class BandKind { Title, PageHeader, GroupHeader, Detail, GroupFooter, PageFooter };

struct ReportBand {
    BandKind kind = BandKind::Detail;
    Length height = 0;
    bool visible = true;
    std::vector<ReportElement> elements; // in drawing order
};

// One level of grouping: the rows are in order of the break field, and a new
// group starts where its value changes.
struct ReportGroup {
    QString breakField;
    bool keepTogether = true; // a group that does not fit starts on the next page
    bool reprintHeader = false; // the header again on a page where the group continues
    bool newPage = false; // every group after the first starts on a new page
};

struct PageSetup {
    QString paperName;
    Length width = 0;
    Length height = 0;
    Length marginTop = 0;
    Length marginBottom = 0;
    Length marginLeft = 0;
    Length marginRight = 0;
    QString printer = QStringLiteral("Default");
    QString bin = QStringLiteral("Default");
};

// A banded report: page setup, one group and the bands in print order. The
// before-print step changes it per run (captions, visibility, new-page flag).
struct ReportTemplate {
    QString name;
    QString documentName; // the print job's name in the printer's queue
    PageSetup page;
    ReportGroup group;
    std::vector<ReportBand> bands;
    QString titleLabel; // the label that gets the run's title
    QString dateLabel; // the label that gets the run's date

    ReportBand* band(BandKind kind);
    const ReportBand* band(BandKind kind) const;
    // Throws lw::Error when there is no element of that name.
    ReportElement& element(const QString& name);
    const ReportElement& element(const QString& name) const;
};

} // namespace lw
