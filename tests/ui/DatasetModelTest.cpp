// The list model over a dataset: checked by Qt's model tester through every
// kind of change, with fine-grained signals instead of resets.
#include "ui/bindings/DatasetModel.h"
#include "support/DataModuleFixture.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>

using namespace lw;
using lw::test::DataModuleTest;

namespace {

class DatasetModelTest : public DataModuleTest {
protected:
    QStringList shown(const DatasetModel& model)
    {
        QStringList out;
        for (int r = 0; r < model.rowCount(); ++r)
            out << model.data(model.index(r, 0), Qt::DisplayRole).toString();
        return out;
    }
};

TEST_F(DatasetModelTest, FollowsEveryChangeWithRowSignalsAndResetsOnlyOnARun)
{
    addAccounts("Email Accounts", {"b", "d"});
    addAccounts("Misc Accounts", {"x"});
    DatasetModel model(dm.qryPasswords, "Description");
    // A broken promise of the model aborts the test run.
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    QSignalSpy inserts(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy removals(&model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy edits(&model, &QAbstractItemModel::dataChanged);
    openModule();
    ASSERT_EQ(shown(model), (QStringList{"b", "d"}));
    resets.clear();

    Dataset& q = dm.qryPasswords;
    q.append();
    q.setValue("Description", "c");
    q.post();
    q.first();
    q.edit();
    q.setValue("Description", "a");
    q.post();
    q.append();
    q.cancel();
    q.locate("Description", "d");
    q.remove();
    EXPECT_EQ(shown(model), (QStringList{"a", "c"}));
    EXPECT_EQ(resets.count(), 0);
    EXPECT_EQ(inserts.count(), 2);
    EXPECT_EQ(removals.count(), 2);
    EXPECT_GE(edits.count(), 2);

    dm.ChooseGroup("Misc Accounts");
    EXPECT_EQ(shown(model), QStringList{"x"});
    EXPECT_EQ(resets.count(), 1);
    dm.CloseQueries();
    EXPECT_EQ(model.rowCount(), 0);
}

} // namespace
