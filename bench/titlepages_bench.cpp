// Speed of the title pages over a full collection: one search step, and
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

// One narrowing step with a criterion over every title (the result list refilled).
void searchStep(benchmark::State& state)
{
    Fixture& f = fixture(9999);
    f.window->ShowPage(11);
    f.child<ucOption>("ucOptionSuche")->option(static_cast<int>(state.range(0)) - 1)->click();
    f.child<ucEntry>("ucEntrySuche")->setValue(state.range(0) == 1 ? QStringLiteral("a") : QStringLiteral("1980"));
    for (auto _ : state) {
        state.PauseTiming();
        f.window->Suche().btNewSearch_Click();
        state.ResumeTiming();
        f.window->Suche().btDVDjetztsuchen_Click();
    }
}
BENCHMARK(searchStep)->Arg(1)->Arg(9)->Arg(17)->Unit(benchmark::kMillisecond);

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
