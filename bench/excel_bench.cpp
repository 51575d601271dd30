// Speed of the Excel exchange over a full collection of 9999 titles: the
// export into the shipped workbook, the export again over a workbook that
// already holds them, and the import of the 9999 rows.
#include "bench/BenchTitles.h"
#include "data/clsDatentraegerList.h"
#include "data/clsTranslation.h"
#include "exchange/clsExcelHandler.h"
#include "platform/ProgramFolder.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <random>

namespace {

constexpr int kTitles = 9999;

QString shipped(const QString& name)
{
    return QDir(QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/../resources")).absoluteFilePath(name);
}

struct Fixture {
    QTemporaryDir dir;
    clsTranslation captions;
    clsDatentraegerList list;
    QString freshWorkbook; // the shipped, empty workbook
    QString fullWorkbook;  // after one export of the list

    Fixture()
    {
        ProgramFolder::setPath(dir.path());
        captions.Load(shipped(QStringLiteral("languages/english-style.ass")));
        std::mt19937 rng(42);
        for (int i = 0; i < kTitles; ++i) {
            clsDatentraeger d = benchTitle(rng, i, dir.path() + QStringLiteral("/cover"));
            d.SetSchauspieler3(QStringLiteral("Actor Three"));
            d.SetSchauspieler4(QStringLiteral("Actor Four"));
            d.SetSchauspieler5(QStringLiteral("Actor Five"));
            d.SetSonstiges(QStringLiteral("Special edition, %1 discs").arg(1 + i % 3));
            d.SetTrailerpfad(dir.path() + QStringLiteral("/trailer/%1.avi").arg(i));
            list.AddSortedDVD(d);
        }
        freshWorkbook = dir.path() + QStringLiteral("/fresh.xlsx");
        fullWorkbook = dir.path() + QStringLiteral("/full.xlsx");
        QFile::copy(shipped(QStringLiteral("ExportExcel.xlsx")), freshWorkbook);
        QFile::copy(freshWorkbook, fullWorkbook);
        QFile(fullWorkbook).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        if (!clsExcelHandler().ExcelExport(captions, list, fullWorkbook))
            qFatal("the export failed");
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

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
