// Speed of the HTML export of a full collection of 9999 titles, 10 a page
// (1000 pages), on the shipped templates. Goal: under 1 s.
//
// Every page is committed through QSaveFile, which syncs it to the disk, so
// on a busy disk the 1000 syncs dominate. The same export into a folder in
// memory (/dev/shm, where present) shows the program's own share.
#include "bench/BenchTitles.h"
#include "data/clsTranslation.h"
#include "exchange/clsHtmlPageCreator.h"
#include "platform/ProgramFolder.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

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
        const QDir resources(QFileInfo(QStringLiteral(__FILE__)).dir().filePath(QStringLiteral("../resources")));
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
void exportAll(benchmark::State& state, Fixture& f)
{
    if (!f.dir.isValid()) {
        state.SkipWithError("no folder for the pages");
        return;
    }
    ProgramFolder::setPath(f.dir.path());
    for (auto _ : state) {
        clsHtmlPageCreator creator;
        creator.SetCaption(QStringLiteral("My collection"));
        creator.setBGcolor(QStringLiteral("000000"));
        creator.setFontcolor(QStringLiteral("0000CC"));
        for (const auto& d : f.titles)
            creator.AddDVD(d);
        const auto result = creator.createHTMLFiles(f.captions, 10);
        if (!result.ok() || result.pagesWritten != 1000)
            state.SkipWithError("export failed");
    }
}

void BM_HtmlExport_9999(benchmark::State& state)
{
    static Fixture f(QDir::tempPath() + QStringLiteral("/html_bench-XXXXXX"));
    exportAll(state, f);
}
BENCHMARK(BM_HtmlExport_9999)->Unit(benchmark::kMillisecond);

void BM_HtmlExport_9999_InMemoryFolder(benchmark::State& state)
{
    static Fixture f(QStringLiteral("/dev/shm/html_bench-XXXXXX"));
    exportAll(state, f);
}
BENCHMARK(BM_HtmlExport_9999_InMemoryFolder)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
