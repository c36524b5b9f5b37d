#include "records/CsvReader.h"
#include "records/CsvWriter.h"
#include "settings/Error.h"

#include <gtest/gtest.h>

using namespace lw;

namespace {

using Rows = std::vector<QStringList>;

Rows fieldsOf(const std::vector<CsvRecord>& records)
{
    Rows rows;
    for (const CsvRecord& r : records)
        rows.push_back(r.fields);
    return rows;
}

struct Quoting {
    const char* name;
    QByteArray bytes;
    Rows expected;
};

class CsvQuoting : public ::testing::TestWithParam<Quoting> { };

TEST_P(CsvQuoting, ReadsEveryField)
{
    EXPECT_EQ(fieldsOf(ReadCsv(GetParam().bytes)), GetParam().expected) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Rfc4180, CsvQuoting,
    ::testing::Values(Quoting{"plain", "a,b,c\nd,e,f\n", {{"a", "b", "c"}, {"d", "e", "f"}}},
                      Quoting{"no line break at the end", "a,b", {{"a", "b"}}},
                      Quoting{"CRLF line ends", "a,b\r\nc,d\r\n", {{"a", "b"}, {"c", "d"}}},
                      Quoting{"comma in quotes", "\"a,b\",c\n", {{"a,b", "c"}}},
                      Quoting{"doubled quotes", "\"say \"\"hi\"\"\",\"\"\"\"\n", {{"say \"hi\"", "\""}}},
                      Quoting{"line breaks in quotes",
                              "\"one\ntwo\",\"three\r\nfour\"\r\nx,y\n",
                              {{"one\ntwo", "three\r\nfour"}, {"x", "y"}}},
                      Quoting{"empty fields", ",,\n\"\",x,\"\"\n", {{"", "", ""}, {"", "x", ""}}},
                      Quoting{"blanks are part of the value", " a , b \n\" c \",d\n", {{" a ", " b "}, {" c ", "d"}}},
                      Quoting{"blank lines are passed over", "a\n\n\r\nb\n", {{"a"}, {"b"}}},
                      Quoting{"byte-order mark", "\xEF\xBB\xBF\"Group\",x\n", {{"Group", "x"}}},
                      Quoting{"UTF-8 characters", "Müller,€,\xF0\x9F\x98\x80\n", {{"Müller", "€", "😀"}}}),
    [](const auto& c) { return std::to_string(c.index); });

TEST(CsvReader, NumbersRecordsAsTheyComeAndARecordOverSeveralLinesIsOneRow)
{
    const auto records = ReadCsv("h1,h2\n\"a\nb\",c\n\nd,e\n");
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].row, 1);
    EXPECT_EQ(records[1].row, 2);
    EXPECT_EQ(records[2].row, 3);
}

struct Refusal {
    const char* name;
    QByteArray bytes;
    QStringList said; // each part is in the message
};

class CsvRefusal : public ::testing::TestWithParam<Refusal> { };

TEST_P(CsvRefusal, SaysWhatIsWrongAndWhere)
{
    try {
        ReadCsv(GetParam().bytes);
        ADD_FAILURE() << GetParam().name << " was read";
    } catch (const Error& e) {
        for (const QString& part : GetParam().said)
            EXPECT_TRUE(e.message().contains(part)) << e.message().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    BrokenFiles, CsvRefusal,
    ::testing::Values(Refusal{"quote never closed", "a,b\nc,\"open\nd,e\n", {"row 2", "never closed"}},
                      Refusal{"quote closed too early", "a,b\nc,\"d\"e\n", {"row 2", "out of place"}},
                      Refusal{"quote inside a bare field", "a,b\nc,d\"e\n", {"row 2", "out of place"}},
                      Refusal{"binary bytes", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), {"binary"}},
                      Refusal{"Latin-1 text", "name,note\nx,y\ncaf\xE9,z\n", {"not UTF-8", "row 3"}}),
    [](const auto& c) { return std::to_string(c.index); });

TEST(CsvWriter, QuotesEveryFieldAndReadsBackTheSame)
{
    const QStringList fields = {"plain", "", "a,b", "say \"hi\"", "one\ntwo\r\nthree", " blanks ", "Müller €"};
    const QByteArray line = CsvLine(fields);
    EXPECT_EQ(line, "\"plain\",\"\",\"a,b\",\"say \"\"hi\"\"\",\"one\ntwo\r\nthree\",\" blanks \",\"Müller €\"\n");
    EXPECT_EQ(fieldsOf(ReadCsv(line + CsvLine({"x"}))), (Rows{fields, {"x"}}));
}

} // namespace
