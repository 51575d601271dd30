// Speed of the title list's file work over a full collection of 9999 titles.
#include "bench/BenchTitles.h"
#include "data/clsDatentraeger.h"
#include "data/clsDatentraegerList.h"
#include "platform/ProgramFolder.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QStringList>
#include <QStringTokenizer>
#include <QTemporaryDir>

#include <algorithm>
#include <random>

namespace {

constexpr int kTitles = 9999;

struct Fixture {
    QTemporaryDir dir;
    QString listPath;
    QString oldLayoutBytesPath;
    QByteArray oldLayout;
    std::vector<clsDatentraeger> shuffled;

    Fixture()
    {
        ProgramFolder::setPath(dir.path());
        std::mt19937 rng(42);
        for (int i = 0; i < kTitles; ++i) {
            const clsDatentraeger d = benchTitle(rng, i, QStringLiteral("cover"));
            shuffled.push_back(d);
        }
        clsDatentraegerList list;
        for (const auto& d : shuffled)
            list.AddDVD(d);
        listPath = dir.path() + QStringLiteral("/lists/bench.adl");
        list.Save(listPath);

        oldLayout = QByteArray::number(kTitles) + "\r\n";
        for (const auto& d : shuffled) {
            for (const QString& line :
                 {d.GetFilmname(), QString::number(d.GetBewertung()), d.GetGenre(), d.GetLandJahr(),
                  QString::number(d.GetFsk()), QString::number(d.GetLaenge()), QString::number(d.GetKaufpreis()),
                  d.GetSonstiges(), d.GetSchauspieler1(), d.GetSchauspieler2(), d.GetSchauspieler3(),
                  d.GetSchauspieler4(), d.GetSchauspieler5(), d.GetRegie(), d.GetBildpfad(), d.GetTrailerpfad()})
                oldLayout += line.toUtf8() + "\r\n";
        }
        oldLayoutBytesPath = dir.path() + QStringLiteral("/lists/old.adl");
    }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

// The floor for Load: the same file read and split into lines, nothing else.
void BM_ReadAndSplitLines(benchmark::State& state)
{
    Fixture& f = fixture();
    for (auto _ : state) {
        QFile file(f.listPath);
        file.open(QIODevice::ReadOnly);
        const QString text = QString::fromUtf8(file.readAll());
        QStringList lines;
        for (const QStringView line : QStringTokenizer(text, u"\r\n"))
            lines.append(line.toString());
        benchmark::DoNotOptimize(lines.size());
    }
}
BENCHMARK(BM_ReadAndSplitLines)->Unit(benchmark::kMillisecond);

void BM_Load(benchmark::State& state)
{
    Fixture& f = fixture();
    clsDatentraegerList list;
    for (auto _ : state) {
        list.Load(f.listPath);
        benchmark::DoNotOptimize(list.getListSize());
    }
}
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond);

void BM_Save(benchmark::State& state)
{
    Fixture& f = fixture();
    clsDatentraegerList list;
    list.Load(f.listPath);
    const QString out = f.dir.path() + QStringLiteral("/lists/saved.adl");
    for (auto _ : state)
        list.Save(out);
}
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond);

void BM_AddSortedDVD_9999(benchmark::State& state)
{
    Fixture& f = fixture();
    for (auto _ : state) {
        clsDatentraegerList list;
        for (const auto& d : f.shuffled)
            list.AddSortedDVD(d);
        benchmark::DoNotOptimize(list.getListSize());
    }
}
BENCHMARK(BM_AddSortedDVD_9999)->Unit(benchmark::kMillisecond);

void BM_ConvertOldLayout_9999(benchmark::State& state)
{
    Fixture& f = fixture();
    clsDatentraegerList list;
    for (auto _ : state) {
        state.PauseTiming();
        QFile file(f.oldLayoutBytesPath);
        file.open(QIODevice::WriteOnly);
        file.write(f.oldLayout);
        file.close();
        state.ResumeTiming();
        list.Load(f.oldLayoutBytesPath); // converts, writes back, reads the new file
        benchmark::DoNotOptimize(list.getListSize());
    }
}
BENCHMARK(BM_ConvertOldLayout_9999)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
