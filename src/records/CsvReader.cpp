#include "CsvReader.h"

#include "settings/Error.h"

#include <QStringDecoder>
#include <csv.h>

namespace lw {
namespace {

const QByteArray kByteOrderMark("\xEF\xBB\xBF");

// What the parser's callbacks build up.
struct Collector {
    std::vector<CsvRecord> records;
    QStringList fields;
    int badTextRow = 0; // the first record with bytes that are no UTF-8 text

    int nextRow() const { return int(records.size()) + 1; }
};

void addField(void* bytes, size_t size, void* data)
{
    auto& c = *static_cast<Collector*>(data);
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8.decode(QByteArrayView(static_cast<const char*>(bytes), qsizetype(size)));
    if (utf8.hasError() && c.badTextRow == 0)
        c.badTextRow = c.nextRow();
    c.fields.append(std::move(text));
}

void endRecord(int, void* data)
{
    auto& c = *static_cast<Collector*>(data);
    c.records.push_back({c.nextRow(), std::move(c.fields)});
    c.fields.clear();
}

// Blanks around a field are part of its value (a password may end in one).
int noBlanks(unsigned char)
{
    return 0;
}

// The parser, released however the reading ends.
class Parser {
public:
    Parser()
    {
        if (csv_init(&p_, CSV_STRICT | CSV_STRICT_FINI) != 0)
            throw Error(QStringLiteral("there is not enough memory to read the file."));
        csv_set_space_func(&p_, noBlanks);
    }
    ~Parser() { csv_free(&p_); }
    Parser(const Parser&) = delete;
    Parser& operator=(const Parser&) = delete;
    csv_parser* get() { return &p_; }

private:
    csv_parser p_{};
};

enum class Where { Inside, AtEnd };

[[noreturn]] void refuseParse(int error, int row, Where where)
{
    if (error != CSV_EPARSE)
        throw Error(QStringLiteral("there is not enough memory to read row %1.").arg(row));
    if (where == Where::AtEnd)
        throw Error(QStringLiteral("a double quote that opens a field in row %1 is never closed.").arg(row));
    throw Error(QStringLiteral("row %1 has a double quote out of place or never closed (a field in quotes ends "
                               "with a quote, and a quote inside it is written twice).")
                    .arg(row));
}

} // namespace

std::vector<CsvRecord> ReadCsv(const QByteArray& file)
{
    QByteArrayView bytes(file);
    if (bytes.startsWith(kByteOrderMark))
        bytes = bytes.sliced(kByteOrderMark.size());
    if (bytes.contains('\0'))
        throw Error(QStringLiteral("the file holds binary data, not text."));

    Collector c;
    Parser parser;
    // In pieces, so that a file that is no text stops early.
    qsizetype done = 0;
    while (done < bytes.size()) {
        const qsizetype chunk = std::min<qsizetype>(bytes.size() - done, 64 * 1024);
        const size_t used = csv_parse(parser.get(), bytes.data() + done, size_t(chunk), addField, endRecord, &c);
        if (c.badTextRow != 0)
            break;
        if (used != size_t(chunk))
            refuseParse(csv_error(parser.get()), c.nextRow(), Where::Inside);
        done += chunk;
    }
    if (c.badTextRow == 0 && csv_fini(parser.get(), addField, endRecord, &c) != 0)
        refuseParse(csv_error(parser.get()), c.nextRow(), Where::AtEnd);
    if (c.badTextRow != 0)
        throw Error(QStringLiteral("the file is not UTF-8 text (row %1 holds bytes that are no UTF-8 characters).")
                        .arg(c.badTextRow));
    return std::move(c.records);
}

} // namespace lw
