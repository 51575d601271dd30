// Speed of the Excel exchange over a full collection of 9999 titles: the
// export into the shipped workbook, the export again over a workbook that
// already holds them, and the import of the 9999 rows; the ratios that the
// goals name are measured in one run, warm, taken in turns, over enough
// turns that a moment's load of the machine does not decide them.
#include "bench/BenchTitles.h"
#include "data/clsDatentraegerList.h"
#include "data/clsTranslation.h"
#include "exchange/core/clsExcelHandler.h"
#include "platform/ProgramFolder.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "exchange/core/Workbook.h"

#include <chrono>
#include <map>
#include <random>

namespace {

constexpr int kTitles = 9999;

QString shipped(const QString& name)
{
    return QDir(QStringLiteral(QUORDVD_RESOURCES)).absoluteFilePath(name);
}

struct Fixture {
    QTemporaryDir dir;
    clsTranslation captions;
    clsDatentraegerList list;
    QString freshWorkbook; // the shipped, empty workbook
    QString fullWorkbook;  // after one export of the list
    // Rows in the order the titles were made, not sorted: 1000, 3000 and 9999 of them.
    std::map<int, QString> unsortedWorkbooks;

    Fixture()
    {
        ProgramFolder::setPath(dir.path());
        captions.Load(shipped(QStringLiteral("languages/english-style.ass")));
        std::mt19937 rng(42);
        std::vector<clsDatentraeger> made;
        for (int i = 0; i < kTitles; ++i) {
            clsDatentraeger d = benchTitle(rng, i, dir.path() + QStringLiteral("/cover"));
            d.SetSchauspieler3(QStringLiteral("Actor Three"));
            d.SetSchauspieler4(QStringLiteral("Actor Four"));
            d.SetSchauspieler5(QStringLiteral("Actor Five"));
            d.SetSonstiges(QStringLiteral("Special edition, %1 discs").arg(1 + i % 3));
            d.SetTrailerpfad(dir.path() + QStringLiteral("/trailer/%1.avi").arg(i));
            list.AddSortedDVD(d);
            made.push_back(d);
        }
        freshWorkbook = dir.path() + QStringLiteral("/fresh.xlsx");
        fullWorkbook = dir.path() + QStringLiteral("/full.xlsx");
        QFile::copy(shipped(QStringLiteral("ExportExcel.xlsx")), freshWorkbook);
        QFile::copy(freshWorkbook, fullWorkbook);
        QFile(fullWorkbook).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        if (!clsExcelHandler().ExcelExport(captions, list, fullWorkbook))
            qFatal("the export failed");
        for (int n : {1000, 3000, kTitles}) {
            clsDatentraegerList unsorted;
            for (int i = 0; i < n; ++i)
                unsorted.AddDVD(made[static_cast<size_t>(i)]);
            const QString path = dir.path() + QStringLiteral("/unsorted%1.xlsx").arg(n);
            QFile::copy(freshWorkbook, path);
            QFile(path).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
            if (!clsExcelHandler().ExcelExport(captions, unsorted, path))
                qFatal("the export failed");
            unsortedWorkbooks[n] = path;
        }
    }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

void BM_ExcelExport_9999_IntoEmptyWorkbook(benchmark::State& state)
{
    Fixture& f = fixture();
    const QString target = f.dir.path() + QStringLiteral("/export.xlsx");
    clsExcelHandler handler;
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(target);
        QFile::copy(f.freshWorkbook, target);
        QFile(target).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        state.ResumeTiming();
        if (!handler.ExcelExport(f.captions, f.list, target))
            state.SkipWithError("export failed");
    }
}
BENCHMARK(BM_ExcelExport_9999_IntoEmptyWorkbook)->Unit(benchmark::kMillisecond);

void BM_ExcelExport_9999_OverEarlierExport(benchmark::State& state)
{
    Fixture& f = fixture();
    clsExcelHandler handler;
    for (auto _ : state) {
        if (!handler.ExcelExport(f.captions, f.list, f.fullWorkbook))
            state.SkipWithError("export failed");
    }
}
BENCHMARK(BM_ExcelExport_9999_OverEarlierExport)->Unit(benchmark::kMillisecond);

void BM_ExcelImport_9999(benchmark::State& state)
{
    Fixture& f = fixture();
    const QString listPath = f.dir.path() + QStringLiteral("/lists/import.adl");
    const QString order = clsExcelHandler::ColumnCaptions(f.captions).join(u',');
    clsExcelHandler handler;
    for (auto _ : state) {
        if (!handler.ExcelImport(f.captions, f.fullWorkbook, listPath, order, true, kTitles))
            state.SkipWithError("import failed");
    }
    clsDatentraegerList back;
    back.Load(listPath);
    if (back.getListSize() != kTitles)
        state.SkipWithError("the import lost titles");
}
BENCHMARK(BM_ExcelImport_9999)->Unit(benchmark::kMillisecond);

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point t0) { return std::chrono::duration<double>(Clock::now() - t0).count(); }

// The export over an earlier export against the export into the shipped
// workbook: the counter "ratio" is the first's time over the second's.
void BM_ExcelExport_OverEarlierOverFresh(benchmark::State& state)
{
    Fixture& f = fixture();
    const QString target = f.dir.path() + QStringLiteral("/export.xlsx");
    clsExcelHandler handler;
    double over = 0, fresh = 0;
    for (auto _ : state) {
        QFile::remove(target);
        QFile::copy(f.freshWorkbook, target);
        QFile(target).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        auto t0 = Clock::now();
        if (!handler.ExcelExport(f.captions, f.list, target))
            state.SkipWithError("export failed");
        const double a = secondsSince(t0);
        t0 = Clock::now();
        if (!handler.ExcelExport(f.captions, f.list, f.fullWorkbook))
            state.SkipWithError("export failed");
        const double b = secondsSince(t0);
        fresh += a;
        over += b;
        state.SetIterationTime(a + b);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["fresh_ms"] = fresh / n * 1e3;
    state.counters["over_ms"] = over / n * 1e3;
    state.counters["ratio"] = fresh > 0 ? over / fresh : 0;
}
BENCHMARK(BM_ExcelExport_OverEarlierOverFresh)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(8);

// Everything the import reads of the workbook, without the list.
void readAlone(const QString& path, int rows)
{
    const auto book = Workbook::open(path);
    qsizetype chars = 0;
    for (int row = 2; row <= rows + 1; ++row) {
        for (int k = 1; k <= clsExcelHandler::kColumns; ++k)
            chars += book->cell(row, k).text.size();
    }
    benchmark::DoNotOptimize(chars);
}

// The import of 9999 unsorted rows against reading the same cells alone:
// the counter "ratio" is the import's time over the read's.
void BM_ExcelImport_9999_OverReadAlone(benchmark::State& state)
{
    Fixture& f = fixture();
    const QString workbook = f.unsortedWorkbooks.at(kTitles);
    const QString listPath = f.dir.path() + QStringLiteral("/lists/unsorted.adl");
    const QString order = clsExcelHandler::ColumnCaptions(f.captions).join(u',');
    clsExcelHandler handler;
    double import = 0, read = 0;
    for (auto _ : state) {
        auto t0 = Clock::now();
        if (!handler.ExcelImport(f.captions, workbook, listPath, order, true, kTitles))
            state.SkipWithError("import failed");
        const double a = secondsSince(t0);
        t0 = Clock::now();
        readAlone(workbook, kTitles);
        const double b = secondsSince(t0);
        import += a;
        read += b;
        state.SetIterationTime(a + b);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["import_ms"] = import / n * 1e3;
    state.counters["read_ms"] = read / n * 1e3;
    state.counters["ratio"] = read > 0 ? import / read : 0;
}
BENCHMARK(BM_ExcelImport_9999_OverReadAlone)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(8);

// The import of 1000, 3000 and 9999 unsorted rows in turns. Linear growth is
// x3.0 from 1000 to 3000 and x3.33 from 3000 to 9999; "per_row" is the time
// per row at 9999 over that at 1000 (1.0 when linear).
void BM_ExcelImport_Growth(benchmark::State& state)
{
    Fixture& f = fixture();
    const QString listPath = f.dir.path() + QStringLiteral("/lists/growth.adl");
    const QString order = clsExcelHandler::ColumnCaptions(f.captions).join(u',');
    clsExcelHandler handler;
    std::map<int, double> seconds;
    for (auto _ : state) {
        double total = 0;
        for (const auto& [n, workbook] : f.unsortedWorkbooks) {
            QFile::remove(listPath);
            const auto t0 = Clock::now();
            if (!handler.ExcelImport(f.captions, workbook, listPath, order, true, n))
                state.SkipWithError("import failed");
            const double t = secondsSince(t0);
            seconds[n] += t;
            total += t;
        }
        state.SetIterationTime(total);
    }
    const double iterations = static_cast<double>(state.iterations());
    for (const auto& [n, t] : seconds)
        state.counters["ms_" + std::to_string(n)] = t / iterations * 1e3;
    if (seconds[1000] > 0 && seconds[3000] > 0) {
        state.counters["x_3000_1000"] = seconds[3000] / seconds[1000];
        state.counters["x_9999_3000"] = seconds[kTitles] / seconds[3000];
        state.counters["per_row"] = (seconds[kTitles] / kTitles) / (seconds[1000] / 1000);
    }
}
BENCHMARK(BM_ExcelImport_Growth)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
