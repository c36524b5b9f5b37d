#pragma once

#include "ReportTemplate.h"

#include <QDate>
#include <QString>

namespace lw {

// What the report selection asks of a run.
struct BeforePrintChoices {
    bool printDate = true;
    QString title; // as typed; blanks and control characters at either end do not count
    bool onePerPage = true; // each group starts on a new page
    QDate today;
    QChar dateSeparator = u'/';
};

// Prepares a template for one run, each time it starts producing pages: the
// date label shows today or is hidden, the title label gets the title, the
// title band shows when either is there, and the group's new-page flag
// follows the choice.
void BeforePrint(ReportTemplate& report, const BeforePrintChoices& choices);

// "mm/dd/yyyy" with the given separator; a null date gives an empty text.
QString ReportDateText(const QDate& date, QChar separator);

// The separator of the system's short date format ("/" when it has none).
QChar SystemDateSeparator();

} // namespace lw
