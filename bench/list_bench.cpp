// Speed of the title list's file work over a full collection of 9999 titles.
#include "bench/BenchTitles.h"
#include "data/clsDatentraeger.h"
#include "data/clsDatentraegerList.h"
#include "platform/ProgramFolder.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <malloc.h>
#include <random>
#include <vector>

namespace {

constexpr int kTitles = 9999;

struct Fixture {
    QTemporaryDir dir;
    QString listPath;
    // The same collection with texts that all differ from title to title.
    QString distinctPath;
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
        for (int i = 1; i <= kTitles; ++i) {
            const QString n = QString::number(i);
            list.setDVDString(i, QStringLiteral("Format ") + n, clsDatentraegerList::FieldFormat);
            list.setDVDString(i, QStringLiteral("Genre ") + n, clsDatentraegerList::FieldGenre);
            list.setDVDString(i, QStringLiteral("Land ") + n, clsDatentraegerList::FieldLandJahr);
            list.setDVDString(i, QStringLiteral("Note ") + n, clsDatentraegerList::FieldSonstiges);
            list.setDVDString(i, QStringLiteral("Actor One ") + n, clsDatentraegerList::FieldSchauspieler1);
            list.setDVDString(i, QStringLiteral("Actor Two ") + n, clsDatentraegerList::FieldSchauspieler2);
            list.setDVDString(i, QStringLiteral("Actor Three ") + n, clsDatentraegerList::FieldSchauspieler3);
            list.setDVDString(i, QStringLiteral("Director ") + n, clsDatentraegerList::FieldRegie);
            list.setDVDString(i, QStringLiteral("trailer/") + n + QStringLiteral(".mp4"), clsDatentraegerList::FieldTrailerpfad);
        }
        distinctPath = dir.path() + QStringLiteral("/lists/distinct.adl");
        list.Save(distinctPath);

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

// The floor for Load: what any reader of the list must do and no more: read
// the file, decode it (UTF-8, checked, as the program decodes a list) and
// pass once over the text to find its line ends. The lines are not copied:
// making the titles' texts from them is the load's own work.
int readDecodeAndFindLineEnds(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    // CR LF, LF or a lone CR each end a line; most characters are far
    // above both, as the program's own reading assumes.
    const QChar* c = text.constData();
    const qsizetype n = text.size();
    int lineEnds = 0;
    for (qsizetype i = 0; i < n; ++i) {
        if (c[i].unicode() > u'\r')
            continue;
        if (c[i] == u'\n') {
            ++lineEnds;
        } else if (c[i] == u'\r') {
            ++lineEnds;
            if (i + 1 < n && c[i + 1] == u'\n')
                ++i;
        }
    }
    return utf8.hasError() ? -1 : lineEnds;
}

// Each side is run once before it is timed, so that neither pays for the
// first mapping of its memory.
void BM_ReadDecodeAndFindLineEnds(benchmark::State& state)
{
    Fixture& f = fixture();
    benchmark::DoNotOptimize(readDecodeAndFindLineEnds(f.listPath));
    for (auto _ : state)
        benchmark::DoNotOptimize(readDecodeAndFindLineEnds(f.listPath));
}
BENCHMARK(BM_ReadDecodeAndFindLineEnds)->Unit(benchmark::kMillisecond);

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
// Load's time over the floor's, the median of the turns' ratios (goal: at
// most 1.5).
void loadOverFloor(benchmark::State& state, const QString& path)
{
    using Clock = std::chrono::steady_clock;
    clsDatentraegerList list;
    list.Load(path);
    benchmark::DoNotOptimize(readDecodeAndFindLineEnds(path));
    double loadSeconds = 0, floorSeconds = 0;
    std::vector<double> ratios;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        list.Load(path);
        benchmark::DoNotOptimize(list.getListSize());
        const auto t1 = Clock::now();
        benchmark::DoNotOptimize(readDecodeAndFindLineEnds(path));
        const auto t2 = Clock::now();
        const double load = std::chrono::duration<double>(t1 - t0).count();
        const double floor = std::chrono::duration<double>(t2 - t1).count();
        loadSeconds += load;
        floorSeconds += floor;
        ratios.push_back(load / floor);
        state.SetIterationTime(load + floor);
    }
    const double n = static_cast<double>(state.iterations());
    std::sort(ratios.begin(), ratios.end());
    state.counters["load_ms"] = loadSeconds / n * 1e3;
    state.counters["floor_ms"] = floorSeconds / n * 1e3;
    state.counters["ratio"] = ratios[ratios.size() / 2];
    state.counters["goal"] = 1.5;
}

void BM_LoadOverFloor(benchmark::State& state) { loadOverFloor(state, fixture().listPath); }
BENCHMARK(BM_LoadOverFloor)->UseManualTime()->Unit(benchmark::kMillisecond);

// The same over a collection whose texts all differ, where none is shared.
void BM_LoadOverFloorDistinct(benchmark::State& state) { loadOverFloor(state, fixture().distinctPath); }
BENCHMARK(BM_LoadOverFloorDistinct)->UseManualTime()->Unit(benchmark::kMillisecond);

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
