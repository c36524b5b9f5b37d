#include "ui/widgets/NullableDateEdit.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using lw::NullableDateEdit;

namespace {

QString shownText(const NullableDateEdit& edit)
{
    return edit.editor()->findChild<QLineEdit*>()->text().trimmed();
}

TEST(NullableDateEdit, StartsBlank)
{
    NullableDateEdit edit;
    EXPECT_TRUE(edit.date().isNull());
    EXPECT_TRUE(edit.isBlank());
    EXPECT_EQ(shownText(edit), "");
}

TEST(NullableDateEdit, GoesFromBlankToADateAndBack)
{
    NullableDateEdit edit;
    for (QDate date : {QDate(2024, 2, 29), QDate(1999, 12, 31), QDate(2038, 1, 19)}) {
        edit.setDate(date);
        EXPECT_EQ(edit.date(), date);
        EXPECT_EQ(shownText(edit), date.toString("MM/dd/yyyy"));
        edit.setDate(QDate());
        EXPECT_TRUE(edit.date().isNull());
        EXPECT_EQ(shownText(edit), "");
    }
}

TEST(NullableDateEdit, SettingTheDateInCodeIsNoUserEdit)
{
    NullableDateEdit edit;
    QSignalSpy edited(&edit, &NullableDateEdit::dateEdited);
    edit.setDate(QDate(2024, 5, 1));
    edit.setDate(QDate(2024, 5, 2));
    edit.setDate(QDate());
    EXPECT_EQ(edited.count(), 0);
}

class NullableDateEditClearKey : public ::testing::TestWithParam<Qt::Key> { };

TEST_P(NullableDateEditClearKey, BlanksTheWholeDateAsAUserEdit)
{
    NullableDateEdit edit;
    edit.setDate(QDate(2024, 5, 1));
    QSignalSpy edited(&edit, &NullableDateEdit::dateEdited);
    QTest::keyClick(edit.editor(), GetParam());
    EXPECT_TRUE(edit.date().isNull());
    EXPECT_EQ(shownText(edit), "");
    ASSERT_EQ(edited.count(), 1);
    EXPECT_TRUE(edited.at(0).at(0).toDate().isNull());

    QTest::keyClick(edit.editor(), GetParam());
    EXPECT_EQ(edited.count(), 1) << "a blank edit stays blank without a new report";
}

INSTANTIATE_TEST_SUITE_P(Keys, NullableDateEditClearKey, ::testing::Values(Qt::Key_Delete, Qt::Key_Backspace),
                         [](const auto& testInfo) {
                             return testInfo.param == Qt::Key_Delete ? "Delete" : "Backspace";
                         });

TEST(NullableDateEdit, APickFromTheCalendarIsAUserEdit)
{
    NullableDateEdit edit;
    QSignalSpy edited(&edit, &NullableDateEdit::dateEdited);
    edit.editor()->calendarWidget()->setSelectedDate(QDate(2025, 7, 4));
    EXPECT_EQ(edit.date(), QDate(2025, 7, 4));
    ASSERT_EQ(edited.count(), 1);
    EXPECT_EQ(edited.at(0).at(0).toDate(), QDate(2025, 7, 4));
}

TEST(NullableDateEdit, StepKeysChangeTheDateAsAUserEdit)
{
    NullableDateEdit edit;
    edit.setDate(QDate(2024, 3, 15));
    QSignalSpy edited(&edit, &NullableDateEdit::dateEdited);
    QTest::keyClick(edit.editor(), Qt::Key_Up);
    ASSERT_EQ(edited.count(), 1);
    EXPECT_EQ(edited.at(0).at(0).toDate(), edit.date());
    EXPECT_EQ(edit.date(), QDate(2024, 4, 15)) << "the month comes first";
}

TEST(NullableDateEdit, TypingIntoABlankEditEntersADate)
{
    NullableDateEdit edit;
    QSignalSpy edited(&edit, &NullableDateEdit::dateEdited);
    QTest::keyClicks(edit.editor(), "07042030");
    EXPECT_EQ(edit.date(), QDate(2030, 7, 4));
    ASSERT_GE(edited.count(), 1);
    EXPECT_EQ(edited.last().at(0).toDate(), QDate(2030, 7, 4));
}

TEST(NullableDateEdit, ABlankEditOpensItsCalendarOnTodaysMonthAndStaysBlankWhenDismissed)
{
    NullableDateEdit edit;
    edit.resize(140, 24);
    edit.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&edit));
    QSignalSpy edited(&edit, &NullableDateEdit::dateEdited);
    QDateEdit* editor = edit.editor();
    QTest::mouseClick(editor, Qt::LeftButton, {}, QPoint(editor->width() - 6, editor->height() / 2));
    QCalendarWidget* calendar = editor->calendarWidget();
    ASSERT_TRUE(calendar->isVisible()) << "the drop-down opened";
    EXPECT_EQ(calendar->yearShown(), QDate::currentDate().year());
    EXPECT_EQ(calendar->monthShown(), QDate::currentDate().month());

    calendar->window()->close();
    EXPECT_TRUE(edit.date().isNull());
    EXPECT_EQ(edited.count(), 0);
}

TEST(NullableDateEdit, TheCalendarsHeadingShowsThePickedDayInItsFormat)
{
    NullableDateEdit edit;
    edit.setHeadingFormat("dddd, MMMM dd, yyyy");
    edit.setDate(QDate(2001, 3, 5));
    edit.resize(140, 24);
    edit.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&edit));
    QDateEdit* editor = edit.editor();
    QTest::mouseClick(editor, Qt::LeftButton, {}, QPoint(editor->width() - 6, editor->height() / 2));
    QCalendarWidget* calendar = editor->calendarWidget();
    ASSERT_TRUE(calendar->isVisible()) << "the drop-down opened";
    QStringList shown;
    for (QLabel* l : calendar->findChildren<QLabel*>())
        if (l->isVisible())
            shown << l->text();
    for (QToolButton* b : calendar->findChildren<QToolButton*>())
        if (b->isVisible() && !b->text().isEmpty())
            shown << b->text();
    calendar->setSelectedDate(QDate(2001, 3, 9));
    const QString afterMove = edit.heading();
    calendar->window()->close();
    EXPECT_EQ(shown, QStringList{"Monday, March 05, 2001"});
    EXPECT_EQ(afterMove, "Friday, March 09, 2001");
}

} // namespace
