// The group box, the account grid and the account page always show the data
// module's current rows, whatever the save question answers.
#include "MainWindowFixture.h"

#include "store/Connection.h"
#include "ui/main/MainControls.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QSignalSpy>
#include <QTest>

using namespace lw;
using lw::test::MainWindowTest;

namespace {

class CurrentRowTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        createDatabase("rows.pdb", "secret1");
        main->session().connection().exec("INSERT INTO Passwords (GroupID, Description) VALUES "
                                          "(1, 'Bank Of America2'), (1, 'Bills'), (1, 'Club'), (3, 'Misc one');");
        main->DM().qryPasswords.refresh();
        main->flags().WarnBeforeSave = true;
    }

    Dataset& accounts() { return main->DM().qryPasswords; }
    QString current() { return accounts().value("Description").toString(); }
    int rowOf(const QString& description)
    {
        for (int r = 0; r < accounts().recordCount(); ++r)
            if (accounts().valueAt(r, "Description").toString() == description)
                return r;
        return -1;
    }
    // The rows the grid highlights.
    QList<int> highlighted()
    {
        QList<int> rows;
        for (const QModelIndex& i : main->ui().GridDescription->selectionModel()->selectedRows())
            rows << i.row();
        return rows;
    }
    void clickRow(int row)
    {
        QListView* grid = main->ui().GridDescription;
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualRect(grid->model()->index(row, 0)).center());
        QCoreApplication::processEvents();
    }
};

TEST_F(CurrentRowTest, AGroupChoiceRefusedInTheSaveQuestionLeavesBoxListAndOptionsOnTheOldGroup)
{
    auto& u = main->ui();
    const QString before = u.cboGroup->currentText();
    const QString status = u.SB->text();
    QTest::keyClicks(u.txtID, "alice");
    messages.queueSave(SaveAnswer::Cancel);

    const int misc = u.cboGroup->findText("Misc Accounts");
    u.cboGroup->setCurrentIndex(misc); // as a pick in the drop-down does
    emit u.cboGroup->activated(misc);

    EXPECT_EQ(u.cboGroup->currentText(), before);
    EXPECT_EQ(main->DM().qryGroups.value("Name").toString(), before);
    EXPECT_EQ(main->DM().qryOptions.value("Group").toString(), before);
    EXPECT_EQ(u.SB->text(), status);
    EXPECT_EQ(current(), "Bank Of America2");
    EXPECT_EQ(u.txtID->text(), "alice");
    accounts().cancel();
}

TEST_F(CurrentRowTest, TypeAheadMovesTheHighlightWithTheAccount)
{
    QListView* grid = main->ui().GridDescription;
    clickRow(rowOf("Bills"));
    ASSERT_EQ(current(), "Bills");
    QSignalSpy shown(grid->selectionModel(), &QItemSelectionModel::selectionChanged);
    grid->setFocus();
    QTest::keyClick(grid, 'b');

    EXPECT_EQ(current(), "Bank Of America2");
    EXPECT_EQ(highlighted(), QList<int>{rowOf("Bank Of America2")});
    EXPECT_GE(shown.count(), 1) << "the grid was never told to repaint its highlight";

    messages.queueAnswer(false);
    QTest::keyClick(grid, Qt::Key_Delete);
    EXPECT_EQ(messages.texts().last(), "Are you sure you want to delete the password account \"Bank Of America2\" ?");
}

TEST_F(CurrentRowTest, AClickRefusedInTheSaveQuestionPutsTheHighlightBack)
{
    auto& u = main->ui();
    clickRow(rowOf("Bills"));
    QTest::keyClicks(u.txtURL, "x.org");
    messages.queueSave(SaveAnswer::Cancel);

    clickRow(rowOf("Club"));

    EXPECT_EQ(current(), "Bills");
    EXPECT_EQ(highlighted(), QList<int>{rowOf("Bills")});
    EXPECT_EQ(u.GridDescription->currentIndex().row(), rowOf("Bills"));
    accounts().cancel();
}

} // namespace
