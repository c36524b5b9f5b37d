#pragma once

#include "ReportTemplate.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QStringList>
#include <vector>

namespace lw {

// Measures report texts at a fixed fine resolution, so that a layout is the
// same whatever device it is later drawn on. Fonts are known by their index
// in fonts(), given out by fontIndex().
class TextMeasure {
public:
    TextMeasure();

    int fontIndex(const FontStyle& style);
    const std::vector<FontStyle>& fonts() const { return styles_; }

    Length width(int font, const QString& text) const;
    // From the top of a line to the top of the next: ascent and descent, no leading.
    Length lineHeight(int font) const;
    // How many characters at the start of the text fit in the width.
    qsizetype fittingLength(int font, const QString& text, Length width) const;
    // The text in lines that fit the width: broken at its line breaks, then at
    // word boundaries, and inside a word only when the word alone is too wide.
    QStringList wrap(int font, const QString& text, Length width) const;

    static constexpr int kDotsPerInch = 1200;

private:
    // The advance of a text in dots: for Latin texts (unkerned, unhinted) the
    // sum of remembered advances of its characters, otherwise measured whole.
    qreal advance(int font, QStringView text) const;
    qreal toDots(Length length) const;
    Length toLength(qreal dots) const;

    static constexpr char16_t kRemembered = 0x250; // up to the end of Latin Extended-B

    QImage device_; // the resolution the texts are measured at
    std::vector<FontStyle> styles_;
    std::vector<QFont> fonts_;
    std::vector<QFontMetricsF> metrics_;
    mutable std::vector<std::vector<qreal>> advances_; // per font, by character; -1 while unknown
};

} // namespace lw
