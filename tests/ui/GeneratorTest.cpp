#include "MainWindowFixture.h"

#include "WhenModal.h"
#include "records/PasswordStrength.h"
#include "store/Connection.h"
#include "ui/dialogs/TfrmGenerate.h"
#include "ui/main/MainControls.h"
#include "ui/widgets/PictureButton.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QToolButton>
#include <cmath>
#include <deque>

using namespace lw;
using lw::test::MainWindowTest;
using lw::test::WhenModal;

namespace {

QStringList shippedWords()
{
    QFile file(":/words/TXTWORDS.txt");
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return PasswordGenerator::splitWords(QString::fromLatin1(file.readAll()));
}

// Draws given in advance, then 0 for ever.
DrawBelow scripted(std::vector<quint32> values)
{
    auto queue = std::make_shared<std::deque<quint32>>(values.begin(), values.end());
    return [queue](quint32) {
        if (queue->empty())
            return quint32(0);
        const quint32 v = queue->front();
        queue->pop_front();
        return v;
    };
}

QString bitsText(double bits)
{
    return ExactStrengthText(bits);
}

const QStringList kGeneratorKeys{"Easy", "Length", "Case", "Letter", "Number", "Special"};

class GeneratorTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        createDatabase("work.pdb", "secret1");
    }

    // One account in the first group, current; a null password when none is given.
    void addAccount(const QString& password = QString())
    {
        Connection& db = main->session().connection();
        if (password.isNull())
            db.exec("INSERT INTO Passwords (GroupID, Description) VALUES (1, 'mail');");
        else
            db.exec("INSERT INTO Passwords (GroupID, Description, Password) VALUES (1, 'mail', '" + password + "');");
        main->DM().qryGroups.refresh();
        main->DM().qryPasswords.refresh();
        ASSERT_EQ(main->DM().qryPasswords.recordCount(), 1);
    }

    void setPrompt(const QVariant& prompt)
    {
        Dataset& options = main->DM().qryOptions;
        options.edit();
        options.setValue("promptpassword", prompt);
        options.post();
    }

    QVariant storedPassword() const
    {
        return main->session().connection().scalar("select Password from Passwords where Description = 'mail'");
    }
    QVariant accountPassword() const { return main->DM().qryPasswords.value("Password"); }
    bool settingsWritten() const
    {
        for (const QString& key : kGeneratorKeys)
            if (settings.readString("Generator", key, "none") != "none")
                return true;
        return false;
    }
};

TEST_F(GeneratorTest, TheGenerateButtonOpensTheDialogOnTheCurrentAccount)
{
    addAccount("old pw");
    QString title, loaded, box, length, easyHeading, hardHeading;
    QStringList types, cases;
    bool hardHasFocus = false, letter = false, number = false, special = true;
    QWidget* parent = nullptr;
    modal.then<TfrmGenerate>([&](TfrmGenerate& d) {
        title = d.windowTitle();
        loaded = d.LoadedPassword();
        box = d.txtPassword->text();
        length = d.txtLength->text();
        easyHeading = d.pnlEasy->text();
        hardHeading = d.pnlHard->text();
        for (int i = 0; i < d.RGType->count(); ++i)
            types << d.RGType->item(i)->text() + (d.RGType->item(i)->isChecked() ? "*" : "");
        for (int i = 0; i < d.RGCase->count(); ++i)
            cases << d.RGCase->item(i)->text() + (d.RGCase->item(i)->isChecked() ? "*" : "");
        letter = d.chkLetter->isChecked();
        number = d.chkNumber->isChecked();
        special = d.chkSpecial->isChecked();
        hardHasFocus = d.focusWidget() == d.cmdHard;
        parent = d.parentWidget();
        d.cmdCancel->click();
    });
    main->ui().cmdPassword->click();

    EXPECT_EQ(title, " Password Generator");
    EXPECT_EQ(loaded, "old pw");
    EXPECT_EQ(box, "old pw");
    EXPECT_EQ(length, "6");
    EXPECT_EQ(easyHeading, "Easier to Remember");
    EXPECT_EQ(hardHeading, "Harder to Remember");
    EXPECT_EQ(types, (QStringList{"Word + digit*", "Word + digit + Word", "Word Only"}));
    EXPECT_EQ(cases, (QStringList{"Lower*", "Mixed", "Upper"}));
    EXPECT_TRUE(letter);
    EXPECT_TRUE(number);
    EXPECT_FALSE(special);
    EXPECT_TRUE(hardHasFocus);
    EXPECT_EQ(parent, main.get());
    EXPECT_FALSE(settingsWritten());
    EXPECT_EQ(main->DM().qryPasswords.state(), Dataset::State::Browse);
}

TEST_F(GeneratorTest, WithoutAnAccountTheButtonOpensNothing)
{
    ASSERT_TRUE(main->DM().qryPasswords.isEmpty());
    WhenModal<TfrmGenerate> opened([](TfrmGenerate* d) { d->reject(); });
    main->cmdPasswordClick();
    EXPECT_FALSE(opened.ran());
    EXPECT_EQ(main->DM().qryPasswords.state(), Dataset::State::Browse);
}

TEST_F(GeneratorTest, EasyPasswordsComeFromTheBuiltInWordList)
{
    addAccount();
    const QStringList words = shippedWords();
    const quint32 last = quint32(words.size() - 1);
    const double wordBits = std::log2(double(words.size()));
    struct Case {
        int type;
        std::vector<quint32> draws;
        QString text;
        double bits;
    };
    const Case cases[] = {
        {0, {0, 8}, words.first() + "8", wordBits + std::log2(9.0)},
        {1, {1, 0, last}, words.at(1) + "0" + words.last(), 2 * wordBits + std::log2(9.0)},
        {2, {last}, words.last(), wordBits},
    };
    for (const Case& c : cases) {
        TfrmGenerate d(main.get(), main->DM(), main->services(), scripted(c.draws));
        d.RGType->setItemIndex(c.type);
        d.chkLetter->setChecked(false); // the hard half plays no part
        d.txtLength->setText("42");
        d.cmdCreateEasy->click();
        EXPECT_EQ(d.txtPassword->text(), c.text) << c.type;
        EXPECT_EQ(d.lblStrength->text(), bitsText(c.bits)) << c.type;
    }
}

TEST_F(GeneratorTest, AWordAndDigitNeverEndsInNine)
{
    addAccount();
    TfrmGenerate d(main.get(), main->DM(), main->services());
    for (int i = 0; i < 300; ++i) {
        d.cmdCreateEasy->click();
        const QString text = d.txtPassword->text();
        ASSERT_TRUE(QRegularExpression("^[a-z]{4,6}[0-8]$").match(text).hasMatch()) << text.toStdString();
    }
}

struct HardCase {
    const char* name;
    bool letter, number, special;
    int letterCase;
    const char* length;
    const char* pattern;
};

const HardCase kHardCases[] = {
    {"DigitsOnly99", false, true, false, 0, "99", "^[0-9]{99}$"},
    {"OneCharacter", true, true, true, 1, "1", "^[!-~]$"},
    {"UpperOnly", true, false, false, 2, "40", "^[A-Z]{40}$"},
    {"LowerOnly", true, false, false, 0, "40", "^[a-z]{40}$"},
    {"MixedBothCases", true, false, false, 1, "99", "^(?=.*[a-z])(?=.*[A-Z])[A-Za-z]{99}$"},
    {"SpecialOnly", false, false, true, 1, "60", "^[!-/:-@\\[-`{-~]{60}$"},
    {"ZeroLength", true, true, true, 1, "0", "^$"},
};

class GeneratorHardCases : public GeneratorTest, public ::testing::WithParamInterface<HardCase> { };

TEST_P(GeneratorHardCases, HardPasswordsFollowTheChosenClassesCaseAndLength)
{
    const HardCase& c = GetParam();
    addAccount();
    TfrmGenerate d(main.get(), main->DM(), main->services());
    d.chkLetter->setChecked(c.letter);
    d.chkNumber->setChecked(c.number);
    d.chkSpecial->setChecked(c.special);
    d.RGCase->setItemIndex(c.letterCase);
    d.txtLength->setText(c.length);
    d.cmdHard->click();
    const QString text = d.txtPassword->text();
    EXPECT_TRUE(QRegularExpression(c.pattern).match(text).hasMatch()) << text.toStdString();
    const CharacterClasses classes{c.letter, c.number, c.special};
    EXPECT_EQ(d.lblStrength->text(),
              bitsText(PasswordGenerator::hardBits(classes, LetterCase(c.letterCase), QString(c.length).toInt())));
    EXPECT_TRUE(messages.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(Choices, GeneratorHardCases, ::testing::ValuesIn(kHardCases),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST_F(GeneratorTest, HardWithNoClassTickedSaysSoAndKeepsTheBox)
{
    addAccount("old pw");
    TfrmGenerate d(main.get(), main->DM(), main->services());
    for (QCheckBox* b : {d.chkLetter, d.chkNumber, d.chkSpecial})
        b->setChecked(false);
    d.cmdHard->click();
    EXPECT_EQ(messages.texts(),
              QStringList{"Please specify any combination of letters, numbers or special characters"});
    EXPECT_EQ(messages.boxes.at(0).kind, "info");
    EXPECT_EQ(d.txtPassword->text(), "old pw");
}

TEST_F(GeneratorTest, ALengthThatIsNotANumberIsReportedAndNothingIsMade)
{
    addAccount("old pw");
    TfrmGenerate d(main.get(), main->DM(), main->services());
    d.show();
    d.txtLength->clear();
    QTest::keyClicks(d.txtLength, "x-"); // the box takes digits only
    EXPECT_EQ(d.txtLength->text(), "");
    QString text;
    QMessageBox::Icon icon{};
    WhenModal<QMessageBox> box([&](QMessageBox* b) {
        text = b->text();
        icon = b->icon();
        b->button(QMessageBox::Ok)->click();
    });
    d.cmdHard->click();
    EXPECT_TRUE(box.ran());
    EXPECT_EQ(text, "'' is not a valid integer value");
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(d.txtPassword->text(), "old pw");
    EXPECT_TRUE(d.isVisible());
}

TEST_F(GeneratorTest, TheArrowsStepTheLengthBetweenOneAndNinetyNine)
{
    addAccount();
    TfrmGenerate d(main.get(), main->DM(), main->services());
    d.txtLength->setText("98");
    d.UpDownLength->upArrow->click();
    d.UpDownLength->upArrow->click();
    EXPECT_EQ(d.txtLength->text(), "99");
    d.txtLength->setText("2");
    d.UpDownLength->downArrow->click();
    d.UpDownLength->downArrow->click();
    EXPECT_EQ(d.txtLength->text(), "1");
    d.txtLength->clear();
    d.UpDownLength->upArrow->click();
    EXPECT_EQ(d.txtLength->text(), "2");
}

TEST_F(GeneratorTest, OkWritesTheNewPasswordIntoTheAccountWithoutAskingEvenWithTheSaveWarningOn)
{
    addAccount(); // no password yet: no question, whatever the options say
    setPrompt(true);
    main->flags().WarnBeforeSave = true;
    TfrmGenerate d(main.get(), main->DM(), main->services());
    d.show();
    d.txtLength->setText("12");
    d.cmdHard->click();
    const QString generated = d.txtPassword->text();
    ASSERT_EQ(generated.size(), 12);
    d.cmdOK->click();

    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_FALSE(d.isVisible());
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_EQ(accountPassword().toString(), generated);
    EXPECT_EQ(main->ui().txtPassword->text(), generated);
    // Left being edited, so Undo and the save button can still act on it.
    EXPECT_EQ(main->DM().qryPasswords.state(), Dataset::State::Edit);
    EXPECT_TRUE(main->ui().cmdSaveMemo->isEnabled());
    EXPECT_EQ(settings.readInt("Generator", "Length", 0), 12);

    messages.queueSave(SaveAnswer::Yes);
    main->ui().cmdSaveMemo->click();
    EXPECT_EQ(messages.texts(), QStringList{"Save Changes to this account?"});
    EXPECT_EQ(storedPassword().toString(), generated);
}

struct ReplaceCase {
    const char* name;
    QVariant prompt;
    int answer; // -1: no question; 0 Cancel; 1 Yes
    bool written;
};

const ReplaceCase kReplaceCases[] = {
    {"PromptYes", true, 1, true},
    {"PromptCancel", true, 0, false},
    {"NoPrompt", false, -1, true},
    {"PromptNull", QVariant(), -1, true},
};

class GeneratorReplaceCases : public GeneratorTest, public ::testing::WithParamInterface<ReplaceCase> { };

TEST_P(GeneratorReplaceCases, ReplacingAPasswordAsksWhenTheOptionsSaySo)
{
    const ReplaceCase& c = GetParam();
    addAccount("old \"pw\"");
    setPrompt(c.prompt);
    if (c.answer >= 0)
        messages.queueAnswer(c.answer == 1);
    TfrmGenerate d(main.get(), main->DM(), main->services(), scripted({5, 3}));
    d.show();
    d.cmdCreateEasy->click();
    const QString generated = d.txtPassword->text();
    d.cmdOK->click();

    if (c.answer >= 0) {
        ASSERT_EQ(messages.boxes.size(), 1u);
        EXPECT_EQ(messages.boxes[0].kind, "confirm");
        EXPECT_EQ(messages.boxes[0].text, "Are you sure you want to replace the current password: \"old \"pw\"\" ?");
    } else {
        EXPECT_TRUE(messages.boxes.empty());
    }
    EXPECT_EQ(accountPassword().toString(), c.written ? generated : "old \"pw\"");
    EXPECT_EQ(main->DM().qryPasswords.state(), c.written ? Dataset::State::Edit : Dataset::State::Browse);
    EXPECT_EQ(d.isVisible(), !c.written);
    EXPECT_EQ(d.txtPassword->text(), generated);
    EXPECT_EQ(settingsWritten(), c.written);
    EXPECT_EQ(storedPassword().toString(), "old \"pw\"");
}

INSTANTIATE_TEST_SUITE_P(Options, GeneratorReplaceCases, ::testing::ValuesIn(kReplaceCases),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST_F(GeneratorTest, OkOnAnUntouchedDialogWritesNothingButKeepsTheChoices)
{
    addAccount("old pw");
    TfrmGenerate d(main.get(), main->DM(), main->services());
    d.show();
    d.chkSpecial->setChecked(true);
    d.cmdOK->click();
    EXPECT_FALSE(d.isVisible());
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_EQ(main->DM().qryPasswords.state(), Dataset::State::Browse);
    EXPECT_TRUE(settings.readBool("Generator", "Special", false));
}

TEST_F(GeneratorTest, TheBoxIsWrittenUntrimmedButBlanksAloneCountAsEmpty)
{
    addAccount();
    setPrompt(false);
    TfrmGenerate d(main.get(), main->DM(), main->services());
    d.show();
    d.txtPassword->setText(" \t ");
    d.cmdOK->click();
    EXPECT_EQ(messages.texts(),
              QStringList{"No Password has been generated. Please generate a password or press Cancel"});
    EXPECT_EQ(messages.boxes.at(0).kind, "plain");
    EXPECT_TRUE(d.isVisible());
    EXPECT_FALSE(settingsWritten());
    EXPECT_TRUE(accountPassword().isNull());

    d.txtPassword->setText("tiger4 ");
    d.cmdOK->click();
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(accountPassword().toString(), "tiger4 ");
}

TEST_F(GeneratorTest, EscapeClosesWithoutWritingTheAccountOrTheSettings)
{
    addAccount("old pw");
    bool closed = false;
    modal.then<TfrmGenerate>([&](TfrmGenerate& d) {
        d.cmdHard->click();
        d.chkSpecial->setChecked(true);
        d.txtLength->setText("20");
        QTest::keyClick(d.txtPassword, Qt::Key_Escape);
        closed = !d.isVisible();
    });
    main->cmdPasswordClick();
    EXPECT_TRUE(closed);
    EXPECT_EQ(main->DM().qryPasswords.state(), Dataset::State::Browse);
    EXPECT_EQ(accountPassword().toString(), "old pw");
    EXPECT_FALSE(settingsWritten());
}

struct StoredCase {
    const char* name;
    int easy, length, letterCase;
    bool letter, number, special;
    int shownEasy;
    const char* shownLength;
    int shownCase;
};

const StoredCase kStoredCases[] = {
    {"InRange", 2, 12, 1, false, true, true, 2, "12", 1},
    {"Limits", 1, 99, 2, true, false, false, 1, "99", 2},
    {"LengthOne", 0, 1, 0, true, true, false, 0, "1", 0},
    {"OutOfRangeLow", -1, 0, -1, true, true, false, 0, "6", 0},
    {"OutOfRangeHigh", 3, 100, 3, false, false, true, 0, "6", 0},
};

class GeneratorSettingsCases : public GeneratorTest, public ::testing::WithParamInterface<StoredCase> { };

TEST_P(GeneratorSettingsCases, StoredChoicesAreShownWhenInRangeAndWrittenBackOnOk)
{
    const StoredCase& c = GetParam();
    addAccount("old pw");
    settings.writeInt("Generator", "Easy", c.easy);
    settings.writeInt("Generator", "Length", c.length);
    settings.writeInt("Generator", "Case", c.letterCase);
    settings.writeBool("Generator", "Letter", c.letter);
    settings.writeBool("Generator", "Number", c.number);
    settings.writeBool("Generator", "Special", c.special);

    TfrmGenerate d(main.get(), main->DM(), main->services());
    EXPECT_EQ(d.RGType->itemIndex(), c.shownEasy);
    EXPECT_EQ(d.txtLength->text(), c.shownLength);
    EXPECT_EQ(d.RGCase->itemIndex(), c.shownCase);
    EXPECT_EQ(d.chkLetter->isChecked(), c.letter);
    EXPECT_EQ(d.chkNumber->isChecked(), c.number);
    EXPECT_EQ(d.chkSpecial->isChecked(), c.special);

    d.show();
    d.cmdOK->click(); // the box still holds the account's password
    EXPECT_EQ(settings.readInt("Generator", "Easy", -9), c.shownEasy);
    EXPECT_EQ(settings.readInt("Generator", "Length", -9), QString(c.shownLength).toInt());
    EXPECT_EQ(settings.readInt("Generator", "Case", -9), c.shownCase);
    EXPECT_EQ(settings.readBool("Generator", "Letter", !c.letter), c.letter);
    EXPECT_EQ(settings.readBool("Generator", "Number", !c.number), c.number);
    EXPECT_EQ(settings.readBool("Generator", "Special", !c.special), c.special);
}

INSTANTIATE_TEST_SUITE_P(Stored, GeneratorSettingsCases, ::testing::ValuesIn(kStoredCases),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST_F(GeneratorTest, ChoicesMadeInOneDialogAreThereInTheNext)
{
    addAccount("old pw");
    {
        TfrmGenerate d(main.get(), main->DM(), main->services());
        d.show();
        d.RGType->setItemIndex(1);
        d.RGCase->setItemIndex(2);
        d.chkLetter->setChecked(false);
        d.chkSpecial->setChecked(true);
        d.txtLength->setText("17");
        d.cmdOK->click();
    }
    TfrmGenerate next(main.get(), main->DM(), main->services());
    EXPECT_EQ(next.RGType->itemIndex(), 1);
    EXPECT_EQ(next.RGCase->itemIndex(), 2);
    EXPECT_FALSE(next.chkLetter->isChecked());
    EXPECT_TRUE(next.chkNumber->isChecked());
    EXPECT_TRUE(next.chkSpecial->isChecked());
    EXPECT_EQ(next.txtLength->text(), "17");
}

TEST_F(GeneratorTest, CopyPutsTheWholePasswordOnTheClipboard)
{
    addAccount("old pw");
    TfrmGenerate d(main.get(), main->DM(), main->services(), scripted({0, 7}));
    d.show();
    d.cmdCreateEasy->click();
    d.txtPassword->setCursorPosition(2);
    d.cmdCopy->click();
    EXPECT_EQ(QApplication::clipboard()->text(), shippedWords().first() + "7");
    EXPECT_EQ(QApplication::clipboard()->mimeData()->data("x-kde-passwordManagerHint"), "secret");
    EXPECT_EQ(d.txtPassword->selectedText(), d.txtPassword->text());
    EXPECT_EQ(d.cmdCopy->toolTip(), "Copy Password to ClipBoard");
}

TEST_F(GeneratorTest, TheStrengthFollowsTheTextAsItIsTyped)
{
    addAccount();
    TfrmGenerate d(main.get(), main->DM(), main->services());
    d.show();
    EXPECT_EQ(d.lblStrength->text(), "Strength: 0 bits");
    QTest::keyClicks(d.txtPassword, "aB3");
    EXPECT_EQ(d.lblStrength->text(), TypedStrengthText("aB3"));
    d.chkLetter->setChecked(false);
    d.chkSpecial->setChecked(false);
    d.txtLength->setText("10");
    d.cmdHard->click();
    EXPECT_EQ(d.lblStrength->text(), "Strength: 33 bits (weak)"); // 10 x log2 10, exact
    QTest::keyClick(d.txtPassword, Qt::Key_Backspace);
    EXPECT_EQ(d.lblStrength->text(), TypedStrengthText(d.txtPassword->text()));
    EXPECT_TRUE(d.lblStrength->text().startsWith("Strength: about "));
}

TEST(GeneratorWordList, IsDistinctSortedWordsOfFourToSixLettersEndedByCrLf)
{
    QFile file(":/words/TXTWORDS.txt");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_TRUE(bytes.endsWith("\r\n"));
    const QList<QByteArray> lines = bytes.chopped(2).split('\n');
    EXPECT_GT(lines.size(), 10000);
    const QRegularExpression word("^[a-z]{4,6}\r$");
    for (qsizetype i = 0; i < lines.size(); ++i) {
        ASSERT_TRUE(word.match(QString::fromLatin1(i + 1 < lines.size() ? lines[i] : lines[i] + "\r")).hasMatch())
            << "line " << i + 1;
        if (i > 0) {
            ASSERT_LT(lines[i - 1], lines[i]) << "line " << i + 1;
        }
    }
    const QStringList words = shippedWords();
    EXPECT_EQ(words.size(), lines.size());
    for (const char* unwanted : {"fuck", "shit", "nigger", "penis", "heroin", "murder", "sexy"})
        EXPECT_FALSE(words.contains(unwanted)) << unwanted;
}

} // namespace
