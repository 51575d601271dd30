// Speed of the title pages over a full collection: a new search with one step, and
// saving a new title (insert, list file and name files written).
#include "bench/BenchTitles.h"
#include "bench/BenchMain.h"
#include "controls/ucEntry.h"
#include "controls/ucOption.h"
#include "data/clsDatentraeger.h"
#include "mainwindow/frame/MainWindow.h"
#include "mainwindow/titlepages/PageDVDEntry.h"
#include "mainwindow/titlepages/PageSuche.h"
#include "platform/ProgramFolder.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QRadioButton>
#include <QTemporaryDir>

#include <chrono>
#include <memory>
#include <random>
#include <vector>

namespace {

struct Fixture {
    QTemporaryDir dir;
    std::unique_ptr<MainWindow> window;

    explicit Fixture(int titles)
    {
        ProgramFolder::setPath(dir.path());
        QDir().mkpath(dir.filePath(QStringLiteral("cover")));
        QImage img(2, 2, QImage::Format_RGB32);
        img.fill(Qt::red);
        img.save(dir.filePath(QStringLiteral("cover/new.bmp")), "BMP");

        window = std::make_unique<MainWindow>();
        window->session().Options().setSound(0);
        window->session().Options().setDvdListpath(dir.filePath(QStringLiteral("lists/bench.adl")));
        window->SetLanguageAndDesign();
        window->SetAllSizes(800, 600);

        std::mt19937 rng(42);
        for (int i = 0; i < titles; ++i) {
            const clsDatentraeger d = benchTitle(rng, i, dir.filePath(QStringLiteral("cover")));
            window->session().DVDListe().AddSortedDVD(d);
        }
    }

    template <class T>
    T* child(const char* name) const
    {
        return window->findChild<T*>(QString::fromLatin1(name));
    }
};

// The fixtures live until main() ends them, while the application still exists.
std::vector<std::unique_ptr<Fixture>>& fixtures()
{
    static std::vector<std::unique_ptr<Fixture>> all;
    return all;
}

Fixture& fixture(int titles)
{
    for (auto& f : fixtures())
        if (f->window->session().DVDListe().getListSize() == titles)
            return *f;
    fixtures().push_back(std::make_unique<Fixture>(titles));
    return *fixtures().back();
}

// A new search, which refills the result list with every title, and one
// narrowing step with a criterion over every title (the list refilled with
// the hits), as the user takes them: both are timed, and each part printed.
void searchStep(benchmark::State& state)
{
    using Clock = std::chrono::steady_clock;
    Fixture& f = fixture(9999);
    f.window->ShowPage(11);
    f.child<ucOption>("ucOptionSuche")->option(static_cast<int>(state.range(0)) - 1)->click();
    f.child<ucEntry>("ucEntrySuche")->setValue(state.range(0) == 1 ? QStringLiteral("a") : QStringLiteral("1980"));
    double newSearch = 0, step = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        f.window->Suche().btNewSearch_Click();
        const auto t1 = Clock::now();
        f.window->Suche().btDVDjetztsuchen_Click();
        const auto t2 = Clock::now();
        newSearch += std::chrono::duration<double>(t1 - t0).count();
        step += std::chrono::duration<double>(t2 - t1).count();
        state.SetIterationTime(std::chrono::duration<double>(t2 - t0).count());
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["new_search_ms"] = newSearch / n * 1e3;
    state.counters["step_ms"] = step / n * 1e3;
}
BENCHMARK(searchStep)->Arg(1)->Arg(9)->Arg(17)->UseManualTime()->Unit(benchmark::kMillisecond);

// A new title added to 9998 titles, making the collection full.
void saveNewTitle(benchmark::State& state)
{
    Fixture& f = fixture(9998);
    for (auto _ : state) {
        state.PauseTiming();
        f.window->ShowPage(12);
        f.child<ucEntry>("ucEntryTitel")->setValue(QStringLiteral("Kagemusha Laura new"));
        f.child<ucEntry>("ucEntryRegie")->setValue(QStringLiteral("Someone"));
        f.child<ucEntry>("ucEntryBild")->setValue(QStringLiteral("cover/new.bmp"));
        state.ResumeTiming();
        if (!f.window->DVDEntry().SaveDVDEntry(false))
            state.SkipWithError("not stored");
        state.PauseTiming();
        f.window->session().DVDListe().RemoveDVD(f.window->session().AktuelleDVDNr());
        state.ResumeTiming();
    }
}
BENCHMARK(saveNewTitle)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return runOffscreenBenchmarks(argc, argv, [] { fixtures().clear(); });
}
