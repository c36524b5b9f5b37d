#include "BeforePrint.h"

#include "settings/TrimBlanks.h"

#include <QLocale>

namespace lw {

void BeforePrint(ReportTemplate& report, const BeforePrintChoices& choices)
{
    ReportElement& date = report.element(report.dateLabel);
    date.visible = choices.printDate;
    date.text = choices.printDate ? ReportDateText(choices.today, choices.dateSeparator) : QString();

    const QString title = TrimBlanks(choices.title);
    report.element(report.titleLabel).text = title;
    if (ReportBand* band = report.band(BandKind::Title))
        band->visible = choices.printDate || !title.isEmpty();

    report.group.newPage = choices.onePerPage;
}

QString ReportDateText(const QDate& date, QChar separator)
{
    if (date.isNull() || !date.isValid())
        return {};
    const QString sep(separator);
    return QStringLiteral("%1%2%3%4%5")
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(sep)
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(sep)
        .arg(date.year(), 4, 10, QLatin1Char('0'));
}

QChar SystemDateSeparator()
{
    // The first character of the short format that is neither a letter nor a quote.
    const QString format = QLocale::system().dateFormat(QLocale::ShortFormat);
    for (QChar c : format)
        if (!c.isLetter() && c != u'\'')
            return c.isSpace() ? QChar(u'/') : c;
    return u'/';
}

} // namespace lw
