#include "TextMeasure.h"

#include "ReportFonts.h"

#include <QTextLayout>
#include <cmath>

namespace lw {
namespace {

constexpr qreal kMicronsPerInch = 25400.0;

} // namespace

TextMeasure::TextMeasure() : device_(1, 1, QImage::Format_ARGB32_Premultiplied)
{
    const int dotsPerMetre = qRound(kDotsPerInch / 0.0254);
    device_.setDotsPerMeterX(dotsPerMetre);
    device_.setDotsPerMeterY(dotsPerMetre);
}

int TextMeasure::fontIndex(const FontStyle& style)
{
    for (size_t i = 0; i < styles_.size(); ++i)
        if (styles_[i] == style)
            return int(i);
    styles_.push_back(style);
    fonts_.push_back(ReportFont(style));
    metrics_.emplace_back(fonts_.back(), &device_);
    advances_.emplace_back(kRemembered, -1.0);
    return int(styles_.size() - 1);
}

qreal TextMeasure::advance(int font, QStringView text) const
{
    std::vector<qreal>& known = advances_.at(size_t(font));
    qreal sum = 0;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 || (u >= 0x7f && u < 0xa0) || u >= kRemembered)
            return metrics_.at(size_t(font)).horizontalAdvance(text.toString());
        qreal& a = known[u];
        if (a < 0)
            a = metrics_.at(size_t(font)).horizontalAdvance(c);
        sum += a;
    }
    return sum;
}

qreal TextMeasure::toDots(Length length) const
{
    return length * kDotsPerInch / kMicronsPerInch;
}

Length TextMeasure::toLength(qreal dots) const
{
    return Length(std::ceil(dots * kMicronsPerInch / kDotsPerInch));
}

Length TextMeasure::width(int font, const QString& text) const
{
    return toLength(advance(font, text));
}

Length TextMeasure::lineHeight(int font) const
{
    return toLength(metrics_.at(size_t(font)).height());
}

qsizetype TextMeasure::fittingLength(int font, const QString& text, Length width) const
{
    const qreal room = toDots(width);
    if (advance(font, text) <= room)
        return text.size();
    // The longest start that fits, never ending inside a surrogate pair.
    qsizetype low = 0, high = text.size();
    while (low < high) {
        const qsizetype mid = (low + high + 1) / 2;
        if (advance(font, QStringView(text).left(mid)) <= room)
            low = mid;
        else
            high = mid - 1;
    }
    if (low > 0 && low < text.size() && text.at(low).isLowSurrogate())
        --low;
    return low;
}

QStringList TextMeasure::wrap(int font, const QString& text, Length width) const
{
    QStringList lines;
    if (text.isEmpty())
        return lines;
    QString paragraphs = text;
    paragraphs.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
    const qreal room = toDots(width);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    for (const QString& paragraph : paragraphs.split(u'\n')) {
        if (paragraph.isEmpty()) {
            lines.append(QString());
            continue;
        }
        QTextLayout layout(paragraph, fonts_.at(size_t(font)), &device_);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(room);
            QString part = paragraph.mid(line.textStart(), line.textLength());
            while (!part.isEmpty() && part.back().isSpace())
                part.chop(1);
            lines.append(part);
        }
        layout.endLayout();
    }
    // Line breaks at the very end add no printed line.
    while (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace lw
