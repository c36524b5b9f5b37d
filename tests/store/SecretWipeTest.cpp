#include "store/SecretWipe.h"
#include "store/DatabaseFileCipher.h"
#include "support/SessionFixture.h"

#include <gtest/gtest.h>

using namespace lw;

namespace {

// The buffer stays allocated (emptied) after a wipe, so it can be read back.
bool allZero(const QChar* begin, qsizetype n)
{
    return std::all_of(begin, begin + n, [](QChar c) { return c.unicode() == 0; });
}

TEST(SecretWipe, OverwritesABufferItHoldsAloneIncludingRoomLeftByALongerValue)
{
    QString text = QString::fromLatin1("correct horse battery staple");
    text.chop(20); // "correct " stays; the rest is still in the buffer
    const QChar* buffer = text.constData();
    const qsizetype room = text.capacity();
    WipeSecret(text);
    EXPECT_TRUE(text.isEmpty());
    EXPECT_EQ(text.constData(), buffer) << "the zeroed buffer stays with the value";
    EXPECT_TRUE(allZero(buffer, room));

    QByteArray bytes = QByteArray("key bytes");
    const char* raw = bytes.constData();
    const qsizetype size = bytes.size();
    WipeSecret(bytes);
    EXPECT_TRUE(bytes.isEmpty());
    EXPECT_TRUE(std::all_of(raw, raw + size, [](char c) { return c == 0; }));
}

TEST(SecretWipe, LeavesABufferOthersShareAndReadOnlyTexts)
{
    const QString kept = QString::fromLatin1("secret1");
    QString copy = kept;
    WipeSecret(copy);
    EXPECT_TRUE(copy.isEmpty());
    EXPECT_EQ(kept, "secret1");

    QString literal = QStringLiteral("in the program's image");
    WipeSecret(literal);
    EXPECT_TRUE(literal.isEmpty());
    QString none;
    WipeSecret(none);
    EXPECT_TRUE(none.isEmpty());
}

using MasterPasswordCopies = test::SessionFixture;

// The session keeps a copy of its own, so the box the password was typed
// into can be wiped without touching it.
TEST_F(MasterPasswordCopies, TheSessionKeepsItsOwnCopyAndTheTypedOneCanBeWiped)
{
    QString typed = QString::fromLatin1("secret1");
    const QChar* typedBuffer = typed.constData();
    session.OpenDatabase(typed);
    WipeSecret(typed);
    EXPECT_TRUE(allZero(typedBuffer, 7)) << "the typed text shares its buffer with a copy the program keeps";
    EXPECT_EQ(session.CurrentMasterPassword(), "secret1");
    session.CloseDatabase();
    session.OpenDatabase("secret1"); // scrambled at the close with the kept password
    EXPECT_TRUE(session.isOpen());
    session.CloseDatabase();
}

TEST_F(MasterPasswordCopies, AScrambleRunKeepsNoTraceOfItsKeyText)
{
    session.OpenDatabase("secret1");
    session.CloseDatabase();
    EXPECT_TRUE(cipher.Password().isEmpty()) << "the cipher still holds the password's first characters";
    session.OpenDatabase("secret1");
    EXPECT_TRUE(cipher.Password().isEmpty());
    session.CloseDatabase();
}

} // namespace
