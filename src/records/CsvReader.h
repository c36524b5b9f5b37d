#pragma once

#include <QByteArray>
#include <QStringList>
#include <vector>

namespace lw {

// One record of a CSV file and its place: the file's first record is row 1.
struct CsvRecord {
    int row = 0;
    QStringList fields;
};

// The records of a CSV file as RFC 4180 writes them: fields separated by
// commas, a field in double quotes may hold commas, line breaks and doubled
// quotes. The text is UTF-8, with or without a byte-order mark. Values are
// kept exactly, blanks included; blank lines are passed over.
//
// Throws an Error saying what is wrong and in which row: bytes that are not
// text, a quote out of place, a quote that is never closed.
std::vector<CsvRecord> ReadCsv(const QByteArray& bytes);

} // namespace lw
