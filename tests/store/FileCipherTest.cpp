#include "settings/Error.h"
#include "store/DatabaseFileCipher.h"
#include "store/RandomGenerator.h"
#include "store/TCryptFile.h"
#include "support/FakeMessages.h"
#include "support/FileSizeLimit.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QtEndian>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

using namespace lw;

namespace {

const QString kTemp = QStringLiteral("___.~--");
const QString kDb = QStringLiteral("db.pdb");

quint32 keyWordOf(const char (&text)[5])
{
    return qFromLittleEndian<quint32>(text);
}

// The scrambled form built byte by byte from the generator.
QByteArray scrambled(QByteArray plain, quint32 keyWord, qint32 intKey = kProgramIntKey)
{
    RandomSeed = keyWord;
    for (auto& c : plain)
        c = char(uchar(c) + RandomBelow(10));
    char header[4];
    qToLittleEndian<quint32>(keyWord + quint32(intKey), header);
    return QByteArray(header, 4) + plain;
}

class FileCipherTest : public ::testing::Test {
protected:
    void SetUp() override { cipher.setIntKey(kProgramIntKey); }
    QString db() const { return dir.file(kDb); }
    // No temporary file of the cipher is left in the folder.
    bool noTemporaryLeft() const { return QDir(dir.path()).entryList({kTemp + "*"}, QDir::Files).isEmpty(); }

    test::TempDir dir;
    test::FakeMessages messages;
    TCryptFile cipher{messages};
};

} // namespace

TEST_F(FileCipherTest, ScramblesAKnownVector)
{
    dir.write(kDb, "Lockwell");
    EncryptDatabaseFile(cipher, "abcdefg", db());
    EXPECT_EQ(dir.read(kDb).toHex(), "82f813684f746b6d7968706c");
    DecryptDatabaseFile(cipher, "abcd", db());
    EXPECT_EQ(dir.read(kDb), "Lockwell");
    EXPECT_TRUE(noTemporaryLeft());
    EXPECT_TRUE(messages.boxes.empty());
}

class FileCipherRoundTrip : public FileCipherTest, public testing::WithParamInterface<int> { };

TEST_P(FileCipherRoundTrip, ScramblesInPlaceAndBack)
{
    const QByteArray plain = test::randomBytes(GetParam(), 3);
    dir.write(kDb, plain);

    EncryptDatabaseFile(cipher, "Secret", db());
    const QByteArray expected = scrambled(plain, keyWordOf("Secr"));
    const quint32 stateAfterLastByte = RandomSeed;
    EXPECT_EQ(dir.read(kDb), expected);
    EXPECT_EQ(RandomSeed, stateAfterLastByte);
    EXPECT_TRUE(noTemporaryLeft());

    DecryptDatabaseFile(cipher, "Secret", db());
    EXPECT_EQ(dir.read(kDb), plain);
    EXPECT_TRUE(noTemporaryLeft());
}

INSTANTIATE_TEST_SUITE_P(Sizes, FileCipherRoundTrip, testing::Values(0, 1, 16383, 16384, 16385, 100000));

TEST_F(FileCipherTest, HeaderCarriesTheKeyWordOfTheKeyText)
{
    struct Case {
        QString password;
        quint32 keyWord;
    };
    const Case cases[] = {
        {"", 0},
        {"ab", 0x6261}, // padded with zero bytes
        {"abcd", 0x64636261},
        {QString::fromUtf8("\u00e9\u20acxy"), 0x797880e9}, // Windows-1252 bytes
        {QString::fromLatin1("a\0cd", 4), 0x61}, // stops at code 0
    };
    for (const Case& c : cases) {
        dir.write(kDb, "");
        cipher.setInfile(db());
        cipher.setOutfile(db());
        cipher.setPassword(c.password);
        cipher.Encrypt();
        EXPECT_EQ(qFromLittleEndian<quint32>(dir.read(kDb).constData()), c.keyWord + quint32(kProgramIntKey))
            << c.password.toStdString();
        EXPECT_EQ(RandomSeed, c.keyWord);
    }
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(FileCipherTest, KeyTextIsTheFirstFourCharactersPaddedWithCodeZero)
{
    EXPECT_EQ(KeyText(""), QString(4, QChar(0)));
    EXPECT_EQ(KeyText("ab"), QString::fromLatin1("ab\0\0", 4));
    EXPECT_EQ(KeyText("abcdefgh"), "abcd");
}

TEST_F(FileCipherTest, PasswordsSharingFourCharactersDescrambleEachOther)
{
    const QByteArray plain = test::randomBytes(20000, 5);
    dir.write(kDb, plain);
    EncryptDatabaseFile(cipher, "secret-one", db());
    DecryptDatabaseFile(cipher, "secretary", db());
    EXPECT_EQ(dir.read(kDb), plain);
}

TEST_F(FileCipherTest, DoubleScramblingNeedsTwoDescramblings)
{
    const QByteArray plain = test::randomBytes(5000, 6);
    dir.write(kDb, plain);
    EncryptDatabaseFile(cipher, "pass", db());
    EncryptDatabaseFile(cipher, "pass", db());
    EXPECT_EQ(dir.read(kDb), scrambled(scrambled(plain, keyWordOf("pass")), keyWordOf("pass")));
    DecryptDatabaseFile(cipher, "pass", db());
    EXPECT_EQ(dir.read(kDb), scrambled(plain, keyWordOf("pass")));
    DecryptDatabaseFile(cipher, "pass", db());
    EXPECT_EQ(dir.read(kDb), plain);
}

TEST_F(FileCipherTest, DescramblingAFileWithoutOurHeaderChangesNothing)
{
    const QByteArray plain = test::randomBytes(5000, 8);
    const struct {
        const char* what;
        QByteArray content;
    } cases[] = {
        {"plain file", plain},
        {"other key text", scrambled(plain, keyWordOf("abce"))},
        {"other integer key", scrambled(plain, keyWordOf("abcd"), 12345)},
        {"shorter than a header", "\x82\xf8\x13"},
        {"empty", ""},
    };
    for (const auto& c : cases) {
        dir.write(kDb, c.content);
        DecryptDatabaseFile(cipher, "abcd", db());
        EXPECT_EQ(dir.read(kDb), c.content) << c.what;
        EXPECT_TRUE(noTemporaryLeft()) << c.what;
    }
}

TEST_F(FileCipherTest, ReplacesATemporaryFileLeftByAnEarlierRun)
{
    dir.write(kTemp, test::randomBytes(50000, 9));
    dir.write(kDb, "short");
    EncryptDatabaseFile(cipher, "abcd", db());
    EXPECT_EQ(dir.read(kDb), scrambled("short", keyWordOf("abcd")));
    EXPECT_TRUE(noTemporaryLeft());
}

TEST_F(FileCipherTest, LeavesTheTemporaryFileOfARunInAnotherProcessAlone)
{
    // Another process is scrambling a database of this folder right now: its
    // temporary file is open and locked.
    dir.write(kTemp, "another database, half written");
    const int other = ::open(QFile::encodeName(dir.file(kTemp)).constData(), O_RDONLY);
    ASSERT_EQ(::flock(other, LOCK_EX), 0);

    dir.write(kDb, "short");
    EncryptDatabaseFile(cipher, "abcd", db());
    DecryptDatabaseFile(cipher, "abcd", db());
    EXPECT_EQ(dir.read(kDb), "short");
    EXPECT_EQ(dir.read(kTemp), "another database, half written");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);
    ::close(other);
}

TEST_F(FileCipherTest, KeepsThePermissionsOfTheFile)
{
    dir.write(kDb, "data");
    ASSERT_TRUE(QFile::setPermissions(db(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    const auto before = QFile::permissions(db());
    EncryptDatabaseFile(cipher, "abcd", db());
    EXPECT_EQ(QFile::permissions(db()), before);
}

TEST_F(FileCipherTest, SettersRefuseInvalidValuesAndKeepTheOldOnes)
{
    cipher.setPassword("ab");
    cipher.setIntKey(-2);
    cipher.setPassword("abcde");
    cipher.setIntKey(0);
    cipher.setIntKey(-1);
    EXPECT_EQ(cipher.Password(), "ab");
    EXPECT_EQ(cipher.IntKey(), -2);
    ASSERT_EQ(messages.boxes.size(), 3u);
    EXPECT_EQ(messages.boxes[0].kind, "plain");
    EXPECT_EQ(messages.texts(), QStringList({"Max. length 4 characters", "Value not allowed", "Value not allowed"}));
}

class FileCipherOverwrite : public FileCipherTest, public testing::WithParamInterface<bool> { };

TEST_P(FileCipherOverwrite, AsksBeforeReplacingAnotherFile)
{
    const bool yes = GetParam();
    dir.write("in.bin", "plain text");
    dir.write("out.bin", "old");
    cipher.setInfile(dir.file("in.bin"));
    cipher.setOutfile(dir.file("out.bin"));
    cipher.setPassword("abcd");
    messages.queueAnswer(yes);
    cipher.Encrypt();

    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].kind, "yesno");
    EXPECT_EQ(messages.boxes[0].text,
              "The target file : out.bin\ralready exists.\rAny data will be lost.\r\rProceed ?");
    EXPECT_EQ(dir.read("out.bin"), yes ? scrambled("plain text", keyWordOf("abcd")) : "old");
    EXPECT_EQ(dir.read("in.bin"), "plain text");
    EXPECT_TRUE(noTemporaryLeft());
}

INSTANTIATE_TEST_SUITE_P(Answers, FileCipherOverwrite, testing::Bool());

TEST_F(FileCipherTest, WritesANewTargetWithoutAsking)
{
    dir.write("in.bin", scrambled("plain text", keyWordOf("abcd")));
    cipher.setInfile(dir.file("in.bin"));
    cipher.setOutfile(dir.file("out.bin"));
    cipher.setPassword("abcd");
    cipher.Decrypt();
    EXPECT_EQ(dir.read("out.bin"), "plain text");
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(FileCipherTest, FailedWriteLeavesTheOriginalComplete)
{
    const QByteArray plain = test::randomBytes(50000, 10);
    const QByteArray scrambledFile = scrambled(plain, keyWordOf("abcd"));
    const struct {
        bool encrypt;
        qint64 limit;
    } cases[] = {
        {true, 0}, {true, 4}, {true, 20000}, {true, 50003}, {false, 0}, {false, 16384}, {false, 49999},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.encrypt ? "encrypt" : "decrypt") << " limit " << c.limit);
        const QByteArray original = c.encrypt ? plain : scrambledFile;
        dir.write(kDb, original);
        try {
            test::FileSizeLimit full(c.limit);
            c.encrypt ? EncryptDatabaseFile(cipher, "abcd", db()) : DecryptDatabaseFile(cipher, "abcd", db());
            ADD_FAILURE() << "no error";
        } catch (const Error& e) {
            EXPECT_TRUE(e.message().contains("The disk is full")) << e.message().toStdString();
            EXPECT_TRUE(e.message().contains(db())) << e.message().toStdString();
        }
        EXPECT_EQ(dir.read(kDb), original);
        EXPECT_TRUE(noTemporaryLeft());
    }
}

TEST_F(FileCipherTest, MissingFileIsAnErrorAndCreatesNothing)
{
    EXPECT_THROW(EncryptDatabaseFile(cipher, "abcd", db()), Error);
    EXPECT_THROW(DecryptDatabaseFile(cipher, "abcd", db()), Error);
    EXPECT_TRUE(noTemporaryLeft());
    EXPECT_FALSE(dir.exists(kDb));
}

TEST_F(FileCipherTest, RefusesToTransformTheTemporaryFileInPlace)
{
    dir.write(kTemp, "content");
    EXPECT_THROW(EncryptDatabaseFile(cipher, "abcd", dir.file(kTemp)), Error);
    EXPECT_EQ(dir.read(kTemp), "content");
}
