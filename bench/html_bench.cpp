// Speed of the HTML export of a full collection of 9999 titles, 10 a page
// (1000 pages), on the shipped templates. Goals: under 1 s, and within 3x
// of its floor: the same bytes written into the same files with plain
// unsynced writes. Each page replaces the old one by rename, without a
// sync, the old one kept as the next page's temporary file. The same export into a folder in memory (/dev/shm, where present)
// shows the program's own share.
#include "bench/BenchTitles.h"
#include "data/clsTranslation.h"
#include "exchange/core/clsHtmlPageCreator.h"
#include "platform/ProgramFolder.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

namespace {

constexpr int kTitles = 9999;

struct Fixture {
    QTemporaryDir dir;
    std::vector<clsDatentraeger> titles;
    clsTranslation captions;

    explicit Fixture(const QString& pattern) : dir(pattern)
    {
        if (!dir.isValid())
            return;
        const QDir resources(QStringLiteral(QUORDVD_RESOURCES));
        QDir().mkpath(dir.filePath(QStringLiteral("html")));
        for (const char* name : {"htmlvorn.ahp", "htmldvdeintrag.ahp", "htmlzeile.ahp", "htmlmenue.ahp"})
            QFile::copy(resources.filePath(QStringLiteral("html/") + QLatin1String(name)),
                        dir.filePath(QStringLiteral("html/") + QLatin1String(name)));
        QFile::copy(resources.filePath(QStringLiteral("settings.aef")), dir.filePath(QStringLiteral("settings.aef")));
        captions.setLanguage(1);
        captions.Load(resources.filePath(QStringLiteral("languages/english-style.ass")));
        std::mt19937 rng(42);
        for (int i = 0; i < kTitles; ++i)
            titles.push_back(benchTitle(rng, i, dir.filePath(QStringLiteral("cover"))));
    }
};

// One press of the export button: collect every title, write every page.
bool exportOnce(const Fixture& f)
{
    clsHtmlPageCreator creator;
    creator.SetCaption(QStringLiteral("My collection"));
    creator.setBGcolor(QStringLiteral("000000"));
    creator.setFontcolor(QStringLiteral("0000CC"));
    for (const auto& d : f.titles)
        creator.AddDVD(d);
    const auto result = creator.createHTMLFiles(f.captions, 10);
    return result.ok() && result.pagesWritten == 1000;
}

// The floor: the pages' bytes written over the same files, plainly.
bool writePlainly(const std::vector<std::pair<QString, QByteArray>>& pages)
{
    for (const auto& [path, bytes] : pages) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
            return false;
        file.close();
    }
    return true;
}

struct Totals {
    double exportSeconds = 0;
    double floorSeconds = 0;
    double iterations = 0;
};

// The export against its floor in one run, both warm and taken in turns,
// so that the machine's load of the moment falls on both.
void exportAll(benchmark::State& state, Fixture& f, Totals& totals)
{
    using Clock = std::chrono::steady_clock;
    if (!f.dir.isValid()) {
        state.SkipWithError("no folder for the pages");
        return;
    }
    ProgramFolder::setPath(f.dir.path());
    if (!exportOnce(f)) {
        state.SkipWithError("export failed");
        return;
    }
    std::vector<std::pair<QString, QByteArray>> pages;
    for (int p = 1; p <= 1000; ++p) {
        QFile file(clsHtmlPageCreator::pagePath(p));
        file.open(QIODevice::ReadOnly);
        pages.emplace_back(file.fileName(), file.readAll());
    }
    writePlainly(pages);
    for (auto _ : state) {
        const auto t0 = Clock::now();
        const bool exported = exportOnce(f);
        const auto t1 = Clock::now();
        const bool floorWritten = writePlainly(pages);
        const auto t2 = Clock::now();
        if (!exported || !floorWritten) {
            state.SkipWithError("export failed");
            return;
        }
        totals.exportSeconds += std::chrono::duration<double>(t1 - t0).count();
        totals.floorSeconds += std::chrono::duration<double>(t2 - t1).count();
        totals.iterations += 1;
        state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
    }
    state.counters["export_ms"] = totals.exportSeconds / totals.iterations * 1e3;
    state.counters["floor_ms"] = totals.floorSeconds / totals.iterations * 1e3;
    state.counters["ratio"] = totals.floorSeconds > 0 ? totals.exportSeconds / totals.floorSeconds : 0;
}

Totals g_disk;
Totals g_memory;

void printRatio(const char* where, const Totals& t)
{
    if (t.iterations == 0 || t.floorSeconds <= 0)
        return;
    std::printf("%s: export %.1f ms, plain unsynced writes of the same bytes %.1f ms, ratio %.2f (goal: at most 3)\n",
                where, t.exportSeconds / t.iterations * 1e3, t.floorSeconds / t.iterations * 1e3,
                t.exportSeconds / t.floorSeconds);
}

void BM_HtmlExport_9999(benchmark::State& state)
{
    static Fixture f(QDir::tempPath() + QStringLiteral("/html_bench-XXXXXX"));
    g_disk = {};
    exportAll(state, f, g_disk);
}
BENCHMARK(BM_HtmlExport_9999)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_HtmlExport_9999_InMemoryFolder(benchmark::State& state)
{
    static Fixture f(QStringLiteral("/dev/shm/html_bench-XXXXXX"));
    g_memory = {};
    exportAll(state, f, g_memory);
}
BENCHMARK(BM_HtmlExport_9999_InMemoryFolder)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    printRatio("Temporary folder", g_disk);
    printRatio("Folder in memory", g_memory);
    return 0;
}
