#include "ui/QtMessages.h"

#include "WhenModal.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>
#include <gtest/gtest.h>

namespace lw {
namespace {

using test::WhenModal;
using B = QMessageBox;

// What one kind of box looks like and how it answers Enter and Escape.
struct BoxCase {
    const char* name;
    std::function<QString(QtMessages&, const QString&)> ask; // the answer, as text
    B::Icon icon;
    B::StandardButtons buttons;
    QString onEnter;
    QString onEscape;
};

QString answerText(SaveAnswer a)
{
    return a == SaveAnswer::Yes ? "yes" : a == SaveAnswer::No ? "no" : "cancel";
}

const BoxCase kCases[] = {
    {"info",
     [](QtMessages& m, const QString& t) {
         m.ShowInfo(t);
         return QString("done");
     },
     B::Information, B::Ok, "done", "done"},
    {"plain",
     [](QtMessages& m, const QString& t) {
         m.ShowPlain(t);
         return QString("done");
     },
     B::NoIcon, B::Ok, "done", "done"},
    {"confirm", [](QtMessages& m, const QString& t) { return QString(m.Confirm(t) ? "yes" : "no"); }, B::Question,
     B::Yes | B::Cancel, "yes", "no"},
    {"yesno", [](QtMessages& m, const QString& t) { return QString(m.AskYesNo(t) ? "yes" : "no"); }, B::Warning,
     B::Yes | B::No, "yes", "no"},
    {"save", [](QtMessages& m, const QString& t) { return answerText(m.AskSave(t)); }, B::Question,
     B::Yes | B::No | B::Cancel, "yes", "cancel"},
    {"okcancel", [](QtMessages& m, const QString& t) { return QString(m.AskOkCancel(t) ? "ok" : "cancel"); },
     B::Question, B::Ok | B::Cancel, "ok", "cancel"},
};

class QtMessagesKinds : public ::testing::TestWithParam<BoxCase> { };

TEST_P(QtMessagesKinds, ShowsItsIconButtonsAndCaption)
{
    const BoxCase& c = GetParam();
    QWidget owner;
    QtMessages messages(&owner);
    B::Icon icon{};
    B::StandardButtons buttons;
    QString title, text;
    QWidget* parent = nullptr;
    WhenModal<B> look([&](B* box) {
        icon = box->icon();
        buttons = box->standardButtons();
        title = box->windowTitle();
        text = box->text();
        parent = box->parentWidget();
        QTest::keyClick(box, Qt::Key_Escape);
    });
    c.ask(messages, "Delete the group \"Mail\"?\nAll of it?");
    ASSERT_TRUE(look.ran());
    EXPECT_EQ(icon, c.icon);
    EXPECT_EQ(buttons, c.buttons);
    EXPECT_EQ(title, "Lockwell");
    EXPECT_EQ(text, "Delete the group \"Mail\"?\nAll of it?");
    EXPECT_EQ(parent, &owner);
}

TEST_P(QtMessagesKinds, EnterTakesTheDefaultAndEscapeTheWayOut)
{
    const BoxCase& c = GetParam();
    QtMessages messages;
    for (auto [key, expected] : {std::pair{Qt::Key_Return, c.onEnter}, std::pair{Qt::Key_Escape, c.onEscape}}) {
        WhenModal<B> press([key = key](B* box) { QTest::keyClick(box, key); });
        EXPECT_EQ(c.ask(messages, "Question"), expected) << "key " << key;
        EXPECT_TRUE(press.ran());
    }
}

INSTANTIATE_TEST_SUITE_P(Boxes, QtMessagesKinds, ::testing::ValuesIn(kCases),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(QtMessages, SaveQuestionAnswersNoWithItsButton)
{
    QtMessages messages;
    WhenModal<B> press([](B* box) { box->button(B::No)->click(); });
    EXPECT_EQ(messages.AskSave("Save Changes to this account?"), SaveAnswer::No);
}

TEST(QtMessages, TextIsShownAsTypedWithItsLineBreaks)
{
    // An account description may look like markup; it is shown literally.
    QtMessages messages;
    QString shown;
    WhenModal<B> look([&](B* box) {
        shown = box->textFormat() == Qt::PlainText ? box->text() : QString();
        box->button(B::Ok)->click();
    });
    messages.ShowInfo("Delete <b>Bank</b>?\r\nAll passwords in this group will also be deleted!");
    EXPECT_EQ(shown, "Delete <b>Bank</b>?\nAll passwords in this group will also be deleted!");
}

} // namespace
} // namespace lw
