#include "DataModuleFixture.h"

#include "store/Schema.h"

namespace lw::test {

void DataModuleTest::SetUp()
{
    path = dir.file("test.pdb");
    CreatePasswordDatabase(path, "secret1", true);
    db = Connection::open(path, "secret1", &clock);
}

void DataModuleTest::TearDown()
{
    dm.CloseQueries();
    EXPECT_FALSE(messages.answersLeft()) << "a scripted answer was not used";
}

void DataModuleTest::addAccounts(const QString& group, const QStringList& descriptions)
{
    Statement insert =
        db->prepare("INSERT INTO Passwords (GroupID, Description) SELECT GroupID, ?2 FROM Groups WHERE Name = ?1;");
    for (const QString& d : descriptions) {
        insert.bindAt(1, group);
        insert.bindAt(2, d);
        insert.step();
        insert.reset();
    }
}

void DataModuleTest::openModule()
{
    dm.OpenQueries(*db);
}

QVariant DataModuleTest::stored(const QString& description, const QString& column)
{
    Statement st = db->prepare(QStringLiteral("SELECT [%1] FROM Passwords WHERE Description = ?1;").arg(column));
    st.bindAt(1, description);
    return st.step() ? st.value(0) : QVariant();
}

} // namespace lw::test
