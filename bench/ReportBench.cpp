// The full report of a large database, laid out and written as a PDF.
#include "BenchSupport.h"
#include "report/BeforePrint.h"
#include "report/ReportLayout.h"
#include "report/ReportTemplates.h"
#include "ui/dialogs/ReportPdf.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace lw;

namespace {

// 10,000 accounts in 100 groups; every field filled, one account in four
// with a note of a few lines.
std::vector<ReportRow> accounts()
{
    std::vector<ReportRow> rows;
    for (int g = 0; g < 100; ++g)
        for (int a = 0; a < 100; ++a) {
            ReportRow r;
            r.Name = QStringLiteral("Group %1").arg(g, 3, 10, QLatin1Char('0'));
            r.Description = QStringLiteral("Account %1 of group %2").arg(a, 3, 10, QLatin1Char('0')).arg(g);
            r.ID = QStringLiteral("user.%1.%2@example.com").arg(g).arg(a);
            r.Password = QStringLiteral("Pw%1-%2-xQ7!").arg(g * 7919 + a).arg(a * 31);
            r.URL = QStringLiteral("https://www.example.com/accounts/%1/%2/login").arg(g).arg(a);
            r.AssignDate = QDate(2024, 1, 1).addDays(a);
            r.ExpireDate = QDate(2026, 1, 1).addDays(g);
            if (a % 4 == 0)
                r.Notes = QStringLiteral("Security questions: first pet, street of birth.\nRecovery codes are "
                                         "kept in the safe, in the blue folder with the bank papers.");
            rows.push_back(r);
        }
    return rows;
}

void BM_ReportFull10k(benchmark::State& state)
{
    bench::NeedApplication();
    const std::vector<ReportRow> rows = accounts();
    QTemporaryDir dir;
    int pages = 0;
    for (auto _ : state) {
        ReportTemplate report = ppRptPasswords();
        report.documentName = QStringLiteral("Passwords");
        BeforePrint(report, {true, QStringLiteral("Account Summary"), true, QDate::currentDate(), u'/'});
        const ReportLayout layout = LayOutReport(report, rows);
        SaveReportPdf(layout, dir.filePath("Passwords.pdf"));
        pages = layout.pageCount();
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_ReportFull10k)->Unit(benchmark::kMillisecond)->Iterations(3);

// The layout pass alone, to tell it from the drawing.
void BM_ReportLayoutFull10k(benchmark::State& state)
{
    bench::NeedApplication();
    const std::vector<ReportRow> rows = accounts();
    for (auto _ : state) {
        ReportTemplate report = ppRptPasswords();
        BeforePrint(report, {true, QStringLiteral("Account Summary"), true, QDate::currentDate(), u'/'});
        benchmark::DoNotOptimize(LayOutReport(report, rows));
    }
}
BENCHMARK(BM_ReportLayoutFull10k)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
