#include "ReportFixture.h"

#include "store/Connection.h"
#include "store/Statement.h"
#include "ui/dialogs/RunReports.h"

#include <QCoreApplication>

namespace lw::test {

void ReportFixture::SetUp()
{
    DataModuleTest::SetUp();
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs, true);
}

void ReportFixture::TearDown()
{
    EXPECT_FALSE(files.answersLeft()) << "a scripted file choice was not used";
    DataModuleTest::TearDown();
}

void ReportFixture::add(const QString& group, const QString& description, const QString& id, const QString& password,
                        const QString& url, const QString& notes, const QDate& assigned, const QDate& expires)
{
    Statement insert =
        db->prepare("INSERT INTO Passwords (GroupID, Description, ID, Password, URL, Notes, AssignDate, ExpireDate) "
                    "SELECT GroupID, ?2, ?3, ?4, ?5, ?6, ?7, ?8 FROM Groups WHERE Name = ?1;");
    const auto date = [](const QDate& d) {
        return d.isValid() ? QVariant(d.toString("yyyy-MM-dd") + " 00:00:00") : QVariant();
    };
    const QVariant values[] = {group, description, id, password, url, notes, date(assigned), date(expires)};
    for (int i = 0; i < 8; ++i)
        insert.bindAt(i + 1, values[i]);
    insert.step();
}

void ReportFixture::open()
{
    openModule();
}

void ReportFixture::runReports()
{
    RunReports(nullptr, dm, settings, messages, files, clock);
}

} // namespace lw::test
