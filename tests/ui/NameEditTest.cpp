#include "ui/widgets/NameEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QTest>
#include <gtest/gtest.h>

using lw::NameEdit;

namespace {

struct Typing {
    const char* name;
    bool autoCase;
    QString keys; // typed one character at a time
    QString shown; // the edit's text afterwards
};

void PrintTo(const Typing& c, std::ostream* os)
{
    *os << c.name;
}

class NameEditTyping : public ::testing::TestWithParam<Typing> { };

// Types each character as a key press of its own; the test keyboard only
// knows ASCII keys, so other characters come as text of an unknown key.
void type(QWidget* w, const QString& keys)
{
    for (QChar c : keys) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(w, char(c.unicode()));
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
        QApplication::sendEvent(w, &release);
    }
}

TEST_P(NameEditTyping, FiltersAndCasesWhatIsTyped)
{
    const Typing& t = GetParam();
    NameEdit edit;
    edit.setAutoCase(t.autoCase);
    edit.show();
    type(&edit, t.keys);
    EXPECT_EQ(edit.text(), t.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NameEditTyping,
    ::testing::Values(Typing{"WordsGetCapitals", true, "email accounts", "Email Accounts"},
                      Typing{"ApostropheHyphenAndSlashStartWords", true, "o'neil-smith/home", "O'Neil-Smith/Home"},
                      Typing{"AutoCaseOffKeepsTheText", false, "o'neil-smith/home", "o'neil-smith/home"},
                      Typing{"DoubleQuoteIsDropped", true, "say \"hi\"", "Say Hi"},
                      Typing{"DoubleQuoteIsDroppedWithoutAutoCase", false, "a\"b", "ab"},
                      Typing{"AccentedAndUpperLatinDropped", true, QString::fromUtf8("caf\u00e9 \u00fcber\u00a0x"),
                             "Caf Berx"},
                      Typing{"OnlyLettersAToZAreRaised", true, "3rd floor_x.y", "3rd Floor_x.y"},
                      Typing{"CapitalsStayCapitals", true, "ABC dEF", "ABC DEF"},
                      Typing{"EveryPrintableButTheQuoteGoesIn", false, "!#$%&'()*+,-./09:;<=>?@AZ[\\]^_`az{|}~",
                             "!#$%&'()*+,-./09:;<=>?@AZ[\\]^_`az{|}~"}),
    [](const ::testing::TestParamInfo<Typing>& testInfo) { return std::string(testInfo.param.name); });

TEST(NameEdit, ControlCharactersAreDroppedButBackspaceWorks)
{
    NameEdit edit;
    edit.show();
    QTest::keyClicks(&edit, "abx");
    QTest::keyClick(&edit, Qt::Key_Backspace);
    for (const char* control : {"\x01", "\x07", "\x1f", "\x7f"}) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromLatin1(control));
        QApplication::sendEvent(&edit, &press);
    }
    QTest::keyClicks(&edit, "c");
    EXPECT_EQ(edit.text(), "Abc");
}

TEST(NameEdit, CaseFollowsTheCharacterBeforeTheCaretNotTheEndOfTheText)
{
    NameEdit edit;
    edit.show();
    QTest::keyClicks(&edit, "Ann");
    QTest::keyClick(&edit, Qt::Key_Home);
    QTest::keyClicks(&edit, "m");
    EXPECT_EQ(edit.text(), "MAnn");

    edit.setText("big-top");
    edit.setCursorPosition(4); // right after the hyphen
    QTest::keyClicks(&edit, "x");
    edit.setCursorPosition(2);
    QTest::keyClicks(&edit, "y");
    EXPECT_EQ(edit.text(), "biyg-Xtop");

    edit.setText("old name");
    edit.selectAll(); // a selection is replaced from its start
    QTest::keyClicks(&edit, "new");
    EXPECT_EQ(edit.text(), "New");
}

TEST(NameEdit, PastedTextGoesInAsItIs)
{
    NameEdit edit;
    edit.setMaxLength(50);
    edit.show();
    QApplication::clipboard()->setText("the \"best\" caf\u00e9");
    edit.paste();
    EXPECT_EQ(edit.text(), QString::fromUtf8("the \"best\" caf\u00e9"));
}

TEST(NameEdit, TrimBlanksRemovesBlanksAndControlCharactersAtBothEnds)
{
    EXPECT_EQ(lw::TrimBlanks(" \t\x01 Email  Accounts \r\n"), "Email  Accounts");
    EXPECT_EQ(lw::TrimBlanks("   "), "");
    EXPECT_EQ(lw::TrimBlanks(QString::fromUtf8("\u00a0x\u00a0")), QString::fromUtf8("\u00a0x\u00a0"));
}

} // namespace
