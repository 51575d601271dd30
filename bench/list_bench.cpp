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
#include <malloc.h>
#include <chrono>
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
int readAndSplitLines(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    const QString text = QString::fromUtf8(file.readAll());
    QStringList lines;
    for (const QStringView line : QStringTokenizer(text, u"\r\n"))
        lines.append(line.toString());
    return static_cast<int>(lines.size());
}

// Each side is run once before it is timed, so that neither pays for the
// first mapping of its memory.
void BM_ReadAndSplitLines(benchmark::State& state)
{
    Fixture& f = fixture();
    benchmark::DoNotOptimize(readAndSplitLines(f.listPath));
    for (auto _ : state)
        benchmark::DoNotOptimize(readAndSplitLines(f.listPath));
}
BENCHMARK(BM_ReadAndSplitLines)->Unit(benchmark::kMillisecond);

void BM_Load(benchmark::State& state)
{
    Fixture& f = fixture();
    clsDatentraegerList list;
    list.Load(f.listPath);
    for (auto _ : state) {
        list.Load(f.listPath);
        benchmark::DoNotOptimize(list.getListSize());
    }
}
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond);

// Load against its floor in one run, both warm and taken in turns, so that
// the machine's load of the moment falls on both: the counter "ratio" is
// Load's time over the floor's.
void BM_LoadOverReadAndSplit(benchmark::State& state)
{
    using Clock = std::chrono::steady_clock;
    Fixture& f = fixture();
    clsDatentraegerList list;
    list.Load(f.listPath);
    benchmark::DoNotOptimize(readAndSplitLines(f.listPath));
    double loadSeconds = 0, floorSeconds = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        list.Load(f.listPath);
        benchmark::DoNotOptimize(list.getListSize());
        const auto t1 = Clock::now();
        benchmark::DoNotOptimize(readAndSplitLines(f.listPath));
        const auto t2 = Clock::now();
        loadSeconds += std::chrono::duration<double>(t1 - t0).count();
        floorSeconds += std::chrono::duration<double>(t2 - t1).count();
        state.SetIterationTime(std::chrono::duration<double>(t2 - t0).count());
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["load_ms"] = loadSeconds / n * 1e3;
    state.counters["floor_ms"] = floorSeconds / n * 1e3;
    state.counters["ratio"] = floorSeconds > 0 ? loadSeconds / floorSeconds : 0;
}
BENCHMARK(BM_LoadOverReadAndSplit)->UseManualTime()->Unit(benchmark::kMillisecond);

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

int main(int argc, char** argv)
{
    // A file's text takes megabytes that malloc would map afresh for every
    // read (and give back after it), and a fresh page costs more than the
    // work on it: kept mapped, both sides are measured on warm memory.
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
