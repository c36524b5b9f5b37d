#include "store/Transaction.h"
#include "store/Connection.h"
#include "store/Schema.h"
#include "support/FakeClock.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <stdexcept>

using namespace lw;

namespace {

class TransactionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CreatePasswordDatabase(dir.file("t.pdb"), "secret1", false);
        db = Connection::open(dir.file("t.pdb"), "secret1", &clock);
    }
    qint64 groups() { return db->scalar("SELECT COUNT(*) FROM Groups;").toLongLong(); }
    void addGroup(const QString& name) { db->exec("INSERT INTO Groups (Name) VALUES ('" + name + "');"); }

    test::TempDir dir;
    test::FakeClock clock;
    std::unique_ptr<Connection> db;
};

TEST_F(TransactionTest, ACommitKeepsEveryChange)
{
    {
        Transaction t(*db);
        addGroup("One");
        addGroup("Two");
        t.commit();
    }
    EXPECT_EQ(groups(), 2);
}

TEST_F(TransactionTest, AnErrorBeforeTheCommitUndoesEveryChange)
{
    try {
        Transaction t(*db);
        addGroup("One");
        addGroup("Two");
        throw std::runtime_error("part way");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(groups(), 0);
    Transaction again(*db); // none is left open
    again.commit();
}

} // namespace
