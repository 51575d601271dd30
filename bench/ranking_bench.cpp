// Building a ranking of 9999 entries, as the top-30 pages and the high-score
// lists do: in the order a top-30 page adds them (highest first, ties in list
// order) and in list order (values at random).
#include "bench/BenchTitles.h"
#include "data/clsDatentraegerList.h"
#include "data/clsSortedDiskList.h"
#include "data/clsSortedList.h"
#include "platform/ProgramFolder.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include <algorithm>
#include <random>
#include <vector>

namespace {

constexpr int kEntries = 9999;

struct Entry {
    QString name;
    std::int16_t value;
};

std::vector<Entry> entries(bool rankedOrder)
{
    std::mt19937 rng(7);
    std::vector<Entry> out;
    for (int i = 0; i < kEntries; ++i)
        out.push_back({QStringLiteral("Title %1").arg(i), static_cast<std::int16_t>(rng() % 3000)});
    if (rankedOrder)
        std::stable_sort(out.begin(), out.end(), [](const Entry& a, const Entry& b) { return a.value > b.value; });
    return out;
}

void BM_RankingAdd(benchmark::State& state)
{
    const std::vector<Entry> in = entries(state.range(0) == 1);
    for (auto _ : state) {
        clsSortedList ranking;
        for (const Entry& e : in)
            ranking.Add(e.name, e.value, true);
        benchmark::DoNotOptimize(ranking.getListSize());
    }
}
// 1: highest first, as the top-30 pages add; 0: list order.
BENCHMARK(BM_RankingAdd)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// The whole ranking of a top-30 page: the list file read, then ranked.
void BM_LoadDiskList(benchmark::State& state)
{
    QTemporaryDir dir;
    ProgramFolder::setPath(dir.path());
    std::mt19937 rng(42);
    clsDatentraegerList list;
    for (int i = 0; i < kEntries; ++i)
        list.AddDVD(benchTitle(rng, i, QStringLiteral("cover")));
    const QString path = dir.path() + QStringLiteral("/lists/big.adl");
    list.Save(path);
    for (auto _ : state) {
        clsSortedDiskList ranking;
        ranking.loadDiskList(path, clsDatentraegerList::FieldKaufpreis);
        benchmark::DoNotOptimize(ranking.getListSize());
    }
}
BENCHMARK(BM_LoadDiskList)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
