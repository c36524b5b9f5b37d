#include "records/CsvImport.h"
#include "settings/Error.h"

#include <QFile>
#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace lw;

namespace {

const QString kFixtures = QStringLiteral(LW_CSV_FIXTURES);

// The limits of a password database (the write tests check them against a real one).
ImportColumns columns()
{
    return {50,
            {{"Description", FieldType::Text, 100},
             {"ID", FieldType::Text, 100, true},
             {"Password", FieldType::Text, 100, true},
             {"URL", FieldType::Text, 100, true}}};
}

struct Expected {
    QString group, description, id, password, url, notes;
};

QStringList fieldsOf(const ImportedAccount& a)
{
    return {a.group, a.description, a.id, a.password, a.url, a.notes};
}

QStringList fieldsOf(const Expected& e)
{
    return {e.group, e.description, e.id, e.password, e.url, e.notes};
}

struct Export {
    const char* file;
    std::vector<Expected> accounts;
};

class RealExports : public ::testing::TestWithParam<Export> { };

TEST_P(RealExports, EveryRowBecomesTheAccountItDescribes)
{
    const CsvImport import = CsvImport::Read(kFixtures + "/" + GetParam().file, columns());
    EXPECT_TRUE(import.skipped().empty()) << import.Summary({}).toStdString();
    ASSERT_EQ(import.accounts().size(), GetParam().accounts.size());
    for (size_t i = 0; i < import.accounts().size(); ++i) {
        EXPECT_EQ(fieldsOf(import.accounts()[i]), fieldsOf(GetParam().accounts[i])) << GetParam().file << " #" << i;
        EXPECT_EQ(import.accounts()[i].row, int(i) + 2);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, RealExports,
    ::testing::Values(
        Export{"keepassxc.csv",
               {{"Imported", "Router", "admin", "pa,ss", "http://192.168.1.1", ""},
                {"Mail", "Post, home", "me@example.org", "say \"hi\"", "https://mail.example.org/login",
                 "first line\nsecond line"},
                {"Internet", "Forum", "", "", "", "TOTP: otpauth://totp/forum?secret=ABC"},
                {"Banking", "Bank", "  spaced  ", "trailing ", "https://bank.example.com", "Müller €"}}},
        Export{"bitwarden.csv",
               {{"Mail", "Work mail", "jo", "p\"w,1", "https://mail.work.example", ""},
                {"Imported", "Shop", "jo@shop", "s3cret", "https://shop.example",
                 "Order notes\r\nline two\nPIN: 1234\nTOTP: otpauth://totp/shop?secret=XYZ\n"
                 "Other web addresses: https://m.shop.example"},
                {"Personal", "Wifi", "", "", "", "WPA key is on the router"}}},
        Export{"chromium.csv",
               {{"Imported", "accounts.example.com", "ann", "a,b\"c", "https://accounts.example.com/signin", ""},
                {"Imported", "news.example.net", "reader", "pw", "https://news.example.net/login", "multi\nline"},
                {"Imported", "empty.example", "", "", "", ""}}},
        Export{"firefox.csv",
               {{"Imported", "www.example.com", "fox", "hunter2", "https://www.example.com", ""},
                {"Imported", "login.example.org", "", "only-password", "https://login.example.org:8443", ""}}}),
    [](const auto& c) { return QString(c.param.file).section('.', 0, 0).toStdString(); });

struct Broken {
    const char* name;
    QString file;
    QStringList said;
};

class BrokenFiles : public ::testing::TestWithParam<Broken> { };

TEST_P(BrokenFiles, AreRefusedWithTheFileAndTheCauseNamed)
{
    const QString path = GetParam().file.startsWith('/') ? GetParam().file : kFixtures + "/" + GetParam().file;
    try {
        CsvImport::Read(path, columns());
        ADD_FAILURE() << GetParam().name << " was read";
    } catch (const Error& e) {
        EXPECT_TRUE(e.message().startsWith("Cannot import \"" + path + "\": ")) << e.message().toStdString();
        for (const QString& part : GetParam().said)
            EXPECT_TRUE(e.message().contains(part)) << e.message().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, BrokenFiles,
    ::testing::Values(Broken{"unterminated quote", "unterminated-quote.csv", {"row 2", "double quote"}},
                      Broken{"wrong header", "wrong-header.csv", {"KeePassXC, Bitwarden", "Account;Login;Secret"}},
                      Broken{"not a text file", "/bin/true", {"binary"}},
                      Broken{"missing file", "/nonexistent/export.csv", {"no such file"}},
                      Broken{"folder", "/tmp", {"not a file"}}),
    [](const auto& c) { return std::to_string(c.index); });

TEST(CsvImport, AFileWithoutRowsIsEmpty)
{
    EXPECT_THROW(CsvImport::Parse("", columns()), Error);
    EXPECT_THROW(CsvImport::Parse("\xEF\xBB\xBF", columns()), Error);
}

TEST(CsvImport, ValuesTooLongAreRefusedRowByRowNeverCut)
{
    const QString long101 = QString(101, 'p');
    const QString long100 = QString(99, 'x') + "😀"; // 100 characters in 101 UTF-16 units
    const QByteArray file = "name,url,username,password\n"
                            "ok,https://a.example,u," +
                            long100.toUtf8() + "\n" + "too long,https://b.example,u," + long101.toUtf8() + "\n" +
                            "short,https://c.example,u,p\n" + QString(101, 'd').toUtf8() + ",,,\n" +
                            "fields,https://d.example\n" + ",,,\n" + ",,only-user,\n";
    const CsvImport import = CsvImport::Parse(file, columns());
    ASSERT_EQ(import.accounts().size(), 2u);
    EXPECT_EQ(import.accounts()[0].password, long100);
    EXPECT_EQ(import.accounts()[1].description, "short");
    std::vector<int> rows;
    for (const SkippedRow& s : import.skipped())
        rows.push_back(s.row);
    EXPECT_EQ(rows, (std::vector<int>{3, 5, 6, 7, 8}));
    EXPECT_EQ(import.Summary({}), "2 accounts in 1 group will be added; 5 rows skipped\r\n"
                                  "New groups: Imported.\r\n"
                                  "Row 3: Password may hold at most 100 characters; this text has 101.\r\n"
                                  "Row 5: Description may hold at most 100 characters; this text has 101.\r\n"
                                  "Row 6 has 2 fields where the first row has 4.\r\n"
                                  "Row 7 is empty.\r\n"
                                  "Row 8 has no title.");
}

TEST(CsvImport, GroupsAreTheLastPartOfThePathCutToFiftyCharactersAndCounted)
{
    const QString sixty = QString(55, 'g') + "-tail";
    const QByteArray file = "folder,type,name,notes,login_uri,login_username,login_password\n"
                            "Home/" +
                            sixty.toUtf8() + ",login,a,,,,\n" + "Other/" + sixty.toUpper().toUtf8() +
                            ",login,b,,,,\n" + // the same name in capitals
                            "  /Mail/ ,login,c,,,,\n" + "email accounts,login,d,,,,\n";
    const CsvImport import = CsvImport::Parse(file, columns());
    ASSERT_EQ(import.accounts().size(), 4u);
    EXPECT_EQ(import.accounts()[0].group, QString(50, 'g'));
    EXPECT_EQ(import.accounts()[1].group, QString(50, 'G'));
    EXPECT_EQ(import.accounts()[2].group, "Mail");
    EXPECT_EQ(import.cutGroupNames(), 1);
    EXPECT_EQ(import.Summary({"Email Accounts", "Mail"}), "4 accounts in 3 groups will be added; 0 rows skipped\r\n"
                                                          "New groups: " +
                                                              QString(50, 'g') + ".\r\n" +
                                                              "1 group name was cut to 50 characters.");
}

TEST(CsvImport, TheSummaryListsAtMostTwentyReasons)
{
    QByteArray file = "url,username,password\n";
    for (int i = 0; i < 25; ++i)
        file += ",,\n";
    const CsvImport import = CsvImport::Parse(file, columns());
    const QStringList lines = import.Summary({}).split("\r\n");
    ASSERT_EQ(lines.size(), 22);
    EXPECT_EQ(lines.first(), "0 accounts in 0 groups will be added; 25 rows skipped");
    EXPECT_EQ(lines.at(20), "Row 21 is empty.");
    EXPECT_EQ(lines.last(), "... and 5 more.");
}

} // namespace

namespace {

// Quotes, commas, line breaks and bytes that are no text, where a real file
// would break.
QByteArray mutated(QByteArray bytes, QRandomGenerator& random)
{
    static const QByteArray kTroublemakers("\",\n\r\0\xC3\xFF/ ", 9);
    const int changes = 1 + int(random.bounded(4));
    for (int i = 0; i < changes && !bytes.isEmpty(); ++i) {
        const qsizetype at = random.bounded(bytes.size());
        const char c = kTroublemakers.at(random.bounded(kTroublemakers.size()));
        switch (random.bounded(4)) {
        case 0:
            bytes[at] = c;
            break;
        case 1:
            bytes.insert(at, c);
            break;
        case 2:
            bytes.remove(at, 1);
            break;
        default:
            bytes.truncate(at);
        }
    }
    return bytes;
}

TEST(CsvImport, MutatedExportsAreReadIntoAccountsThatFitOrRefusedWithAnError)
{
    QRandomGenerator random(20261211);
    int read = 0, refused = 0;
    for (const char* name : {"keepassxc.csv", "bitwarden.csv", "chromium.csv", "firefox.csv"}) {
        QFile file(kFixtures + "/" + name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray original = file.readAll();
        for (int i = 0; i < 250; ++i) {
            const QByteArray bytes = mutated(original, random);
            try {
                const CsvImport import = CsvImport::Parse(bytes, columns());
                ++read;
                for (const ImportedAccount& a : import.accounts()) {
                    EXPECT_FALSE(a.description.trimmed().isEmpty()) << bytes.toStdString();
                    EXPECT_FALSE(a.group.isEmpty()) << bytes.toStdString();
                    for (const QString& text : {a.description, a.id, a.password, a.url})
                        EXPECT_LE(text.size(), 100) << bytes.toStdString();
                }
            } catch (const Error& e) {
                ++refused;
                EXPECT_FALSE(e.message().isEmpty());
            }
        }
    }
    EXPECT_GT(read, 0);
    EXPECT_GT(refused, 0);
}

} // namespace
