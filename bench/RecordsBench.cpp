// Group switching and searching over a large database.
#include "records/QueryTexts.h"
#include "records/TDM.h"
#include "store/AliasStore.h"
#include "store/Connection.h"
#include "store/Messages.h"
#include "store/Schema.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace lw;

namespace {

constexpr int kGroups = 50;
constexpr int kAccountsPerGroup = 2000;

class NoMessages : public Messages {
public:
    void ShowInfo(const QString&) override { }
    void ShowPlain(const QString&) override { }
    bool Confirm(const QString&) override { return false; }
    bool AskYesNo(const QString&) override { return false; }
    bool AskOkCancel(const QString&) override { return false; }
    SaveAnswer AskSave(const QString&) override { return SaveAnswer::Yes; }
};

class NoWindow : public RecordWindow {
public:
    void EnableDatabaseControls(bool) override { }
    void SetSaveEnabled(bool) override { }
    void SetGroupDropDownCount(int) override { }
    void SetStatusText(const QString&) override { }
};

// One database of 100,000 accounts in 50 groups, built once per run. A few
// hundred accounts carry the word the searches look for.
struct LargeDatabase {
    LargeDatabase()
    {
        const QString path = dir.filePath("large.pdb");
        CreatePasswordDatabase(path, "benchmark", false);
        db = Connection::open(path, "benchmark");
        db->exec("BEGIN;");
        Statement group = db->prepare("INSERT INTO Groups (Name) VALUES (?1);");
        for (int g = 0; g < kGroups; ++g) {
            group.bindAt(1, QStringLiteral("Group %1").arg(g, 2, 10, QChar('0')));
            group.step();
            group.reset();
        }
        Statement account =
            db->prepare("INSERT INTO Passwords (GroupID, Description, ID, Password, URL, Notes, ExpireDate, AssignDate)"
                        " VALUES (?1, ?2, ?3, ?4, ?5, ?6, '2027-01-01 00:00:00', '2026-01-01 00:00:00');");
        for (int i = 0; i < kGroups * kAccountsPerGroup; ++i) {
            account.bindAt(1, i % kGroups + 1);
            account.bindAt(2, QStringLiteral("Account number %1").arg(i));
            account.bindAt(3, QStringLiteral("user%1@example.org").arg(i));
            account.bindAt(4, QStringLiteral("pw-%1-x9q").arg(i * 7919 % 100003));
            account.bindAt(5, QStringLiteral("https://site%1.example.com/login").arg(i % 997));
            account.bindAt(6, i % 300 == 0 ? QStringLiteral("remember the zebracorn question")
                                           : QStringLiteral("created by the import on a quiet day"));
            account.step();
            account.reset();
        }
        db->exec("COMMIT;");
        dm.OpenQueries(*db);
    }

    QTemporaryDir dir;
    AliasStore alias{dir.path()};
    NoMessages messages;
    NoWindow window;
    EditFlags flags;
    std::unique_ptr<Connection> db;
    TDM dm{alias, messages, window, flags};
};

LargeDatabase& large()
{
    static LargeDatabase instance;
    return instance;
}

void BM_GroupSwitch(benchmark::State& state)
{
    TDM& dm = large().dm;
    int row = 0;
    for (auto _ : state) {
        row = (row + 1) % 2;
        dm.qryGroups.moveTo(row + 10);
        if (dm.qryPasswords.recordCount() != kAccountsPerGroup)
            state.SkipWithError("the account list does not hold the group");
        benchmark::DoNotOptimize(dm.qryPasswords.value("Description"));
    }
}
BENCHMARK(BM_GroupSwitch)->Unit(benchmark::kMillisecond);

void BM_FindAll(benchmark::State& state)
{
    TDM& dm = large().dm;
    dm.qryFind.close();
    dm.qryFind.setSql(sql::FindStatement(0));
    dm.qryFind.setParam(sql::FindParam, sql::FindPattern("zebracorn"));
    for (auto _ : state) {
        dm.qryFind.close();
        dm.qryFind.open();
        if (dm.qryFind.recordCount() != kGroups * kAccountsPerGroup / 300 + 1)
            state.SkipWithError("unexpected number of matches");
    }
    state.counters["matches"] = dm.qryFind.recordCount();
}
BENCHMARK(BM_FindAll)->Unit(benchmark::kMillisecond);

} // namespace
