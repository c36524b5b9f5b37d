#pragma once

#include <QString>
#include <QStringList>

namespace lw::test {

// The text of each page of a PDF file, as pdftotext reads it (poppler-utils);
// an empty list when the file cannot be read.
QStringList PdfPageTexts(const QString& path);

// Whether the texts appear in this order in the text, each after the one before.
bool InOrder(const QString& text, const QStringList& texts);

} // namespace lw::test
